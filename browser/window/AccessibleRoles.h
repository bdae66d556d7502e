#pragma once

class QLabel;

// What a screen reader is told about controls whose toolkit class says less
// than their role.
namespace accessible_roles {

// Announces every top-level window built on a plain widget as a window named
// by its caption (the toolkit would present it as an unnamed filler). Safe to
// call more than once.
void announceWindows();

// Announces the label as a status bar named by the text it shows; the label
// tells each new text to the screen reader itself. Shows its text as plain text.
void announceAsStatusBar(QLabel* label);

}  // namespace accessible_roles
