#include "DataFile.h"

#include "Windows1252.h"
#include "FailureReasons.h"
#include "PlainFile.h"
#include "WholeFile.h"

#include <QFile>

#include <cerrno>

namespace {

// Splits a byte stream into lines at CR LF, lone CR or lone LF, reading the
// file in blocks so that a long file is never loaded whole. A line that
// reaches the length bound is the last one.
class LineReader {
public:
    explicit LineReader(QFile& file) : m_file(file) {}

    bool next(QByteArray& line)
    {
        line.clear();
        if (m_cut)
            return false;
        for (;;) {
            if (line.size() >= DataFile::maxLineBytes) {
                line.truncate(DataFile::maxLineBytes);
                m_cut = true;
                return true;
            }
            if (m_pos >= m_buffer.size() && !fill()) {
                // A last line without its line end still counts.
                const bool last = m_pendingText;
                m_pendingText = false;
                return last;
            }
            m_pendingText = true;
            const char* data = m_buffer.constData();
            const qsizetype end = m_buffer.size();
            qsizetype i = m_pos;
            while (i < end && data[i] != '\r' && data[i] != '\n')
                ++i;
            line.append(data + m_pos, i - m_pos);
            if (i == end) {
                m_pos = end;
                continue;
            }
            m_pos = i + 1;
            if (data[i] == '\r')
                skipLineFeed();
            m_pendingText = false;
            return true;
        }
    }

private:
    bool fill()
    {
        m_buffer = m_file.read(64 * 1024);
        m_pos = 0;
        return !m_buffer.isEmpty();
    }

    void skipLineFeed()
    {
        if (m_pos >= m_buffer.size() && !fill())
            return;
        if (m_buffer.at(m_pos) == '\n')
            ++m_pos;
    }

    QFile& m_file;
    QByteArray m_buffer;
    qsizetype m_pos = 0;
    bool m_pendingText = false;  // characters read since the last line end
    bool m_cut = false;
};

QByteArray bytesOf(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += windows1252::encode(line);
        bytes += "\r\n";
    }
    return bytes;
}

bool openForReading(QFile& file)
{
    // A folder, a pipe or a device in place of the file reads as a missing file.
    if (plain_file::isOtherKind(file.fileName()))
        return false;
    return file.open(QIODevice::ReadOnly);
}

}  // namespace

DataFile::DataFile(QString path) : m_path(std::move(path)) {}

QString DataFile::readFirstLine() const
{
    const QStringList lines = readLines(1);
    return lines.isEmpty() ? QString() : lines.first();
}

QStringList DataFile::readLines(int maxLines) const
{
    QStringList lines;
    QFile file(m_path);
    if (!openForReading(file))
        return lines;
    LineReader reader(file);
    QByteArray line;
    while (lines.size() < maxLines && reader.next(line))
        lines.append(windows1252::decode(line));
    return lines;
}

bool DataFile::replaceWithLine(const QString& line)
{
    m_error.clear();
    const whole_file::Outcome outcome = whole_file::write(m_path, bytesOf({line}), whole_file::Fallback::DirectWrite);
    return outcome.error == QFileDevice::NoError || fail(outcome.errorNumber, outcome.systemText);
}

bool DataFile::appendLines(const QStringList& lines)
{
    m_error.clear();
    if (plain_file::isOtherKind(m_path))
        return fail(0, {});
    const QByteArray bytes = bytesOf(lines);
    QFile file(m_path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append) || file.write(bytes) != bytes.size() || !file.flush())
        return fail(errno, file.errorString());
    file.close();
    if (file.error() != QFileDevice::NoError)
        return fail(errno, file.errorString());
    return true;
}

bool DataFile::fail(int errorNumber, const QString& systemText)
{
    m_error = failure_reasons::ofWrite(m_path, errorNumber, systemText);
    return false;
}
