#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

ProgramFolder::ProgramFolder(QString path, StartedFrom startedFrom)
    : m_path(std::move(path))
    , m_startedFrom(startedFrom)
{}

ProgramFolder ProgramFolder::ofExecutable()
{
    const QFileInfo exe(QCoreApplication::applicationFilePath());
    const QString resolved = exe.canonicalFilePath();
    return ProgramFolder(QFileInfo(resolved.isEmpty() ? exe.absoluteFilePath() : resolved).absolutePath());
}

QString ProgramFolder::filePath(const QString& fileName) const
{
    return QDir(m_path).filePath(fileName);
}
