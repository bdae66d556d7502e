#pragma once

#include <QString>

// Why a file could not be written, as a French clause to follow a colon:
// the common causes in the user's words, the system's own text for the rest.
namespace write_failure {

// errorNumber is the C library's error code of the failed call (0 when unknown);
// the path is looked at as it is now, after the failure.
QString reason(const QString& path, int errorNumber, const QString& systemText);

}  // namespace write_failure
