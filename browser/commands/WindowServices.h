#pragma once

#include <functional>
#include <memory>

class BrowserComponent;
class FileDialog;
class InputBox;
class MainWindow;
class MessageBox;
class PageFetcher;
class ProgramFolder;
struct Variables;

// What the menu commands act on: built once for the main window before any
// command is bound, and alive as long as the window. Each group of commands
// is bound by a free function bind...(MenuBar&, WindowServices&).
struct WindowServices {
    using FileDialogFactory = std::function<std::unique_ptr<FileDialog>()>;

    MainWindow& window;           // f_exe
    Variables& variables;         // the four shared addresses
    BrowserComponent& wb1;        // the page view
    const ProgramFolder& folder;  // where the data files live
    MessageBox& messages;         // modal messages
    FileDialog& cd1;              // the main window's file dialog, shared by Save and Open for the life of the process
    FileDialogFactory makeFileDialog;  // each preferred-address dialog has a file dialog of its own
    InputBox& input;                   // asks for the words of a search and the path of a skin
    PageFetcher& inet1;                // downloads a page afresh for the source viewer and Save
};
