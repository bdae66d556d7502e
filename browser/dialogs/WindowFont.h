#pragma once

#include <QFont>

// The secondary windows' own font, the classic small dialog font; the system
// substitutes its nearest sans-serif face where the face is missing.
QFont windowFont();
// The same face at the same size with the given touches, for single labels.
QFont windowFont(const char* family, bool bold, bool underline);
