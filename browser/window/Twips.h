#pragma once

#include <QRect>
#include <QString>

// Window layouts are drawn in twips (1/1440 inch); the screen has 15 twips
// per device-independent pixel at the usual 96 dots per inch. A length that
// falls between two pixels goes to the nearer one.
constexpr int twipsToPixels(int twips)
{
    return twips >= 0 ? (twips + 7) / 15 : -((7 - twips) / 15);
}

constexpr QRect twipsToPixels(int left, int top, int width, int height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

// Names a control and puts it at its place, given in twips.
template <typename Control>
Control* placeInTwips(Control* control, const char* name, int left, int top, int width, int height)
{
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(twipsToPixels(left, top, width, height));
    return control;
}
