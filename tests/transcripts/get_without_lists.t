# Command 6 with no lists, before command 1 and after command 2: not
# existing.
--- stdin
6
0 1

1

2

6
2 1

0
--- stdout
{menu}请输入要查找的链表序号和在该序号中的位置:第0条链表第1位不存在\
{menu}线性表data0.dat创建成功！
线性表data1.dat创建成功！
线性表data2.dat创建成功！
{menu}线性表data0.dat销毁成功！
线性表data1.dat销毁成功！
线性表data2.dat销毁成功！
{menu}请输入要查找的链表序号和在该序号中的位置:第2条链表第1位不存在\
{menu}欢迎下次再使用本系统！
