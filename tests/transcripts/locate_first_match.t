# Command 7 on [3, 8, 3], [8, 9], []: the first position wins within a list
# and the first list wins across lists; 9 is answered by list 1; 42 and 0
# (no element holds 0) are not found.
--- stdin
1

10
0 1 3

10
0 2 8

10
0 3 3

10
1 1 8

10
1 2 9

7
3

7
8

7
9

7
42

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
{menu}请依次输入要插入链序号，在该链中的位置和要插入的值：元素插入成功！\
{menu}请依次输入要插入链序号，在该链中的位置和要插入的值：元素插入成功！\
{menu}请输入要查找的数据元素值:数据元素3在第0条链表第1位
{menu}请输入要查找的数据元素值:数据元素8在第0条链表第2位
{menu}请输入要查找的数据元素值:数据元素9在第1条链表第2位
{menu}请输入要查找的数据元素值:不存在数据元素42
{menu}请输入要查找的数据元素值:不存在数据元素0
{menu}欢迎下次再使用本系统！
