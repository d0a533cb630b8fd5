# data0.dat is a link that dangles and data1.dat a link to itself: neither
# can be opened ("File open error\n " and the failure message), lists 0 and
# 1 keep [7] and [8], the links stay and nothing is created. data2.dat links
# to real.dat, whose [3] replaces [9].
setup data0.dat symlink missing.dat
setup data1.dat symlink data1.dat
setup real.dat hex 03 00 00 00 00 00 00 00
setup data2.dat symlink real.dat
--- stdin
1

10
0 1 7

10
1 1 8

10
2 1 9

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
{menu}File open error
\s文件data0.dat打开失败！
File open error
\s文件data1.dat打开失败！
文件data2.dat打开成功！
{menu}
\x2d-------all elements of data0.dat-----------
7\t
\x2d----------------- end ------------------------

\x2d-------all elements of data1.dat-----------
8\t
\x2d----------------- end ------------------------

\x2d-------all elements of data2.dat-----------
3\t
\x2d----------------- end ------------------------
{menu}欢迎下次再使用本系统！
--- status 0
--- link data0.dat missing.dat
--- link data1.dat data1.dat
--- link data2.dat real.dat
--- file real.dat unchanged
