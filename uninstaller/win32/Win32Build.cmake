# Placeholder until the Win32 build lands from the uninst-win32 branch.
