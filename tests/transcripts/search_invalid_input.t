# Commands 7, 8 and 9 with a value that is not a number ("abc", a lone
# sign) or outside the 32-bit range: "输入无效！", no search, the pause.
--- stdin
1

10
0 1 5

7
abc

8
- 5

9
99999999999

7
5

0
--- stdout
{menu}线性表data0.dat创建成功！
线性表data1.dat创建成功！
线性表data2.dat创建成功！
{menu}请依次输入要插入链序号，在该链中的位置和要插入的值：元素插入成功！\
{menu}请输入要查找的数据元素值:输入无效！\
{menu}请输入要查找前驱的元素值：输入无效！\
{menu}请输入要查找后继的元素值：输入无效！\
{menu}请输入要查找的数据元素值:数据元素5在第0条链表第1位
{menu}欢迎下次再使用本系统！
