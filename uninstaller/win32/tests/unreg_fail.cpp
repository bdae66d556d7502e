// A self-registering library whose unregistration fails. It still leaves a trace
// (DWORD "unreg_fail" = 1 under HKEY_CURRENT_USER\Software\UninstalTests) to show it ran.
#include <windows.h>

extern "C" HRESULT WINAPI DllUnregisterServer()
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\UninstalTests", 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                        nullptr) == ERROR_SUCCESS) {
        const DWORD one = 1;
        RegSetValueExA(key, "unreg_fail", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&one), sizeof one);
        RegCloseKey(key);
    }
    return static_cast<HRESULT>(0x80040201L);  // SELFREG_E_CLASS
}
