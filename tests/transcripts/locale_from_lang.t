# With only LANG set, its codeset decides: zh_CN.GBK gives GBK text.
locale raw
env LANG=zh_CN.GBK
expect gbk
--- stdin
0
--- stdout
{menu}欢迎下次再使用本系统！
