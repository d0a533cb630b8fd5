# Input ends where command 7 reads the value (after blanks): the farewell
# line right after the prompt, status 0.
--- stdin
7
\s\s\
--- stdout
{menu}请输入要查找的数据元素值:欢迎下次再使用本系统！
