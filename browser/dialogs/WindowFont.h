#pragma once

#include <QFont>

// The secondary windows' own font, the classic small dialog font; the system
// substitutes its nearest sans-serif face where the face is missing.
QFont windowFont();
// The same face at the same size with the given touches, for single labels.
QFont windowFont(const char* family, bool bold, bool underline);

class QLabel;

// Narrows, then shrinks, the label's font until its text fits in the label's
// fixed box: faces substituted for the classic ones run wider.
void fitTextToBox(QLabel* label);
