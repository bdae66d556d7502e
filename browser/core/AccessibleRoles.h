#pragma once

class QLabel;
class QString;

// What a screen reader is told about controls whose toolkit class says less
// than their role.
namespace accessible_roles {

// Announces every top-level window built on a plain widget as a window named
// by its caption (the toolkit would present it as an unnamed filler). Safe to
// call more than once.
void announceWindows();

// Announces the label as a status bar named by the text it shows, so that a
// screen reader reads and follows each new text.
void announceAsStatusBar(QLabel* label);
// Shows a new text in such a status bar and tells the screen reader.
void showStatusText(QLabel* statusBar, const QString& text);

}  // namespace accessible_roles
