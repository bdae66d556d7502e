// A library that loads but has no DllUnregisterServer entry.
#include <windows.h>

extern "C" HRESULT WINAPI DllRegisterServer()
{
    return S_OK;
}
