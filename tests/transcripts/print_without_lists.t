# Command 12 after command 2: for each entry the header, the not-existing
# message in place of the elements, and the end line.
--- stdin
1

10
0 1 4

2

12

0
--- stdout
{menu}线性表data0.dat创建成功！
线性表data1.dat创建成功！
线性表data2.dat创建成功！
{menu}请依次输入要插入链序号，在该链中的位置和要插入的值：元素插入成功！\
{menu}线性表data0.dat销毁成功！
线性表data1.dat销毁成功！
线性表data2.dat销毁成功！
{menu}
\x2d-------all elements of data0.dat-----------
线性表data0.dat不存在！

\x2d----------------- end ------------------------

\x2d-------all elements of data1.dat-----------
线性表data1.dat不存在！

\x2d----------------- end ------------------------

\x2d-------all elements of data2.dat-----------
线性表data2.dat不存在！

\x2d----------------- end ------------------------
{menu}欢迎下次再使用本系统！
