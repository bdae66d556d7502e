#pragma once

// Resource IDs of uninstal.exe: the one place they are written. Shared by the resource
// script, the portable core, the adapters and their tests; plain numbers only.

// The program's manifest: the one the loader reads for a program (CREATEPROCESS_MANIFEST_RESOURCE_ID).
#define IDR_MANIFEST 1

// Progress dialog template and its controls.
#define IDD_PROGRESS_NAME "DIALOG_1"
#define IDC_PROGRESS_BAR 100
#define IDC_STATUS_LINE 102

// Private message of the progress dialog: wParam is the bar's new position.
#define WM_PROGRESS_SETPOS (0x0400 + 100)

// String resources.
#define IDS_MESSAGES_SECTION 65425
#define IDS_LOG_MISSING_FRENCH 65455
#define IDS_LOG_MISSING_ENGLISH 65424
