# Input ends where the answer after element 2 is read: the entry stops, no
# "赋值成功", the farewell line, status 0. Nothing is saved: the old data file
# is left as it was and no other file appears.
setup data0.dat hex 03 00 00 00 00 00 00 00
--- stdin
1

13
4
y
9
--- stdout
{menu}线性表data0.dat创建成功！
线性表data1.dat创建成功！
线性表data2.dat创建成功！
{menu}正在为链表data0.dat赋值…
请输入第1个元素值继续输入？y/n
请输入第2个元素值继续输入？y/n
欢迎下次再使用本系统！
--- status 0
--- file data0.dat
03 00 00 00 00 00 00 00
