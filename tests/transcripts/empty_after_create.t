# Command 4 right after command 1: all three lists are empty, and exactly
# one more Enter returns to the menu (the 5 after it runs).
--- stdin
1

4

5

0
--- stdout
{menu}线性表data0.dat创建成功！
线性表data1.dat创建成功！
线性表data2.dat创建成功！
{menu}线性表data0.dat是空的！
线性表data1.dat是空的！
线性表data2.dat是空的！
{menu}线性表data0.dat的长度为0
线性表data1.dat的长度为0
线性表data2.dat的长度为0
{menu}欢迎下次再使用本系统！
