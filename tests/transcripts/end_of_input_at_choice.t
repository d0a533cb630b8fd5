# Input ends while a choice is read (only blanks and line breaks left): the
# farewell line follows the prompt, status 0.
--- stdin
1

\s\s
\s\
--- stdout
{menu}线性表data0.dat创建成功！
线性表data1.dat创建成功！
线性表data2.dat创建成功！
{menu}欢迎下次再使用本系统！
