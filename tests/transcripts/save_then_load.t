# Command 15 saves [10, 26, 13], [-1, INT_MIN, INT_MAX] and [] as 8-byte
# records (value, then link 1, or 0 in the last record), replacing a longer
# old data0.dat; after command 1 empties the lists, command 14 brings every
# value back, 10 (0x0a), 26 (0x1a) and 13 (0x0d) included.
setup data0.dat hex 11 00 00 00 01 00 00 00 11 00 00 00 01 00 00 00 11 00 00 00 01 00 00 00 11 00 00 00 00 00 00 00
--- stdin
1

10
0 1 10

10
0 2 26

10
0 3 13

10
1 1 -1

10
1 2 -2147483648

10
1 3 2147483647

15

1

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
{menu}请依次输入要插入链序号，在该链中的位置和要插入的值：元素插入成功！\
{menu}请依次输入要插入链序号，在该链中的位置和要插入的值：元素插入成功！\
{menu}请依次输入要插入链序号，在该链中的位置和要插入的值：元素插入成功！\
{menu}文件data0.dat保存成功！
文件data1.dat保存成功！
文件data2.dat保存成功！
{menu}线性表data0.dat创建成功！
线性表data1.dat创建成功！
线性表data2.dat创建成功！
{menu}文件data0.dat打开成功！
文件data1.dat打开成功！
文件data2.dat打开成功！
{menu}
\x2d-------all elements of data0.dat-----------
10\t26\t13\t
\x2d----------------- end ------------------------

\x2d-------all elements of data1.dat-----------
-1\t-2147483648\t2147483647\t
\x2d----------------- end ------------------------

\x2d-------all elements of data2.dat-----------
线性表data2.dat是空表！

\x2d----------------- end ------------------------
{menu}欢迎下次再使用本系统！
--- status 0
--- file data0.dat
0a 00 00 00 01 00 00 00
1a 00 00 00 01 00 00 00
0d 00 00 00 00 00 00 00
--- file data1.dat
ff ff ff ff 01 00 00 00
00 00 00 80 01 00 00 00
ff ff ff 7f 00 00 00 00
--- file data2.dat
