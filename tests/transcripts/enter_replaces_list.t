# The values entered replace the list's elements: list 0 holds [1, 2, 3] and
# receives the single value 8, so it holds [8].
--- stdin
1

10
0 1 1

10
0 2 2

10
0 3 3

13
8
n
5
n
6
n

12

0
--- stdout
{menu}线性表data0.dat创建成功！
线性表data1.dat创建成功！
线性表data2.dat创建成功！
{menu}请依次输入要插入链序号，在该链中的位置和要插入的值：元素插入成功！\
{menu}请依次输入要插入链序号，在该链中的位置和要插入的值：元素插入成功！\
{menu}请依次输入要插入链序号，在该链中的位置和要插入的值：元素插入成功！\
{menu}正在为链表data0.dat赋值…
请输入第1个元素值继续输入？y/n
赋值成功
正在为链表data1.dat赋值…
请输入第1个元素值继续输入？y/n
赋值成功
正在为链表data2.dat赋值…
请输入第1个元素值继续输入？y/n
赋值成功
{menu}
\x2d-------all elements of data0.dat-----------
8\t
\x2d----------------- end ------------------------

\x2d-------all elements of data1.dat-----------
5\t
\x2d----------------- end ------------------------

\x2d-------all elements of data2.dat-----------
6\t
\x2d----------------- end ------------------------
{menu}欢迎下次再使用本系统！
--- status 0
