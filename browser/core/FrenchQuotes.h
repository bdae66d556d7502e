#pragma once

#include <QString>

// A name or address inside a French sentence, between guillemets.
inline QString quoted(const QString& text)
{
    return QStringLiteral("« %1 »").arg(text);
}
