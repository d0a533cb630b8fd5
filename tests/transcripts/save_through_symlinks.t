# data0.dat is a link to real.dat and data1.dat a link that dangles: the files
# they point to are written (new.dat created) and the links stay links.
setup real.dat hex 09 00 00 00 00 00 00 00
setup data0.dat symlink real.dat
setup data1.dat symlink new.dat
--- stdin
1

10
0 1 1

10
1 1 2

15

0
--- stdout
{menu}线性表data0.dat创建成功！
线性表data1.dat创建成功！
线性表data2.dat创建成功！
{menu}请依次输入要插入链序号，在该链中的位置和要插入的值：元素插入成功！\
{menu}请依次输入要插入链序号，在该链中的位置和要插入的值：元素插入成功！\
{menu}文件data0.dat保存成功！
文件data1.dat保存成功！
文件data2.dat保存成功！
{menu}欢迎下次再使用本系统！
--- status 0
--- link data0.dat real.dat
--- file real.dat
01 00 00 00 00 00 00 00
--- link data1.dat new.dat
--- file new.dat
02 00 00 00 00 00 00 00
--- file data2.dat
