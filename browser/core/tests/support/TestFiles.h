#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <atomic>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

// Raw bytes on disk, so that tests check the files' format itself.
inline void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    file.write(bytes);
}

inline QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Runs the action as on a full disk: files stop growing at limit bytes.
inline void withFileSizeLimit(rlim_t limit, const std::function<void()>& action)
{
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    const rlimit small{limit, old.rlim_max};
    setrlimit(RLIMIT_FSIZE, &small);
    action();
    setrlimit(RLIMIT_FSIZE, &old);
}

// Permissions bind everyone but root: as root, the action runs as nobody.
inline void asOrdinaryUser(const std::function<void()>& action)
{
    const bool root = geteuid() == 0;
    if (root && seteuid(65534) != 0)
        qFatal("cannot run as nobody");
    action();
    if (root && seteuid(0) != 0)
        qFatal("cannot run as root again");
}

// A named pipe that counts the programs that open it for reading. Such an
// open waits for a writer: the pipe's own writer comes within 20 ms, counts
// it, and goes, so the reader sees an empty file and a faulty test ends.
class WatchedPipe {
public:
    explicit WatchedPipe(const QString& path) : m_path(path.toLocal8Bit())
    {
        if (mkfifo(m_path.constData(), 0600) != 0)
            qFatal("cannot make the pipe %s", m_path.constData());
        m_writer = std::thread([this] {
            while (!m_stop) {
                // Opens only while a reader has the pipe open.
                if (const int fd = ::open(m_path.constData(), O_WRONLY | O_NONBLOCK); fd >= 0) {
                    ++m_readers;
                    ::close(fd);
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            }
        });
    }
    ~WatchedPipe()
    {
        m_stop = true;
        m_writer.join();
    }
    WatchedPipe(const WatchedPipe&) = delete;
    WatchedPipe& operator=(const WatchedPipe&) = delete;

    int readers() const { return m_readers; }

private:
    QByteArray m_path;
    std::atomic<bool> m_stop = false;
    std::atomic<int> m_readers = 0;
    std::thread m_writer;
};
