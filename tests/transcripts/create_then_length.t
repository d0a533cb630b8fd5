# Command 1 creates the three lists; command 5 right after shows three
# lengths of 0. Each command is followed by a pause of one Enter.
--- stdin
1

5

0
--- stdout
{menu}线性表data0.dat创建成功！
线性表data1.dat创建成功！
线性表data2.dat创建成功！
{menu}线性表data0.dat的长度为0
线性表data1.dat的长度为0
线性表data2.dat的长度为0
{menu}欢迎下次再使用本系统！
