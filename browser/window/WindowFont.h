#pragma once

#include <QFont>

// The classic small window font, MS Sans Serif 8.25 points: the secondary
// windows' own font; the system substitutes its nearest sans-serif face where
// the face is missing.
QFont windowFont();
// The same size in the given face with the given touches, for single controls
// such as the main window's bold navigation buttons.
QFont windowFont(const char* family, bool bold, bool underline);

#include <functional>

class QLabel;
class QWidget;

// Narrows, then shrinks, the control's font (down to 6 points) until fits()
// says its text fits: faces substituted for the classic ones run wider.
void narrowFontToFit(QWidget* control, const std::function<bool(const QFont&)>& fits);
// The same for a label's text in the label's fixed box.
void fitTextToBox(QLabel* label);
