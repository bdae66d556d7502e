/*
 * dialog_harness: starts a program and plays the user in front of its dialogs.
 *
 *   dialog_harness.exe TRANSCRIPT TIMEOUT_MS ANSWERS PROGRAM [ARGUMENT...]
 *
 * ANSWERS lists the button to press in each message box, in the order the boxes
 * appear, as comma-separated control ids (6 Yes, 7 No, 1 OK), or "-" for none.
 * An id may carry a pause before the press, in milliseconds: 6@1500.
 * ANSWERS "watch" leaves every window alone: the harness only looks on, as it
 * does for uninstal.exe, until the program ends (for a benchmark's other programs).
 * While waiting it also watches the program's progress window (a dialog holding
 * a status text 102 and a progress bar 100) and notes every status text shown.
 *
 * The transcript (one event a line, ANSI text, CR/LF inside texts written as
 * \r and \n) reads:
 *   progress caption=<caption>
 *   status <text>
 *   position <n>                  (only when the progress bar answers)
 *   dialog caption=<caption> text=<text> buttons=<ids> icon=<icon>
 *                                 (icon: none, error, question, exclamation or
 *                                  information, told apart by what the box draws;
 *                                  unknown when it matches none of them)
 *   answer <id>
 *   time <ms>                     (after each status, dialog and answer: when it was
 *                                  seen or done, in ms since the start, read from the
 *                                  performance counter: GetTickCount moves in 16 ms
 *                                  steps under Wine)
 *   unexpected dialog             (a box beyond ANSWERS; it gets OK)
 *   killed                        (the program was ended at DIALOG_HARNESS_KILL_AT)
 *   timeout                       (nothing new for TIMEOUT_MS)
 *   exit <code>
 *
 * DIALOG_HARNESS_POLL_MS in the environment sets how often the windows are looked
 * at (15 ms unless told): a benchmark asks for 1 to see a box the moment it shows.
 * DIALOG_HARNESS_KILL_AT=<text> ends the program the moment its progress window
 * first shows that status text, as a user ending the task or a power cut would.
 * DIALOG_HARNESS_HOLD=<path> keeps that file open, shared for reading only, from
 * before the program starts until it ends, as another program holding it would.
 *
 * Exit code: 0 when every answer was used and the program ended, 2 on a
 * timeout (the program is then terminated), 3 when the program ended before
 * all answers were used, 4 after an unexpected dialog, 5 on bad usage.
 */
#include <windows.h>
#include <commctrl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#define MAX_ANSWERS 16
#define STATIC_TEXT_ID 0xFFFF
#define MSGBOX_ICON_ID 0x0440
#define STATUS_ID 102
#define BAR_ID 100
#define POLL_MS 15
/* How long a box may take to draw its icon before it is judged. */
#define ICON_WAIT_MS 2000

static FILE* transcript;

struct found_windows {
    HWND progress;
    HWND box;
    const HWND* answered;
    int answered_count;
};

static void write_escaped(const char* text)
{
    for (const char* p = text; *p; ++p) {
        if (*p == '\r')
            fputs("\\r", transcript);
        else if (*p == '\n')
            fputs("\\n", transcript);
        else if (*p == '\\')
            fputs("\\\\", transcript);
        else
            fputc(*p, transcript);
    }
}

static void note(const char* label, const char* text)
{
    fputs(label, transcript);
    if (text)
        write_escaped(text);
    fputs("\r\n", transcript);
    fflush(transcript);
}

static void consider(HWND window, struct found_windows* found)
{
    if (!IsWindowVisible(window))
        return;
    if (GetDlgItem(window, STATUS_ID) && GetDlgItem(window, BAR_ID))
        found->progress = window;
    else if (GetDlgItem(window, STATIC_TEXT_ID)) {
        /* A box just answered may linger for a moment while it closes. */
        for (int i = 0; i < found->answered_count; ++i)
            if (found->answered[i] == window)
                return;
        found->box = window;
    }
}

/* Only dialogs matter: asking for their class alone keeps a look cheap, which counts
 * when a benchmark looks every millisecond beside the program it times. */
static void collect(struct found_windows* found)
{
    for (HWND window = FindWindowExA(NULL, NULL, "#32770", NULL); window;
         window = FindWindowExA(NULL, window, "#32770", NULL))
        consider(window, found);
}

static LARGE_INTEGER counter_frequency, counter_start;

