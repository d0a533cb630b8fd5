# Only 'Y' or 'y' goes on. List 0: Y goes on, x ends. List 1: the answer is a
# line break (an empty line), which ends. List 2: N ends.
--- stdin
1

13
1
Y
2
x
3

4
N

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
1\t2\t
\x2d----------------- end ------------------------

\x2d-------all elements of data1.dat-----------
3\t
\x2d----------------- end ------------------------

\x2d-------all elements of data2.dat-----------
4\t
\x2d----------------- end ------------------------
{menu}欢迎下次再使用本系统！
--- status 0
