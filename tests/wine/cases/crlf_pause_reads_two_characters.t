# Lines ended with CR LF, as a Windows console and Windows text files end
# them, read as lines ended with LF: the pause after "5" takes its line break
# and the "x", so the 3 that follows is the next choice (clear, which fails on
# the three empty lists). Were the CR a character of its own, the pause would
# take CR and LF and the "x3" would be a choice that is not a number.
--- stdin
1\x0d
\x0d
5\x0d
x3\x0d
\x0d
0\x0d
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
--- status 0
