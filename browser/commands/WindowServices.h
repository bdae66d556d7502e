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
class SecondaryWindows;
struct Variables;

// What the menu commands act on: built once for the main window before any
// command is bound, and alive as long as the window. Each entry's handler,
// in the table of its menu, is given these.
struct WindowServices {
    using FileDialogFactory = std::function<std::unique_ptr<FileDialog>()>;

    MainWindow& window;                // f_exe
    Variables& variables;              // the four shared addresses
    BrowserComponent& pageView;        // wb1, the page the window shows
    const ProgramFolder& folder;       // where the data files live
    MessageBox& messages;              // modal messages
    FileDialog& fileDialog;            // cd1, shared by Save and Open for the life of the process
    FileDialogFactory makeFileDialog;  // each preferred-address dialog has a file dialog of its own
    InputBox& input;                   // asks for the words of a search and the path of a skin
    PageFetcher& fetcher;              // Inet1: downloads a page afresh for the source viewer and Save
    SecondaryWindows& windows;         // the windows opened from the menus, each at most once
};
