# Command 14 before command 1 and after command 2: each entry is reported as
# missing and no file is opened (the directory at data1.dat would say "File
# open error" if it were).
setup data0.dat hex 01 00 00 00 00 00 00 00
setup data1.dat dir
--- stdin
14

1

2

14

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
--- file data0.dat
01 00 00 00 00 00 00 00
--- dir data1.dat
