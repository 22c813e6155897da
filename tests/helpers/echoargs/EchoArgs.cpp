// Records how it was started: writes its command line and its current folder,
// one per line, to the file named by the environment variable ECHOARGS_OUT
// (else EchoArgs.out beside the program).
#include <windows.h>
#include <stdio.h>

int main()
{
    char out[MAX_PATH] = "";
    if (GetEnvironmentVariableA("ECHOARGS_OUT", out, MAX_PATH) == 0 || out[0] == '\0')
    {
        GetModuleFileNameA(nullptr, out, MAX_PATH);
        char* slash = strrchr(out, '\\');
        if (slash != nullptr)
            lstrcpynA(slash + 1, "EchoArgs.out", (int)(MAX_PATH - (slash + 1 - out)));
    }
    char folder[MAX_PATH] = "";
    GetCurrentDirectoryA(MAX_PATH, folder);
    FILE* f = fopen(out, "wb");
    if (f == nullptr)
        return 1;
    fprintf(f, "%s\r\n%s\r\n", GetCommandLineA(), folder);
    fclose(f);
    return 0;
}
