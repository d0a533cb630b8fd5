# The pause is exactly two single-character reads: after "5" it takes the
# line break and the "x", so the 3 that follows is the next choice (clear,
# which fails on the three empty lists).
--- stdin
1

5
x3

0
--- stdout
{menu}线性表data0.dat创建成功！
线性表data1.dat创建成功！
线性表data2.dat创建成功！
{menu}线性表data0.dat的长度为0
线性表data1.dat的长度为0
线性表data2.dat的长度为0
{menu}线性表data0.dat清空失败！
线性表data1.dat清空失败！
线性表data2.dat清空失败！
{menu}欢迎下次再使用本系统！
