# A choice that is not a number, its line ended with CR LF: the rest of the
# line (" 2" and the CR) is dropped and the menu drawn again at once; the next
# choice is the 5 on the following line.
--- stdin
1\x0d
\x0d
abc 2\x0d
5\x0d
\x0d
0\x0d
--- stdout
{menu}线性表data0.dat创建成功！
线性表data1.dat创建成功！
线性表data2.dat创建成功！
{menu}{menu}线性表data0.dat的长度为0
线性表data1.dat的长度为0
线性表data2.dat的长度为0
{menu}欢迎下次再使用本系统！
--- status 0
