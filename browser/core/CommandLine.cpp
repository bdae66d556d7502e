#include "CommandLine.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

namespace command_line {

QString usage()
{
    return QStringLiteral("Utilisation : tavrello [--depuis-le-menu] [ADRESSE]");
}

std::optional<Start> parse(const QStringList& arguments)
{
    QCommandLineParser parser;
    // Set by the Exec line of packaging/tavrello.desktop.
    const QCommandLineOption fromMenu(QStringLiteral("depuis-le-menu"));
    parser.addOption(fromMenu);
    if (!parser.parse(arguments) || parser.positionalArguments().size() > 1)
        return std::nullopt;
    Start start;
    if (parser.isSet(fromMenu))
        start.startedFrom = ProgramFolder::StartedFrom::DesktopEntry;
    if (!parser.positionalArguments().isEmpty())
        start.address = parser.positionalArguments().constFirst();
    return start;
}

}  // namespace command_line
