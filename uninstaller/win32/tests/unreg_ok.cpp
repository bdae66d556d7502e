// A self-registering library whose unregistration succeeds and leaves a trace:
// HKEY_CURRENT_USER\Software\UninstalTests, DWORD value "unreg_ok" = 1.
#include <windows.h>

extern "C" HRESULT WINAPI DllUnregisterServer()
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\UninstalTests", 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
        return E_FAIL;
    }
    const DWORD one = 1;
    const LONG status = RegSetValueExA(key, "unreg_ok", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&one), sizeof one);
    RegCloseKey(key);
    return status == ERROR_SUCCESS ? S_OK : E_FAIL;
}
