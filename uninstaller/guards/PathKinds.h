#pragma once

#include <string_view>

namespace uninst {

// What a path from the log points at, as far as the uninstaller may act on it.
enum class PathKind {
    FullLocal,  // a drive letter, ":" and a separator, then plain names ("C:\...")
    Network,    // "\\server\share\..." or "//...": touching it reaches another machine
    Device,     // "\\.\", "\\?\", "\??\" or a device name (CON, NUL, COM1...) in it
    NotFull,    // anything else: relative, a drive without a separator, a stream
};

// The kind of a path named in [Files], [Folders], [Icons] or [ActiveX]. Only a full local
// path is ever deleted, removed, loaded or unregistered: a network path would hand the
// user's credentials to its server (and load its code), a device path reaches a device,
// and any other path depends on the current folder.
PathKind KindOfPath(std::string_view path);

}  // namespace uninst
