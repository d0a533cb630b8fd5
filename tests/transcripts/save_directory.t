# A directory stands at data1.dat: its save writes the line "File open error"
# and "文件保存失败！" (no line break), leaves the directory and no temporary
# file; lists 0 and 2 are still saved.
setup data1.dat dir
--- stdin
1

10
0 1 1

10
1 1 2

10
2 1 3

15

0
--- stdout
{menu}线性表data0.dat创建成功！
线性表data1.dat创建成功！
线性表data2.dat创建成功！
{menu}请依次输入要插入链序号，在该链中的位置和要插入的值：元素插入成功！\
{menu}请依次输入要插入链序号，在该链中的位置和要插入的值：元素插入成功！\
{menu}请依次输入要插入链序号，在该链中的位置和要插入的值：元素插入成功！\
{menu}文件data0.dat保存成功！
File open error
文件保存失败！文件data2.dat保存成功！
{menu}欢迎下次再使用本系统！
--- status 0
--- file data0.dat
01 00 00 00 00 00 00 00
--- dir data1.dat
--- file data2.dat
03 00 00 00 00 00 00 00
