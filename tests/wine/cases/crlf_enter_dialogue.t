# The entry dialogue with CR LF line ends: the character read after each
# number is the line break, so each y or n answer is read from its own line,
# as with LF line ends. List 0 gets 4, y, 9, n; list 1 gets "5 y" on one
# line, then 6, n; list 2 gets -6, n.
--- stdin
1\x0d
\x0d
13\x0d
4\x0d
y\x0d
9\x0d
n\x0d
5 y\x0d
6\x0d
n\x0d
-6\x0d
n\x0d
\x0d
12\x0d
\x0d
0\x0d
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
请输入第2个元素值继续输入？y/n
赋值成功
正在为链表data2.dat赋值…
请输入第1个元素值继续输入？y/n
赋值成功
{menu}
\x2d-------all elements of data0.dat-----------
4\t9\t
\x2d----------------- end ------------------------

\x2d-------all elements of data1.dat-----------
5\t6\t
\x2d----------------- end ------------------------

\x2d-------all elements of data2.dat-----------
-6\t
\x2d----------------- end ------------------------
{menu}欢迎下次再使用本系统！
--- status 0
