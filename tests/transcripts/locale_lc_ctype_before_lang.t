# LC_CTYPE goes before LANG: a UTF-8 LC_CTYPE gives UTF-8 text.
locale raw
env LC_CTYPE=C.UTF-8
env LANG=zh_CN.GBK
--- stdin
0
--- stdout
{menu}欢迎下次再使用本系统！
