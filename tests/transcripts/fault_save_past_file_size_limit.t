# A file size limit of 16 bytes: lists [1, 2, 3] and [7, 8, 9] need 24 bytes
# each and cannot be saved ("文件保存失败！", no line break); [4, 5] needs
# exactly 16 and is. The old data0.dat stays byte for byte, no data2.dat is
# made, no temporary file is left, and the program goes on with the lists
# as they were.
limit fsize 16
setup data0.dat hex 2a 00 00 00 00 00 00 00
--- stdin
1

10
0 1 3

10
0 1 2

10
0 1 1

10
1 1 5

10
1 1 4

10
2 1 9

10
2 1 8

10
2 1 7

15

12

0
--- stdout
{menu}线性表data0.dat创建成功！
线性表data1.dat创建成功！
线性表data2.dat创建成功！
{menu}请依次输入要插入链序号，在该链中的位置和要插入的值：元素插入成功！\
{menu}请依次输入要插入链序号，在该链中的位置和要插入的值：元素插入成功！\
{menu}请依次输入要插入链序号，在该链中的位置和要插入的值：元素插入成功！\
{menu}请依次输入要插入链序号，在该链中的位置和要插入的值：元素插入成功！\
{menu}请依次输入要插入链序号，在该链中的位置和要插入的值：元素插入成功！\
{menu}请依次输入要插入链序号，在该链中的位置和要插入的值：元素插入成功！\
{menu}请依次输入要插入链序号，在该链中的位置和要插入的值：元素插入成功！\
{menu}请依次输入要插入链序号，在该链中的位置和要插入的值：元素插入成功！\
{menu}文件保存失败！文件data1.dat保存成功！
文件保存失败！\
{menu}
\x2d-------all elements of data0.dat-----------
1\t2\t3\t
\x2d----------------- end ------------------------

\x2d-------all elements of data1.dat-----------
4\t5\t
\x2d----------------- end ------------------------

\x2d-------all elements of data2.dat-----------
7\t8\t9\t
\x2d----------------- end ------------------------
{menu}欢迎下次再使用本系统！
--- status 0
--- file data0.dat unchanged
--- file data1.dat
04 00 00 00 01 00 00 00 05 00 00 00 00 00 00 00
