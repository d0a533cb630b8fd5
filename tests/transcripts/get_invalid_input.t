# Command 6 with input that is not a number, or outside the 32-bit range, at
# either number: "输入无效！" and the pause; the rest of the line is dropped.
# A good request afterwards still works.
--- stdin
1

10
0 1 4

6
x 1

6
0 y

6
2147483648 1

6
0 -2147483649

6
0 1

0
--- stdout
{menu}线性表data0.dat创建成功！
线性表data1.dat创建成功！
线性表data2.dat创建成功！
{menu}请依次输入要插入链序号，在该链中的位置和要插入的值：元素插入成功！\
{menu}请输入要查找的链表序号和在该序号中的位置:输入无效！\
{menu}请输入要查找的链表序号和在该序号中的位置:输入无效！\
{menu}请输入要查找的链表序号和在该序号中的位置:输入无效！\
{menu}请输入要查找的链表序号和在该序号中的位置:输入无效！\
{menu}请输入要查找的链表序号和在该序号中的位置:第0条链表第1位是4\
{menu}欢迎下次再使用本系统！
