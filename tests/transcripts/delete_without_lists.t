# Command 11 with no lists, before command 1 and after command 2, fails.
--- stdin
11
0 1

1

2

11
1 1

0
--- stdout
{menu}请输入要删除的链序号和在该链中的位置元素删除失败！\
{menu}线性表data0.dat创建成功！
线性表data1.dat创建成功！
线性表data2.dat创建成功！
{menu}线性表data0.dat销毁成功！
线性表data1.dat销毁成功！
线性表data2.dat销毁成功！
{menu}请输入要删除的链序号和在该链中的位置元素删除失败！\
{menu}欢迎下次再使用本系统！
