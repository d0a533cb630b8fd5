# 64 MiB of random bytes are 8 Mi records, about 256 MiB of nodes: under a
# 128 MiB address-space limit the load of data0.dat runs out of memory and
# the program ends at once with exit status -2 (254). What it wrote before
# is all out, nothing follows for the load; data0.dat is untouched and no
# other file is made. (fault_load_within_memory_limit: the same limit leaves
# room for the program and a smaller load.)
limit as 128M
setup data0.dat random 64M 1
--- stdin
1

14
--- stdout
{menu}线性表data0.dat创建成功！
线性表data1.dat创建成功！
线性表data2.dat创建成功！
{menu}\
--- status 254
--- file data0.dat unchanged
