# Command 13 before command 1 and after command 2: each entry is reported as
# missing and nothing is read for it (else the lines after 13 would be taken
# as elements).
--- stdin
13

1

2

13

0
--- stdout
{menu}线性表data0.dat不存在！
线性表data1.dat不存在！
线性表data2.dat不存在！
{menu}线性表data0.dat创建成功！
线性表data1.dat创建成功！
线性表data2.dat创建成功！
{menu}线性表data0.dat销毁成功！
线性表data1.dat销毁成功！
线性表data2.dat销毁成功！
{menu}线性表data0.dat不存在！
线性表data1.dat不存在！
线性表data2.dat不存在！
{menu}欢迎下次再使用本系统！
--- status 0
