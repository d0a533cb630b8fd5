# Command 6 on [4, 5], [], []: positions 1 and 2 show their elements (the
# two numbers may be on separate lines); 0, -1, 3 and a position in the
# empty list 1 are reported as not existing.
--- stdin
1

10
0 1 4

10
0 2 5

6
0 2

6
0
1

6
0 3

6
0 0

6
0 -1

6
1 1

0
--- stdout
{menu}线性表data0.dat创建成功！
线性表data1.dat创建成功！
线性表data2.dat创建成功！
{menu}请依次输入要插入链序号，在该链中的位置和要插入的值：元素插入成功！\
{menu}请依次输入要插入链序号，在该链中的位置和要插入的值：元素插入成功！\
{menu}请输入要查找的链表序号和在该序号中的位置:第0条链表第2位是5\
{menu}请输入要查找的链表序号和在该序号中的位置:第0条链表第1位是4\
{menu}请输入要查找的链表序号和在该序号中的位置:第0条链表第3位不存在\
{menu}请输入要查找的链表序号和在该序号中的位置:第0条链表第0位不存在\
{menu}请输入要查找的链表序号和在该序号中的位置:第0条链表第-1位不存在\
{menu}请输入要查找的链表序号和在该序号中的位置:第1条链表第1位不存在\
{menu}欢迎下次再使用本系统！
