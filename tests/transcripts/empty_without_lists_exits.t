# Command 4 before any list exists ends the program with status 254 and
# writes nothing for it.
--- stdin
4

5

0
--- stdout
{menu}\
--- status 254
