# data0.dat was written through a text-mode stream: each 0x0a of a record is
# stored as 0d 0a (links are old memory addresses, 0x003a0a48 and
# 0x003a0a60); it holds [10, 26, 13], and its 0x1a is data. data1.dat holds
# the value 0x0a0d stored as 0d 0d 0a 00 00: [2573]. data2.dat is 20 bytes:
# two records, the last 4 bytes ignored. The files stay as they were.
setup data0.dat hex 0d 0a 00 00 00 48 0d 0a 3a 00 1a 00 00 00 60 0d 0a 3a 00 0d 00 00 00 00 00 00 00
setup data1.dat hex 0d 0d 0a 00 00 00 00 00 00
setup data2.dat hex 01 00 00 00 01 00 00 00 02 00 00 00 00 00 00 00 ff ff ff ff
--- stdin
1

14

12

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
10\t26\t13\t
\x2d----------------- end ------------------------

\x2d-------all elements of data1.dat-----------
2573\t
\x2d----------------- end ------------------------

\x2d-------all elements of data2.dat-----------
1\t2\t
\x2d----------------- end ------------------------
{menu}欢迎下次再使用本系统！
--- status 0
--- file data0.dat
0d 0a 00 00 00 48 0d 0a 3a 00 1a 00 00 00 60 0d 0a 3a 00 0d 00 00 00 00 00 00 00
--- file data1.dat
0d 0d 0a 00 00 00 00 00 00
--- file data2.dat
01 00 00 00 01 00 00 00 02 00 00 00 00 00 00 00 ff ff ff ff
