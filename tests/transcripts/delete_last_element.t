# Command 11 at the last position of [4, 5] deletes 5; deleting down to an
# empty list works, and one more delete fails.
--- stdin
1

10
0 1 4

10
0 2 5

11
0 2

11
0 1

11
0 1

5

0
--- stdout
{menu}线性表data0.dat创建成功！
线性表data1.dat创建成功！
线性表data2.dat创建成功！
{menu}请依次输入要插入链序号，在该链中的位置和要插入的值：元素插入成功！\
{menu}请依次输入要插入链序号，在该链中的位置和要插入的值：元素插入成功！\
{menu}请输入要删除的链序号和在该链中的位置元素5删除成功！\
{menu}请输入要删除的链序号和在该链中的位置元素4删除成功！\
{menu}请输入要删除的链序号和在该链中的位置元素删除失败！\
{menu}线性表data0.dat的长度为0
线性表data1.dat的长度为0
线性表data2.dat的长度为0
{menu}欢迎下次再使用本系统！
