# The counterpart of fault_load_out_of_memory: under the same 128 MiB
# address-space limit, 4 MiB of random bytes (512 Ki records, about 16 MiB
# of nodes) load in full; data1.dat and data2.dat are missing.
limit as 128M
setup data0.dat random 4M 2
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
{menu}线性表data0.dat的长度为524288
线性表data1.dat的长度为0
线性表data2.dat的长度为0
{menu}欢迎下次再使用本系统！
--- status 0
--- file data0.dat unchanged
