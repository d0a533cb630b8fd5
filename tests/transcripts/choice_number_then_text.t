# "12abc" reads the choice 12 and leaves "abc": command 12 runs (no lists
# yet), the pause takes "a" and "b", and "c" is an invalid choice that
# redraws the menu.
--- stdin
12abc
0
--- stdout
{menu}
\x2d-------all elements of data0.dat-----------
线性表data0.dat不存在！

\x2d----------------- end ------------------------

\x2d-------all elements of data1.dat-----------
线性表data1.dat不存在！

\x2d----------------- end ------------------------

\x2d-------all elements of data2.dat-----------
线性表data2.dat不存在！

\x2d----------------- end ------------------------
{menu}{menu}欢迎下次再使用本系统！
