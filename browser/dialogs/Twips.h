#pragma once

#include <QString>
#include <QWidget>

// Window layouts are drawn in twips (1/1440 inch); the screen has 15 twips
// per device-independent pixel at the usual 96 dots per inch.
constexpr int twipsToPixels(int twips)
{
    return twips / 15;
}

// Names a control and puts it at its place, given in twips.
template <typename Control>
Control* placeInTwips(Control* control, const char* name, int left, int top, int width, int height)
{
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                         twipsToPixels(height));
    return control;
}
