# Command 5 with no lists, before command 1 and after command 2: each entry
# is reported as not existing.
--- stdin
5

1

2

5

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
