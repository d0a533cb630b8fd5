# An empty LC_ALL counts as unset: LC_CTYPE's GB18030 codeset gives GBK text.
locale raw
env LC_ALL=
env LC_CTYPE=zh_CN.GB18030
env LANG=C.UTF-8
expect gbk
--- stdin
0
--- stdout
{menu}欢迎下次再使用本系统！
