# Command 11 on [4, 5], [], []: positions 3, 0 and -1, and position 1 of the
# empty list 1, fail; position 1 deletes 4 and leaves [5].
--- stdin
1

10
0 1 4

10
0 2 5

11
0 3

11
0 0

11
0 -1

11
1 1

11
0 1

12

0
--- stdout
{menu}线性表data0.dat创建成功！
线性表data1.dat创建成功！
线性表data2.dat创建成功！
{menu}请依次输入要插入链序号，在该链中的位置和要插入的值：元素插入成功！\
{menu}请依次输入要插入链序号，在该链中的位置和要插入的值：元素插入成功！\
{menu}请输入要删除的链序号和在该链中的位置元素删除失败！\
{menu}请输入要删除的链序号和在该链中的位置元素删除失败！\
{menu}请输入要删除的链序号和在该链中的位置元素删除失败！\
{menu}请输入要删除的链序号和在该链中的位置元素删除失败！\
{menu}请输入要删除的链序号和在该链中的位置元素4删除成功！\
{menu}
\x2d-------all elements of data0.dat-----------
5\t
\x2d----------------- end ------------------------

\x2d-------all elements of data1.dat-----------
线性表data1.dat是空表！

\x2d----------------- end ------------------------

\x2d-------all elements of data2.dat-----------
线性表data2.dat是空表！

\x2d----------------- end ------------------------
{menu}欢迎下次再使用本系统！
