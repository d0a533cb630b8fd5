# The Linux program saves list 0 = [10, 26, 13, -1, 2147483647, -2147483648,
# 0] (bytes 0x0A and 0x1A among them), list 1 = [7] and the empty list 2.
# tests/wine/run hands the files it leaves to the Windows program.
--- stdin
1

10
0 1 10

10
0 2 26

10
0 3 13

10
0 4 -1

10
0 5 2147483647

10
0 6 -2147483648

10
0 7 0

10
1 1 7

15

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
{menu}文件data0.dat保存成功！
文件data1.dat保存成功！
文件data2.dat保存成功！
{menu}欢迎下次再使用本系统！
--- status 0
--- file data0.dat
0a 00 00 00 01 00 00 00  1a 00 00 00 01 00 00 00
0d 00 00 00 01 00 00 00  ff ff ff ff 01 00 00 00
ff ff ff 7f 01 00 00 00  00 00 00 80 01 00 00 00
00 00 00 00 00 00 00 00
--- file data1.dat
07 00 00 00 00 00 00 00
--- file data2.dat
