# Command 1 over lists that hold elements ([5], [], [6]): three create
# messages, and all three lists are empty afterwards.
--- stdin
1

10
0 1 5

10
2 1 6

1

12

0
--- stdout
{menu}线性表data0.dat创建成功！
线性表data1.dat创建成功！
线性表data2.dat创建成功！
{menu}请依次输入要插入链序号，在该链中的位置和要插入的值：元素插入成功！\
{menu}请依次输入要插入链序号，在该链中的位置和要插入的值：元素插入成功！\
{menu}线性表data0.dat创建成功！
线性表data1.dat创建成功！
线性表data2.dat创建成功！
{menu}
\x2d-------all elements of data0.dat-----------
线性表data0.dat是空表！

\x2d----------------- end ------------------------

\x2d-------all elements of data1.dat-----------
线性表data1.dat是空表！

\x2d----------------- end ------------------------

\x2d-------all elements of data2.dat-----------
线性表data2.dat是空表！

\x2d----------------- end ------------------------
{menu}欢迎下次再使用本系统！
