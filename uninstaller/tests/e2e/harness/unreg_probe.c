/*
 * unreg_probe.dll: a self-registering library whose unregistration entry only
 * counts its calls, under HKEY_CURRENT_USER\Software\UninstE2E\Unregistered,
 * in a DWORD value named by the library's own file name.
 */
#include <windows.h>
#include <string.h>

static HMODULE self;

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved)
{
    (void)reserved;
    if (reason == DLL_PROCESS_ATTACH)
        self = instance;
    return TRUE;
}

__declspec(dllexport) HRESULT WINAPI DllUnregisterServer(void)
{
    char path[MAX_PATH];
    DWORD len = GetModuleFileNameA(self, path, sizeof path);
    if (len == 0 || len >= sizeof path)
        return E_FAIL;
    const char* name = strrchr(path, '\\') ? strrchr(path, '\\') + 1 : path;

    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\UninstE2E\\Unregistered", 0, NULL, 0, KEY_ALL_ACCESS, NULL, &key,
                        NULL) != ERROR_SUCCESS)
        return E_FAIL;
    DWORD calls = 0, size = sizeof calls, type = 0;
    if (RegQueryValueExA(key, name, NULL, &type, (BYTE*)&calls, &size) != ERROR_SUCCESS || type != REG_DWORD)
        calls = 0;
    ++calls;
    LONG result = RegSetValueExA(key, name, 0, REG_DWORD, (const BYTE*)&calls, sizeof calls);
    RegCloseKey(key);
    return result == ERROR_SUCCESS ? S_OK : E_FAIL;
}
