#pragma once

#include <QFileInfo>
#include <QString>

// The browser opens plain files only: opening a pipe waits for a writer that
// may never come, a device may be read without end, and a folder or a socket
// holds no text. Links are followed. Checked without opening anything.
namespace plain_file {

// Something other than a plain file is at path; it is then taken for a
// missing file when read, and refused when written.
inline bool isOtherKind(const QString& path)
{
    const QFileInfo file(path);
    return file.exists() && !file.isFile();
}

}  // namespace plain_file
