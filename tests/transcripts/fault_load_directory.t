# A directory (holding a file) stands at data0.dat: its load fails with
# "File open error\n " and the failure message, list 0 keeps [7], and the
# directory and its file stay; data1.dat and data2.dat still load.
setup data0.dat dir
setup data0.dat/inner.dat hex 01 00 00 00 00 00 00 00
setup data1.dat hex 02 00 00 00 00 00 00 00
setup data2.dat hex 03 00 00 00 00 00 00 00
--- stdin
1

10
0 1 7

14

12

0
--- stdout
{menu}线性表data0.dat创建成功！
线性表data1.dat创建成功！
线性表data2.dat创建成功！
{menu}请依次输入要插入链序号，在该链中的位置和要插入的值：元素插入成功！\
{menu}File open error
\s文件data0.dat打开失败！
文件data1.dat打开成功！
文件data2.dat打开成功！
{menu}
\x2d-------all elements of data0.dat-----------
7\t
\x2d----------------- end ------------------------

\x2d-------all elements of data1.dat-----------
2\t
\x2d----------------- end ------------------------

\x2d-------all elements of data2.dat-----------
3\t
\x2d----------------- end ------------------------
{menu}欢迎下次再使用本系统！
--- status 0
--- dir data0.dat
--- file data0.dat/inner.dat unchanged
--- file data1.dat unchanged
--- file data2.dat unchanged
