# Commands 7, 8 and 9 with no lists, before command 1 and after command 2:
# their not-found messages.
--- stdin
7
5

8
5

9
0

1

2

7
0

8
7

9
5

0
--- stdout
{menu}请输入要查找的数据元素值:不存在数据元素5
{menu}请输入要查找前驱的元素值：数据元素5的前驱不存在
{menu}请输入要查找后继的元素值：数据元素0的后继不存在
{menu}线性表data0.dat创建成功！
线性表data1.dat创建成功！
线性表data2.dat创建成功！
{menu}线性表data0.dat销毁成功！
线性表data1.dat销毁成功！
线性表data2.dat销毁成功！
{menu}请输入要查找的数据元素值:不存在数据元素0
{menu}请输入要查找前驱的元素值：数据元素7的前驱不存在
{menu}请输入要查找后继的元素值：数据元素5的后继不存在
{menu}欢迎下次再使用本系统！
