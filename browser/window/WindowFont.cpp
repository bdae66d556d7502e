#include "WindowFont.h"

#include <QFontMetrics>
#include <QLabel>

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

namespace {

bool fits(const QLabel* label, const QFont& font)
{
    const QFontMetrics metrics(font);
    const QRect box = label->contentsRect();
    if (!label->wordWrap())
        return metrics.horizontalAdvance(label->text()) <= box.width();
    const QRect needed = metrics.boundingRect(box, Qt::TextWordWrap | int(label->alignment()), label->text());
    return needed.width() <= box.width() && needed.height() <= box.height();
}

}  // namespace

void narrowFontToFit(QWidget* control, const std::function<bool(const QFont&)>& fits)
{
    constexpr double smallestPoints = 6.0;
    QFont font = control->font();
    if (fits(font))
        return;
    font.setStretch(QFont::SemiCondensed);
    while (!fits(font) && font.pointSizeF() - 0.25 >= smallestPoints)
        font.setPointSizeF(font.pointSizeF() - 0.25);
    control->setFont(font);
}

void fitTextToBox(QLabel* label)
{
    narrowFontToFit(label, [label](const QFont& font) { return fits(label, font); });
}
