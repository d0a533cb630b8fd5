# Command 14 with no data files: for each entry "File open error\n " and then
# at once its failure message, so each starts after a space. No file appears.
--- stdin
1

14

0
--- stdout
{menu}线性表data0.dat创建成功！
线性表data1.dat创建成功！
线性表data2.dat创建成功！
{menu}File open error
\s文件data0.dat打开失败！
File open error
\s文件data1.dat打开失败！
File open error
\s文件data2.dat打开失败！
{menu}欢迎下次再使用本系统！
--- status 0
