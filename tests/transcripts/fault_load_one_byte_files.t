# Files of one byte hold no whole record: loading them succeeds and empties
# [5], [6] and [7]. The bytes are 0x0A, 0x0D and 0x1A, which the reader of
# older text-mode files treats specially; the files stay as they were.
setup data0.dat hex 0a
setup data1.dat hex 0d
setup data2.dat hex 1a
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
线性表data2.dat是空表！

\x2d----------------- end ------------------------
{menu}欢迎下次再使用本系统！
--- status 0
--- file data0.dat unchanged
--- file data1.dat unchanged
--- file data2.dat unchanged
