# Input ends right after the list number of command 6: the farewell line
# right after the prompt, status 0.
--- stdin
6
0\
--- stdout
{menu}请输入要查找的链表序号和在该序号中的位置:欢迎下次再使用本系统！
