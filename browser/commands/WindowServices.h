#pragma once

class BrowserComponent;
class FileDialog;
class MainWindow;
class MessageBox;
class ProgramFolder;
struct Variables;

// What the menu commands act on: built once for the main window before any
// command is bound, and alive as long as the window. Each group of commands
// is bound by a free function bind...(MenuBar&, WindowServices&).
struct WindowServices {
    MainWindow& window;           // f_exe
    Variables& variables;         // the four shared addresses
    BrowserComponent& wb1;        // the page view
    const ProgramFolder& folder;  // where the data files live
    MessageBox& messages;         // modal messages
    FileDialog& cd1;              // the one file dialog, kept for the life of the process
};
