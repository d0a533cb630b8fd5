# Input ends where command 9 reads the value: the farewell line right after
# the prompt, status 0.
--- stdin
9
--- stdout
{menu}请输入要查找后继的元素值：欢迎下次再使用本系统！
