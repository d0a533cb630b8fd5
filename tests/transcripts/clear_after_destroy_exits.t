# Command 3 after command 2 ends the program with status 254; what was
# written before stays.
--- stdin
1

2

3

0
--- stdout
{menu}线性表data0.dat创建成功！
线性表data1.dat创建成功！
线性表data2.dat创建成功！
{menu}线性表data0.dat销毁成功！
线性表data1.dat销毁成功！
线性表data2.dat销毁成功！
{menu}\
--- status 254
