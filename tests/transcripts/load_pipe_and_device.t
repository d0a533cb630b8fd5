# Command 14 where the data files are not regular files: a named pipe at
# data0.dat (opening it would wait for a writer for ever) and a link to the
# endless /dev/zero at data1.dat. Neither is a data file: each is reported as
# one that cannot be opened, and data2.dat still loads.
setup data0.dat fifo
setup data1.dat symlink /dev/zero
setup data2.dat hex 07 00 00 00 00 00 00 00
--- stdin
1

14

12

0
--- stdout
{menu}线性表data0.dat创建成功！
线性表data1.dat创建成功！
线性表data2.dat创建成功！
{menu}File open error
 文件data0.dat打开失败！
File open error
 文件data1.dat打开失败！
文件data2.dat打开成功！
{menu}
\x2d-------all elements of data0.dat-----------
线性表data0.dat是空表！

\x2d----------------- end ------------------------

\x2d-------all elements of data1.dat-----------
线性表data1.dat是空表！

\x2d----------------- end ------------------------

\x2d-------all elements of data2.dat-----------
7\t
\x2d----------------- end ------------------------
{menu}欢迎下次再使用本系统！
--- status 0
--- fifo data0.dat
--- link data1.dat /dev/zero
--- file data2.dat
07 00 00 00 00 00 00 00
