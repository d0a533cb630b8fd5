# Command 3 on [1, 2], [3], []: the two lists with elements are cleared, the
# empty one fails; the cleared lists still exist and are empty.
--- stdin
1

10
0 1 1

10
0 2 2

10
1 1 3

3

12

0
--- stdout
{menu}线性表data0.dat创建成功！
线性表data1.dat创建成功！
线性表data2.dat创建成功！
{menu}请依次输入要插入链序号，在该链中的位置和要插入的值：元素插入成功！\
{menu}请依次输入要插入链序号，在该链中的位置和要插入的值：元素插入成功！\
{menu}请依次输入要插入链序号，在该链中的位置和要插入的值：元素插入成功！\
{menu}线性表data0.dat清空成功！
线性表data1.dat清空成功！
线性表data2.dat清空失败！
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
