# Command 10 with no lists, before command 1 and after command 2, fails.
--- stdin
10
0 1 5

1

2

10
2 1 5

0
--- stdout
{menu}请依次输入要插入链序号，在该链中的位置和要插入的值：元素插入失败！\
{menu}线性表data0.dat创建成功！
线性表data1.dat创建成功！
线性表data2.dat创建成功！
{menu}线性表data0.dat销毁成功！
线性表data1.dat销毁成功！
线性表data2.dat销毁成功！
{menu}请依次输入要插入链序号，在该链中的位置和要插入的值：元素插入失败！\
{menu}欢迎下次再使用本系统！
