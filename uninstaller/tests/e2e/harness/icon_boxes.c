/*
 * icon_boxes: shows one message box for each icon the dialog harness tells apart, each
 * captioned with the name the harness should report, so that the harness can be
 * checked against boxes whose icons are known.
 */
#include <windows.h>

int main(void)
{
    static const struct {
        const char* name;
        UINT flags;
    } boxes[] = {
        {"none", MB_OK},
        {"error", MB_OK | MB_ICONHAND},
        {"question", MB_YESNO | MB_ICONQUESTION},
        {"exclamation", MB_OK | MB_ICONEXCLAMATION},
        {"information", MB_OK | MB_ICONASTERISK},
        {"error", MB_OK | MB_ICONHAND | MB_TASKMODAL},
    };
    for (size_t i = 0; i < sizeof boxes / sizeof boxes[0]; ++i)
        MessageBoxA(NULL, "icon check", boxes[i].name, boxes[i].flags);
    return 0;
}
