/*
 * planted.exe: what a hostile user leaves where the uninstaller might start it. When
 * started it only notes its command line in C:\e2e\planted-ran.txt.
 */
#include <windows.h>
#include <string.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR arguments, int show)
{
    (void)instance;
    (void)previous;
    (void)arguments;
    (void)show;
    const char* line = GetCommandLineA();
    HANDLE file = CreateFileA("C:\\e2e\\planted-ran.txt", GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return 1;
    DWORD written = 0;
    WriteFile(file, line, (DWORD)strlen(line), &written, NULL);
    CloseHandle(file);
    return 0;
}