static DWORD elapsed_ms(void)
{
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return (DWORD)((now.QuadPart - counter_start.QuadPart) * 1000 / counter_frequency.QuadPart);
}

struct standard_icon {
    const char* name;
    LPCSTR id;
};

static const struct standard_icon standard_icons[] = {
    {"error", IDI_HAND},
    {"question", IDI_QUESTION},
    {"exclamation", IDI_EXCLAMATION},
    {"information", IDI_ASTERISK},
};

/* A width x height 32-bit picture selected into its own memory DC. */
struct picture {
    HDC dc;
    HBITMAP bitmap, old;
    DWORD* pixels;
};

static int picture_open(struct picture* pic, HDC like, int width, int height)
{
    BITMAPINFO info;
    ZeroMemory(&info, sizeof info);
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    pic->dc = CreateCompatibleDC(like);
    pic->bitmap = CreateDIBSection(like, &info, DIB_RGB_COLORS, (void**)&pic->pixels, NULL, 0);
    if (!pic->dc || !pic->bitmap) {
        if (pic->dc)
            DeleteDC(pic->dc);
        if (pic->bitmap)
            DeleteObject(pic->bitmap);
        return 0;
    }
    pic->old = SelectObject(pic->dc, pic->bitmap);
    return 1;
}

static void picture_close(struct picture* pic)
{
    SelectObject(pic->dc, pic->old);
    DeleteObject(pic->bitmap);
    DeleteDC(pic->dc);
}

static void draw_on(struct picture* pic, int width, int height, COLORREF background, HICON icon)
{
    RECT all = {0, 0, width, height};
    HBRUSH brush = CreateSolidBrush(background);
    FillRect(pic->dc, &all, brush);
    DeleteObject(brush);
    DrawIconEx(pic->dc, 0, 0, icon, 0, 0, 0, NULL, DI_NORMAL);
    GdiFlush();
}

/* Share of the icon's opaque pixels (those that come out alike on black and on white)
 * that differ on the screen, in thousandths; 1000 when the icon has none. */
static int mismatch(const DWORD* screen, HDC like, int width, int height, HICON icon)
{
    struct picture black, white;
    int opaque = 0, differing = 0;
    if (!picture_open(&black, like, width, height))
        return 1000;
    if (!picture_open(&white, like, width, height)) {
        picture_close(&black);
        return 1000;
    }
    draw_on(&black, width, height, RGB(0, 0, 0), icon);
    draw_on(&white, width, height, RGB(255, 255, 255), icon);
    for (int i = 0; i < width * height; ++i) {
        if ((black.pixels[i] & 0xFFFFFF) != (white.pixels[i] & 0xFFFFFF))
            continue;
        ++opaque;
        if ((black.pixels[i] & 0xFFFFFF) != (screen[i] & 0xFFFFFF))
            ++differing;
    }
    picture_close(&white);
    picture_close(&black);
    return opaque ? differing * 1000 / opaque : 1000;
}

/* Which standard icon the box shows, judged from the screen: the box belongs to
 * another process, so its icon handle means nothing here. */
static const char* icon_shown(HWND box)
{
    DWORD_PTR handle = 0;
    HWND control = GetDlgItem(box, MSGBOX_ICON_ID);
    /* The box runs its own message loop, so it answers a sent message. */
    if (!control || !IsWindowVisible(control) ||
        !SendMessageTimeoutA(control, STM_GETICON, 0, 0, SMTO_ABORTIFHUNG, 1000, &handle) || !handle)
        return "none";
    RECT rect;
    GetWindowRect(control, &rect);
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0)
        return "unknown";
    HDC screen = GetDC(NULL);
    struct picture shot;
    const char* name = "unknown";
    if (!picture_open(&shot, screen, width, height)) {
        ReleaseDC(NULL, screen);
        return name;
    }
    /* Until the box has drawn itself the screen may still show what lay below. */
    for (DWORD waited = 0; waited < ICON_WAIT_MS && strcmp(name, "unknown") == 0; waited += POLL_MS) {
        UpdateWindow(box);
        BitBlt(shot.dc, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
        GdiFlush();
        int best = 1000;
        for (size_t i = 0; i < sizeof standard_icons / sizeof standard_icons[0]; ++i) {
            const int off = mismatch(shot.pixels, screen, width, height, LoadIconA(NULL, standard_icons[i].id));
            if (off < best) {
                best = off;
                if (off <= 20)
                    name = standard_icons[i].name;
            }
        }
        if (strcmp(name, "unknown") == 0)
            Sleep(POLL_MS);
    }
    picture_close(&shot);
    ReleaseDC(NULL, screen);
    return name;
}

