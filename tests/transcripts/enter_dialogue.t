# Command 13 runs the entry dialogue for each list in turn. List 0 gets 4, y,
# 9, n and holds [4, 9], its prompts counting 1 then 2; lists 1 and 2 get one
# value each. Command 12 shows the result.
--- stdin
1

13
4
y
9
n
5
n
-6
n

12

0
--- stdout
{menu}线性表data0.dat创建成功！
线性表data1.dat创建成功！
线性表data2.dat创建成功！
{menu}正在为链表data0.dat赋值…
请输入第1个元素值继续输入？y/n
请输入第2个元素值继续输入？y/n
赋值成功
正在为链表data1.dat赋值…
请输入第1个元素值继续输入？y/n
赋值成功
正在为链表data2.dat赋值…
请输入第1个元素值继续输入？y/n
赋值成功
{menu}
\x2d-------all elements of data0.dat-----------
4\t9\t
\x2d----------------- end ------------------------

\x2d-------all elements of data1.dat-----------
5\t
\x2d----------------- end ------------------------

\x2d-------all elements of data2.dat-----------
-6\t
\x2d----------------- end ------------------------
{menu}欢迎下次再使用本系统！
--- status 0
