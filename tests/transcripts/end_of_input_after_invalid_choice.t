# Input ends while the rest of an invalid choice is dropped: the input has
# ended, so no menu is drawn again; the farewell line, status 0.
--- stdin
abc\
--- stdout
{menu}欢迎下次再使用本系统！
