# Command 2 destroys the lists (one of them holding an element); a second
# command 2 finds no lists and reports a failure for each.
--- stdin
1

10
1 1 7

2

2

0
--- stdout
{menu}线性表data0.dat创建成功！
线性表data1.dat创建成功！
线性表data2.dat创建成功！
{menu}请依次输入要插入链序号，在该链中的位置和要插入的值：元素插入成功！\
{menu}线性表data0.dat销毁成功！
线性表data1.dat销毁成功！
线性表data2.dat销毁成功！
{menu}线性表data0.dat销毁失败！
线性表data1.dat销毁失败！
线性表data2.dat销毁失败！
{menu}欢迎下次再使用本系统！
