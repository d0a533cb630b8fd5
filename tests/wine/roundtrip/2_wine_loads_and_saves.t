# The Windows program, given the files the Linux program saved, loads them
# whole, inserts 99 into list 2 and saves all three: lists 0 and 1 come out
# as the very bytes they went in as.
--- stdin
1

14

12

10
2 1 99

15

0
--- stdout
{menu}线性表data0.dat创建成功！
线性表data1.dat创建成功！
线性表data2.dat创建成功！
{menu}文件data0.dat打开成功！
文件data1.dat打开成功！
文件data2.dat打开成功！
{menu}
\x2d-------all elements of data0.dat-----------
10\t26\t13\t-1\t2147483647\t-2147483648\t0\t
\x2d----------------- end ------------------------

\x2d-------all elements of data1.dat-----------
7\t
\x2d----------------- end ------------------------

\x2d-------all elements of data2.dat-----------
线性表data2.dat是空表！

\x2d----------------- end ------------------------
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
63 00 00 00 00 00 00 00
