# Command 10 with input that is not a number, or outside the 32-bit range, at
# each of its three numbers: "输入无效！", nothing inserted, the rest of the
# line dropped.
--- stdin
1

10
x 1 5

10
0 x 5

10
0 1 x

10
0 1 2147483648

10
0 -2147483649 5

12

0
--- stdout
{menu}线性表data0.dat创建成功！
线性表data1.dat创建成功！
线性表data2.dat创建成功！
{menu}请依次输入要插入链序号，在该链中的位置和要插入的值：输入无效！\
{menu}请依次输入要插入链序号，在该链中的位置和要插入的值：输入无效！\
{menu}请依次输入要插入链序号，在该链中的位置和要插入的值：输入无效！\
{menu}请依次输入要插入链序号，在该链中的位置和要插入的值：输入无效！\
{menu}请依次输入要插入链序号，在该链中的位置和要插入的值：输入无效！\
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
