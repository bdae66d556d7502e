#pragma once

#include "DataFiles.h"

#include <QIODevice>
#include <QString>
#include <QStringList>

// One of the browser's plain text data files: Windows-1252 on disk, lines ending
// in CR LF (a lone LF or CR is accepted when reading). Every call opens, uses and
// closes the file; nothing stays open between calls. Only a plain file is
// opened (PlainFile.h).
class DataFile {
public:
    // Far beyond any address: a longer line is taken cut at this length, and
    // the reading stops there.
    static constexpr qsizetype maxLineBytes = 64 * 1024;

    explicit DataFile(QString path);

    const QString& path() const { return m_path; }

    // First line, or an empty text when the file is missing, empty, unreadable
    // or not a plain file.
    QString readFirstLine() const;
    // Lines 0 to maxLines - 1, stopping quietly at the end of the file.
    QStringList readLines(int maxLines = data_files::listLimit) const;

    // Makes the line and CR LF the file's whole content, through a temporary
    // file beside it (WholeFile.h): a failure keeps what the file held, except
    // in a folder that cannot take a temporary file, where the file is written
    // in place.
    bool replaceWithLine(const QString& line);
    // Creates a missing file, then writes each line and CR LF at its end.
    bool appendLines(const QStringList& lines);

    // Why the last write failed, in French, to follow a colon.
    const QString& errorString() const { return m_error; }

private:
    bool fail(int errorNumber, const QString& systemText);

    QString m_path;
    QString m_error;
};
