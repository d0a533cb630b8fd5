# Input ends where command 10 reads the value: the farewell line right after
# the prompt, status 0.
--- stdin
10
0 1
--- stdout
{menu}请依次输入要插入链序号，在该链中的位置和要插入的值：欢迎下次再使用本系统！
