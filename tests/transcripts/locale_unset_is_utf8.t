# No locale variable at all: UTF-8 text.
locale raw
--- stdin
0
--- stdout
{menu}欢迎下次再使用本系统！
