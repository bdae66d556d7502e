#include "PageContextMenu.h"

#include "BrowserComponent.h"
#include "PageZoom.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QWebEngineContextMenuRequest>
#include <QWebEngineHistory>
#include <QWebEnginePage>
#include <QWebEngineView>

PageContextMenu::PageContextMenu(QWebEngineView& view, BrowserComponent& pageView)
    : QObject(&view)
    , m_view(view)
    , m_pageView(pageView)
{
    view.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&view, &QWidget::customContextMenuRequested, this, &PageContextMenu::show);
}

void PageContextMenu::show(const QPoint& position)
{
    const QWebEngineContextMenuRequest* request = m_view.lastContextMenuRequest();
    if (!request)
        return;
    using Flag = QWebEngineContextMenuRequest::EditFlag;
    const auto flags = request->editFlags();
    context_menu::Facts facts;
    facts.onLink = request->linkUrl().isValid();
    facts.editable = request->isContentEditable();
    facts.hasSelection = !request->selectedText().isEmpty();
    facts.canCut = flags.testFlag(Flag::CanCut);
    facts.canCopy = flags.testFlag(Flag::CanCopy);
    facts.canPaste = flags.testFlag(Flag::CanPaste);
    facts.canSelectAll = flags.testFlag(Flag::CanSelectAll);
    facts.canGoBack = m_view.page()->history()->canGoBack();
    facts.canGoForward = m_view.page()->history()->canGoForward();
    facts.zoomFactor = m_pageView.zoomFactor();
    const QUrl link = request->linkUrl();

    auto* menu = new QMenu(&m_view);
    menu->setObjectName(QStringLiteral("pageContextMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (const context_menu::Entry& entry : context_menu::entries(facts)) {
        if (entry.separatorBefore)
            menu->addSeparator();
        QAction* action = menu->addAction(entry.text);
        action->setEnabled(entry.enabled);
        connect(action, &QAction::triggered, this, [this, entry, link] { carryOut(entry, link); });
    }
    menu->popup(m_view.mapToGlobal(position));
}

void PageContextMenu::carryOut(const context_menu::Entry& entry, const QUrl& link)
{
    using context_menu::Action;
    QWebEnginePage* page = m_view.page();
    switch (entry.action) {
    case Action::OpenLink: emit m_pageView.newWindowRequested(link.toString()); break;
    case Action::CopyLinkAddress: QGuiApplication::clipboard()->setText(link.toString()); break;
    case Action::Cut: page->triggerAction(QWebEnginePage::Cut); break;
    case Action::Copy: page->triggerAction(QWebEnginePage::Copy); break;
    case Action::Paste: page->triggerAction(QWebEnginePage::Paste); break;
    case Action::SelectAll: page->triggerAction(QWebEnginePage::SelectAll); break;
    case Action::TakeStep: page_steps::of(entry.step).take(m_pageView); break;
    case Action::Find: emit m_pageView.findRequested(); break;
    case Action::ZoomIn: page_zoom::apply(m_pageView, page_zoom::Step::In); break;
    case Action::ZoomOut: page_zoom::apply(m_pageView, page_zoom::Step::Out); break;
    case Action::ZoomNormal: page_zoom::apply(m_pageView, page_zoom::Step::Normal); break;
    case Action::Print: m_pageView.print(); break;
    case Action::SaveAsPdf: m_pageView.saveAsPdf(); break;
    }
}
