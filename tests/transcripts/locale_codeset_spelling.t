# The codeset is compared ignoring case, '-' and '_', up to any '@':
# "Euc_Cn@stroke" names EUC-CN and gives GBK text.
locale raw
env LANG=zh_CN.Euc_Cn@stroke
expect gbk
--- stdin
0
--- stdout
{menu}欢迎下次再使用本系统！
