# 300 MiB of random bytes at data0.dat load as 39321600 records (every whole
# 8-byte record, in a file that is no legacy one), with no crash or hang; the
# file stays as it was and the missing data1.dat and data2.dat are not made.
timeout 120
setup data0.dat random 300M 3
--- stdin
1

14

5

0
--- stdout
{menu}线性表data0.dat创建成功！
线性表data1.dat创建成功！
线性表data2.dat创建成功！
{menu}文件data0.dat打开成功！
File open error
\s文件data1.dat打开失败！
File open error
\s文件data2.dat打开失败！
{menu}线性表data0.dat的长度为39321600
线性表data1.dat的长度为0
线性表data2.dat的长度为0
{menu}欢迎下次再使用本系统！
--- status 0
--- file data0.dat unchanged
