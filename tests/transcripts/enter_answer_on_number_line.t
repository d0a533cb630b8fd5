# "5 y" on one line: the space is the character after the number, and the y
# answers at once, so element 2 is asked for without a second answer line.
--- stdin
1

13
5 y
6
n
7
n
8
n

12

0
--- stdout
{menu}线性表data0.dat创建成功！
线性表data1.dat创建成功！
线性表data2.dat创建成功！
{menu}正在为链表data0.dat赋值…
请输入第1个元素值继续输入？y/n
请输入第2个元素值继续输入？y/n
赋值成功
正在为链表data1.dat赋值…
请输入第1个元素值继续输入？y/n
赋值成功
正在为链表data2.dat赋值…
请输入第1个元素值继续输入？y/n
赋值成功
{menu}
\x2d-------all elements of data0.dat-----------
5\t6\t
\x2d----------------- end ------------------------

\x2d-------all elements of data1.dat-----------
7\t
\x2d----------------- end ------------------------

\x2d-------all elements of data2.dat-----------
8\t
\x2d----------------- end ------------------------
{menu}欢迎下次再使用本系统！
--- status 0
