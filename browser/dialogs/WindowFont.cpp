#include "WindowFont.h"

QFont windowFont()
{
    return windowFont("MS Sans Serif", false, false);
}

QFont windowFont(const char* family, bool bold, bool underline)
{
    QFont font(QString::fromLatin1(family));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}
