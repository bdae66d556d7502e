#include "WholeFile.h"

#include "PlainFile.h"

#include <QSaveFile>

#include <cerrno>

namespace whole_file {

Outcome write(const QString& path, const QByteArray& bytes, Fallback fallback)
{
    // QSaveFile would write into a device or a pipe in place, and opening a
    // pipe waits for a reader.
    if (plain_file::isOtherKind(path))
        return {QFileDevice::OpenError, 0, {}};
    QSaveFile file(path);
    file.setDirectWriteFallback(fallback == Fallback::DirectWrite);
    Outcome outcome;
    auto fail = [&](QFileDevice::FileError error) { outcome = {error, errno, file.errorString()}; };
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) {
        fail(file.error());
    } else if (file.write(bytes) != bytes.size() || !file.flush()) {
        // A write cut short (a full disk, a file size limit) raises no error
        // of its own, and commit() would not see one in its last buffer: the
        // temporary file is dropped.
        fail(QFileDevice::WriteError);
        file.cancelWriting();
        file.commit();
    } else if (!file.commit()) {
        fail(file.error());
    }
    return outcome;
}

}  // namespace whole_file
