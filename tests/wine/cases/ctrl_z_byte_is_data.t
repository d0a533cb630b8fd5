# A byte 0x1A in piped input is an ordinary character, not the end of the
# input as a text-mode stream would take it: the pause's second read takes it
# and the program goes on to the next choice, 0.
--- stdin
1
\x1a0
--- stdout
{menu}线性表data0.dat创建成功！
线性表data1.dat创建成功！
线性表data2.dat创建成功！
{menu}欢迎下次再使用本系统！
--- status 0
