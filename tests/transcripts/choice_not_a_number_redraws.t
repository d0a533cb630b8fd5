# A choice that is not a number redraws the menu at once: the last command
# does not run again, no pause, and the rest of the line (" 2") is dropped,
# so the next choice is the 5 on the following line.
--- stdin
1

abc 2
5

0
--- stdout
{menu}线性表data0.dat创建成功！
线性表data1.dat创建成功！
线性表data2.dat创建成功！
{menu}{menu}线性表data0.dat的长度为0
线性表data1.dat的长度为0
线性表data2.dat的长度为0
{menu}欢迎下次再使用本系统！
