# Input ends right after the choice 8, where it reads the value: the
# farewell line right after the prompt, status 0.
--- stdin
8\
--- stdout
{menu}请输入要查找前驱的元素值：欢迎下次再使用本系统！
