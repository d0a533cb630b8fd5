# Input ends right after the digits of the first number: the number is read,
# the read of the character after it meets the end, and the entry stops
# without asking "继续输入？y/n".
--- stdin
1

13
4\
--- stdout
{menu}线性表data0.dat创建成功！
线性表data1.dat创建成功！
线性表data2.dat创建成功！
{menu}正在为链表data0.dat赋值…
请输入第1个元素值欢迎下次再使用本系统！
--- status 0
