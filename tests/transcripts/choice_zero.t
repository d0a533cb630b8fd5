# Choice 0 at once: the farewell line right after the prompt, status 0.
--- stdin
0
--- stdout
{menu}欢迎下次再使用本系统！
--- status 0
