#pragma once

#include <QFileDevice>
#include <QNetworkReply>
#include <QString>

#include <chrono>

// Why a file could not be written or a page or file not downloaded, as French
// clauses to follow a colon: the common causes in the user's words, the
// system's own text for the rest. The data files, the saved page, the page
// fetcher, the page view's error pages and the downloads all take their
// reasons from here, so that one cause reads the same everywhere.
namespace failure_reasons {

QString folderInTheWay();
QString folderMissing(const QString& folder);
QString accessDenied();
QString diskFull();
QString fileTooLarge();
QString notAPlainFile();

// A data file: errorNumber is the C library's error code of the failed call
// (0 when unknown); the path is looked at as it is now, after the failure.
QString ofWrite(const QString& path, int errorNumber, const QString& systemText);
// A file replaced whole through a temporary file beside it.
QString ofSave(const QString& path, QFileDevice::FileError error);
// A page fetched afresh that brought no answer (an error page is an answer).
QString ofFetch(QNetworkReply::NetworkError error);
// A page fetched afresh that had not come whole when its time was up.
QString fetchUnfinished(std::chrono::milliseconds deadline);
// A page the engine could not load, by the engine's network error code; its
// own (English) text only for the rare ones.
QString ofPageLoad(int errorCode, const QString& engineText);

// How the process that drew a page ended, when not normally.
enum class RendererEnd { Crashed, Killed, Other };
QString ofRendererEnd(RendererEnd end);

// What the engine may stop a download for, as its own codes do not reach here.
enum class DownloadStop {
    FileAccess,
    DiskFull,
    NameTooLong,
    FileTooLarge,
    FileNotWritten,
    ConnectionCut,
    ServerSilent,
    ServerUnreachable,
    ServerForbids,
    NotOnServer,
    Other
};
QString ofDownload(DownloadStop stop);

// The sentence for a data file that could not be written.
QString cannotSave(const QString& path, const QString& reason);

}  // namespace failure_reasons
