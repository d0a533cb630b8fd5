# A CR that no LF follows is a character by itself: after "5" the pause takes
# the CR and the "3", so the next choice is 4 (the three lists are empty).
--- stdin
1

5\x0d34

0
--- stdout
{menu}线性表data0.dat创建成功！
线性表data1.dat创建成功！
线性表data2.dat创建成功！
{menu}线性表data0.dat的长度为0
线性表data1.dat的长度为0
线性表data2.dat的长度为0
{menu}线性表data0.dat是空的！
线性表data1.dat是空的！
线性表data2.dat是空的！
{menu}欢迎下次再使用本系统！
--- status 0
