#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <csignal>
#include <functional>
#include <sys/resource.h>
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
