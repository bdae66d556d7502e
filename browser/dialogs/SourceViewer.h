#pragma once

#include <QDialog>

class BrowserComponent;
class PageFetcher;
class QPlainTextEdit;
class QPushButton;

// The page-source viewer, f_source: downloads the page view's current address
// afresh while it is built and shows the text the server returns. A download
// that fails shows its reason in place of the source. Edits in the box stay
// there. A modeless dialog, so that screen readers announce it as one.
class SourceViewer : public QDialog {
    Q_OBJECT
public:
    SourceViewer(BrowserComponent& wb1, PageFetcher& inet1);

private:
    QPlainTextEdit* m_sourceText;
    QPushButton* m_closeButton;
};
