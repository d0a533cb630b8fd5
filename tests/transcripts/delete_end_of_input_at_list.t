# Input ends where command 11 reads the list number: the farewell line
# right after the prompt, status 0.
--- stdin
11
--- stdout
{menu}请输入要删除的链序号和在该链中的位置欢迎下次再使用本系统！
