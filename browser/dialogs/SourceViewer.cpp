#include "SourceViewer.h"

#include "BrowserComponent.h"
#include "PageFetcher.h"
#include "Twips.h"
#include "WindowFont.h"

#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

// The caption fills its narrow button in the classic face; the faces that
// stand in for it run wider.
void fitCaption(QPushButton* button)
{
    constexpr int frame = 6;
    narrowFontToFit(button, [button](const QFont& font) {
        return QFontMetrics(font).horizontalAdvance(button->text()) <= button->width() - frame;
    });
}

}  // namespace

SourceViewer::SourceViewer(BrowserComponent& wb1, PageFetcher& inet1) : QDialog(nullptr)
{
    setObjectName(QStringLiteral("f_source"));
    setWindowTitle(QStringLiteral("Source de la page html en cours"));
    setFont(windowFont());
    setFixedSize(twipsToPixels(6465), twipsToPixels(6150));

    m_sourceText = placeInTwips(new QPlainTextEdit(this), "Text1", 120, 240, 6135, 5535);
    m_sourceText->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // The box has no scroll bars, as it always had; the caret and the wheel
    // still move through a long page.
    m_sourceText->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_sourceText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_sourceText->setAccessibleName(QStringLiteral("Source de la page"));
    // Tab leaves the box for the button, as the keyboard user expects.
    m_sourceText->setTabChangesFocus(true);

    m_closeButton =
        placeInTwips(new QPushButton(QStringLiteral("Fermer la fenêtre"), this), "Command1", 120, 5880, 1335, 255);
    m_closeButton->setAutoDefault(false);
    fitCaption(m_closeButton);
    m_closeButton->setAccessibleName(m_closeButton->text());
    connect(m_closeButton, &QPushButton::clicked, this, &QWidget::close);

    setTabOrder(m_sourceText, m_closeButton);
    m_sourceText->setFocus();

    const FetchedPage page = inet1.fetch(wb1.locationUrl());
    m_sourceText->setPlainText(page.failed() ? page.failure : page.text());
}
