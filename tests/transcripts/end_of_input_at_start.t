# No input at all: the menu, then the farewell line, status 0.
--- stdin
\
--- stdout
{menu}欢迎下次再使用本系统！
