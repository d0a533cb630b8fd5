# Command 3 before any list exists ends the program with status -2 (254)
# and writes nothing for it; a data file already there is left untouched.
setup data0.dat hex 05 00 00 00 00 00 00 00
--- stdin
3

5

0
--- stdout
{menu}\
--- status 254
--- file data0.dat
05 00 00 00 00 00 00 00
