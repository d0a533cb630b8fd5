# Input ends at the pause's second read (the Enter never comes): the
# farewell line, and no menu after it.
--- stdin
1
--- stdout
{menu}线性表data0.dat创建成功！
线性表data1.dat创建成功！
线性表data2.dat创建成功！
欢迎下次再使用本系统！
