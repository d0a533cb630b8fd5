# Input that is not a 32-bit number is answered with "输入无效！" and the same
# element is asked for again, with the same counter; the rest of the line goes.
# List 0: "abc", then 4, y, then 2147483648 (out of range), then INT_MIN.
# Its answer "nope" ends it with "ope" left unread: list 1's first read meets
# it. List 2: "x 5" is dropped whole, then -7.
--- stdin
1

13
abc
4
y
2147483648
-2147483648
nope
2147483647
n
x 5
-7
n

12

0
--- stdout
{menu}线性表data0.dat创建成功！
线性表data1.dat创建成功！
线性表data2.dat创建成功！
{menu}正在为链表data0.dat赋值…
请输入第1个元素值输入无效！请输入第1个元素值继续输入？y/n
请输入第2个元素值输入无效！请输入第2个元素值继续输入？y/n
赋值成功
正在为链表data1.dat赋值…
请输入第1个元素值输入无效！请输入第1个元素值继续输入？y/n
赋值成功
正在为链表data2.dat赋值…
请输入第1个元素值输入无效！请输入第1个元素值继续输入？y/n
赋值成功
{menu}
\x2d-------all elements of data0.dat-----------
4\t-2147483648\t
\x2d----------------- end ------------------------

\x2d-------all elements of data1.dat-----------
2147483647\t
\x2d----------------- end ------------------------

\x2d-------all elements of data2.dat-----------
-7\t
\x2d----------------- end ------------------------
{menu}欢迎下次再使用本系统！
--- status 0
