# Commands 4 and 5 on lists filled through command 10: [1, 2], [3], [].
--- stdin
1

10
0 1 1

10
0 2 2

10
1 1 3

4

5

0
--- stdout
{menu}线性表data0.dat创建成功！
线性表data1.dat创建成功！
线性表data2.dat创建成功！
{menu}请依次输入要插入链序号，在该链中的位置和要插入的值：元素插入成功！\
{menu}请依次输入要插入链序号，在该链中的位置和要插入的值：元素插入成功！\
{menu}请依次输入要插入链序号，在该链中的位置和要插入的值：元素插入成功！\
{menu}线性表data0.dat不是空的！
线性表data1.dat不是空的！
线性表data2.dat是空的！
{menu}线性表data0.dat的长度为2
线性表data1.dat的长度为1
线性表data2.dat的长度为0
{menu}欢迎下次再使用本系统！
