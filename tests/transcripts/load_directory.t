# A directory stands at data1.dat: its load fails ("File open error\n ", then
# the failure message) and list 1 keeps [7]; lists 0 and 2 still load.
setup data0.dat hex 01 00 00 00 00 00 00 00
setup data1.dat dir
setup data2.dat hex 03 00 00 00 00 00 00 00
--- stdin
1

10
0 1 5

10
1 1 7

14

12

0
--- stdout
{menu}线性表data0.dat创建成功！
线性表data1.dat创建成功！
线性表data2.dat创建成功！
{menu}请依次输入要插入链序号，在该链中的位置和要插入的值：元素插入成功！\
{menu}请依次输入要插入链序号，在该链中的位置和要插入的值：元素插入成功！\
{menu}文件data0.dat打开成功！
File open error
\s文件data1.dat打开失败！
文件data2.dat打开成功！
{menu}
\x2d-------all elements of data0.dat-----------
1\t
\x2d----------------- end ------------------------

\x2d-------all elements of data1.dat-----------
7\t
\x2d----------------- end ------------------------

\x2d-------all elements of data2.dat-----------
3\t
\x2d----------------- end ------------------------
{menu}欢迎下次再使用本系统！
--- status 0
--- file data0.dat
01 00 00 00 00 00 00 00
--- dir data1.dat
--- file data2.dat
03 00 00 00 00 00 00 00