static void record_box(HWND box)
{
    static const int ids[] = {IDOK, IDCANCEL, IDABORT, IDRETRY, IDIGNORE, IDYES, IDNO};
    char caption[512], text[4096], buttons[64] = "";
    GetWindowTextA(box, caption, sizeof caption);
    GetWindowTextA(GetDlgItem(box, STATIC_TEXT_ID), text, sizeof text);
    for (size_t i = 0; i < sizeof ids / sizeof ids[0]; ++i) {
        HWND button = GetDlgItem(box, ids[i]);
        if (button && IsWindowVisible(button)) {
            char id[8];
            snprintf(id, sizeof id, "%s%d", buttons[0] ? "," : "", ids[i]);
            strcat(buttons, id);
        }
    }
    fputs("dialog caption=", transcript);
    write_escaped(caption);
    fputs(" text=", transcript);
    write_escaped(text);
    fprintf(transcript, " buttons=%s icon=%s\r\n", buttons, icon_shown(box));
    fflush(transcript);
}

/* The program's only thread runs no message loop while its progress window is up,
 * so a sent message may never be answered: ask once, briefly, and give up. */
static void note_time(DWORD when)
{
    fprintf(transcript, "time %lu\r\n", (unsigned long)when);
    fflush(transcript);
}

/* Set when the status text named by DIALOG_HARNESS_KILL_AT shows. */
static char kill_at[512];
static int kill_now;

static int record_progress(HWND window, HWND* seen, char* last_caption, char* last_status, int* bar_answers,
                           int* last_pos, DWORD elapsed)
{
    char text[512];
    int changed = 0;
    if (window != *seen) {
        *seen = window;
        *bar_answers = 1;
        *last_pos = -1;
        last_status[0] = '\0';
        last_caption[0] = '\0';
    }
    GetWindowTextA(window, text, sizeof text);
    if (strcmp(text, last_caption) != 0) {
        strcpy(last_caption, text);
        note("progress caption=", text);
        changed = 1;
    }
    /* GetWindowTextA reads another process's control without sending it anything. */
    GetWindowTextA(GetDlgItem(window, STATUS_ID), text, sizeof text);
    if (strcmp(text, last_status) != 0) {
        strcpy(last_status, text);
        note("status ", text);
        note_time(elapsed);
        changed = 1;
        if (kill_at[0] && strcmp(text, kill_at) == 0)
            kill_now = 1;
    }
    if (*bar_answers) {
        DWORD_PTR pos = 0;
        if (SendMessageTimeoutA(GetDlgItem(window, BAR_ID), PBM_GETPOS, 0, 0, SMTO_ABORTIFHUNG, 50, &pos)) {
            if ((int)pos != *last_pos) {
                *last_pos = (int)pos;
                changed = 1;
                fprintf(transcript, "position %d\r\n", (int)pos);
                fflush(transcript);
            }
        } else {
            *bar_answers = 0;
        }
    }
    return changed;
}

static int parse_answers(const char* list, int* answers, DWORD* pauses)
{
    int count = 0;
    if (strcmp(list, "-") == 0)
        return 0;
    for (const char* p = list; *p && count < MAX_ANSWERS;) {
        char* end;
        long id = strtol(p, &end, 10);
        if (end == p || id <= 0)
            return -1;
        pauses[count] = 0;
        if (*end == '@') {
            const char* digits = end + 1;
            pauses[count] = (DWORD)strtoul(digits, &end, 10);
            if (end == digits)
                return -1;
        }
        answers[count++] = (int)id;
        if (*end && *end != ',')
            return -1;
        p = *end == ',' ? end + 1 : end;
    }
    return count;
}

static void append_quoted(char* line, size_t size, const char* arg)
{
    size_t len = strlen(line);
    int quote = strchr(arg, ' ') != NULL || arg[0] == '\0';
    snprintf(line + len, size - len, "%s%s%s%s", len ? " " : "", quote ? "\"" : "", arg, quote ? "\"" : "");
}

