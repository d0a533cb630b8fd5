# List 0 is entered; input ends at list 1's first number: the farewell line
# follows its prompt, status 0, no file written.
--- stdin
1

13
4
n
--- stdout
{menu}线性表data0.dat创建成功！
线性表data1.dat创建成功！
线性表data2.dat创建成功！
{menu}正在为链表data0.dat赋值…
请输入第1个元素值继续输入？y/n
赋值成功
正在为链表data1.dat赋值…
请输入第1个元素值欢迎下次再使用本系统！
--- status 0
