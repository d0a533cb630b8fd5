# Choices 16 and -1 redraw the menu at once: no command, no pause (the 1
# after them is read as the next choice and creates the lists).
--- stdin
16
-1
1

0
--- stdout
{menu}{menu}{menu}线性表data0.dat创建成功！
线性表data1.dat创建成功！
线性表data2.dat创建成功！
{menu}欢迎下次再使用本系统！
