# The lists hold [5], [6] and [7]. data0.dat is empty and data1.dat has 7
# bytes, no whole record: both lists come out empty. data2.dat holds [9],
# which replaces [7].
setup data0.dat hex
setup data1.dat hex 09 00 00 00 00 00 00
setup data2.dat hex 09 00 00 00 00 00 00 00
--- stdin
1

10
0 1 5

10
1 1 6

10
2 1 7

14

12

0
--- stdout
{menu}线性表data0.dat创建成功！
线性表data1.dat创建成功！
线性表data2.dat创建成功！
{menu}请依次输入要插入链序号，在该链中的位置和要插入的值：元素插入成功！\
{menu}请依次输入要插入链序号，在该链中的位置和要插入的值：元素插入成功！\
{menu}请依次输入要插入链序号，在该链中的位置和要插入的值：元素插入成功！\
{menu}文件data0.dat打开成功！
文件data1.dat打开成功！
文件data2.dat打开成功！
{menu}
\x2d-------all elements of data0.dat-----------
线性表data0.dat是空表！

\x2d----------------- end ------------------------

\x2d-------all elements of data1.dat-----------
线性表data1.dat是空表！

\x2d----------------- end ------------------------

\x2d-------all elements of data2.dat-----------
9\t
\x2d----------------- end ------------------------
{menu}欢迎下次再使用本系统！
--- status 0
--- file data0.dat
--- file data1.dat
09 00 00 00 00 00 00
--- file data2.dat
09 00 00 00 00 00 00 00
