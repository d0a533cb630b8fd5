# Command 11 with input that is not a number, or outside the 32-bit range, at
# either number: "输入无效！", nothing deleted ([4] stays).
--- stdin
1

10
0 1 4

11
x 1

11
0 x

11
2147483648 1

12

0
--- stdout
{menu}线性表data0.dat创建成功！
线性表data1.dat创建成功！
线性表data2.dat创建成功！
{menu}请依次输入要插入链序号，在该链中的位置和要插入的值：元素插入成功！\
{menu}请输入要删除的链序号和在该链中的位置输入无效！\
{menu}请输入要删除的链序号和在该链中的位置输入无效！\
{menu}请输入要删除的链序号和在该链中的位置输入无效！\
{menu}
\x2d-------all elements of data0.dat-----------
4\t
\x2d----------------- end ------------------------

\x2d-------all elements of data1.dat-----------
线性表data1.dat是空表！

\x2d----------------- end ------------------------

\x2d-------all elements of data2.dat-----------
线性表data2.dat是空表！

\x2d----------------- end ------------------------
{menu}欢迎下次再使用本系统！