int main(int argc, char** argv)
{
    int answers[MAX_ANSWERS];
    DWORD pauses[MAX_ANSWERS];
    if (argc < 5) {
        fprintf(stderr, "usage: %s TRANSCRIPT TIMEOUT_MS ANSWERS PROGRAM [ARGUMENT...]\n", argv[0]);
        return 5;
    }
    const int watch = strcmp(argv[3], "watch") == 0;
    int answer_count = watch ? 0 : parse_answers(argv[3], answers, pauses);
    DWORD timeout = (DWORD)strtoul(argv[2], NULL, 10);
    transcript = fopen(argv[1], "wb");
    if (answer_count < 0 || timeout == 0 || !transcript) {
        fprintf(stderr, "dialog_harness: bad answers, timeout or transcript path\n");
        return 5;
    }

    const DWORD kill_length = GetEnvironmentVariableA("DIALOG_HARNESS_KILL_AT", kill_at, sizeof kill_at);
    if (kill_length >= sizeof kill_at)
        kill_at[0] = '\0';
    char hold_path[MAX_PATH];
    HANDLE held = INVALID_HANDLE_VALUE;
    const DWORD hold_length = GetEnvironmentVariableA("DIALOG_HARNESS_HOLD", hold_path, sizeof hold_path);
    if (hold_length > 0 && hold_length < sizeof hold_path) {
        held = CreateFileA(hold_path, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
        if (held == INVALID_HANDLE_VALUE) {
            fprintf(transcript, "cannot hold %s (error %lu)\r\n", hold_path, GetLastError());
            fclose(transcript);
            return 5;
        }
    }

    char command[4096] = "";
    for (int i = 4; i < argc; ++i)
        append_quoted(command, sizeof command, argv[i]);
    STARTUPINFOA startup;
    ZeroMemory(&startup, sizeof startup);
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process;
    if (!CreateProcessA(NULL, command, NULL, NULL, FALSE, 0, NULL, NULL, &startup, &process)) {
        fprintf(transcript, "cannot start %s (error %lu)\r\n", command, GetLastError());
        fclose(transcript);
        return 5;
    }

    int used = 0, unexpected = 0, bar_answers = 0, last_pos = -1;
    HWND answered[MAX_ANSWERS], progress_seen = NULL;
    int answered_count = 0;
    char last_caption[512] = "", last_status[512] = "";
    char poll_text[16];
    const DWORD poll_length = GetEnvironmentVariableA("DIALOG_HARNESS_POLL_MS", poll_text, sizeof poll_text);
    const unsigned long asked = poll_length > 0 && poll_length < sizeof poll_text ? strtoul(poll_text, NULL, 10) : 0;
    const DWORD poll = asked > 0 ? (DWORD)asked : POLL_MS;
    QueryPerformanceFrequency(&counter_frequency);
    QueryPerformanceCounter(&counter_start);
    DWORD last_event = 0;
    for (;;) {
        if (WaitForSingleObject(process.hProcess, poll) == WAIT_OBJECT_0)
            break;
        struct found_windows found = {NULL, NULL, answered, answered_count};
        collect(&found);
        const DWORD seen = elapsed_ms();
        if (found.progress &&
            record_progress(found.progress, &progress_seen, last_caption, last_status, &bar_answers, &last_pos, seen))
            last_event = seen;
        if (kill_now) {
            TerminateProcess(process.hProcess, 99);
            WaitForSingleObject(process.hProcess, INFINITE);
            note("killed", NULL);
            break;
        }
        if (found.box && !watch && answered_count < MAX_ANSWERS) {
            record_box(found.box);
            note_time(seen);
            int id = IDOK;
            if (used < answer_count) {
                Sleep(pauses[used]);
                id = answers[used++];
            } else {
                unexpected = 1;
                note("unexpected dialog", NULL);
            }
            fprintf(transcript, "answer %d\r\n", id);
            /* Read before the press: the program may run at once and this thread wait
             * its turn, which would make a timed interval look shorter than it was. */
            const DWORD pressed = elapsed_ms();
            PostMessageA(found.box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
            note_time(pressed);
            answered[answered_count++] = found.box;
            last_event = pressed;
            continue;
        }
        if (elapsed_ms() - last_event > timeout) {
            note("timeout", NULL);
            TerminateProcess(process.hProcess, 99);
            fclose(transcript);
            return 2;
        }
    }

    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    fprintf(transcript, "exit %lu\r\n", code);
    fclose(transcript);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    if (held != INVALID_HANDLE_VALUE)
        CloseHandle(held);
    if (unexpected)
        return 4;
    return used < answer_count ? 3 : 0;
}
