# Command 7 with 0 on [7, 0], [0], []: the element 0 is found (the head node
# never answers), in list 0 first; once it is deleted there, in list 1.
--- stdin
1

10
0 1 7

10
0 2 0

10
1 1 0

7
0

11
0 2

7
0

0
--- stdout
{menu}线性表data0.dat创建成功！
线性表data1.dat创建成功！
线性表data2.dat创建成功！
{menu}请依次输入要插入链序号，在该链中的位置和要插入的值：元素插入成功！\
{menu}请依次输入要插入链序号，在该链中的位置和要插入的值：元素插入成功！\
{menu}请依次输入要插入链序号，在该链中的位置和要插入的值：元素插入成功！\
{menu}请输入要查找的数据元素值:数据元素0在第0条链表第2位
{menu}请输入要删除的链序号和在该链中的位置元素0删除成功！\
{menu}请输入要查找的数据元素值:数据元素0在第1条链表第1位
{menu}欢迎下次再使用本系统！
