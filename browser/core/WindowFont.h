#pragma once

#include <QFont>

// The classic small window font, MS Sans Serif 8.25 points: the secondary
// windows' own font; the system substitutes its nearest sans-serif face where
// the face is missing.
QFont windowFont();
// The same size in the given face with the given touches, for single controls
// such as the main window's bold navigation buttons.
QFont windowFont(const char* family, bool bold, bool underline);

class QLabel;

// Narrows, then shrinks, the label's font until its text fits in the label's
// fixed box: faces substituted for the classic ones run wider.
void fitTextToBox(QLabel* label);
