#include "MainWindow.h"

#include "AccessibleRoles.h"
#include "AddressBar.h"
#include "BrowserComponent.h"
#include "DataFiles.h"
#include "PageRules.h"
#include "PageSteps.h"
#include "PageViewKeys.h"
#include "ShortcutTable.h"
#include "SkinPicture.h"
#include "StartupFiles.h"
#include "Twips.h"
#include "WebAddresses.h"
#include "WindowFont.h"

#include <QChildEvent>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

namespace {

QPushButton* button(QWidget* parent, const char* name, const QString& caption, int left, int top, int width, int height)
{
    return placeInTwips(new QPushButton(caption, parent), name, left, top, width, height);
}

// The button of a page step along the bottom edge; a click takes the step.
QPushButton* stepButton(QWidget* parent, BrowserComponent& pageView, page_steps::Step step, int left, int width)
{
    const page_steps::PageStep& pageStep = page_steps::of(step);
    QPushButton* b =
        button(parent, pageStep.buttonName, QString::fromUtf8(pageStep.buttonCaption), left, 7920, width, 375);
    b->setFont(windowFont("MS Sans Serif", true, false));
    QObject::connect(b, &QPushButton::clicked, &pageView, [&pageStep, &pageView] { pageStep.take(pageView); });
    return b;
}

}  // namespace

MainWindow::MainWindow(ProgramFolder folder, Variables& variables, std::unique_ptr<BrowserComponent> pageView,
                       std::unique_ptr<BrowserComponent> bannerStrip, QWidget* parent)
    : QMainWindow(parent)
    , m_folder(std::move(folder))
    , m_variables(variables)
    , m_pageView(pageView.release())
    , m_bannerStrip(bannerStrip.release())
{
    m_pageView->setParent(this);
    m_bannerStrip->setParent(this);
    setObjectName(QStringLiteral("f_exe"));
    // Until the first status text of the page view.
    setWindowTitle(QStringLiteral("Bienvenue sur Tavrello"));
    createControls();
    setTabOrderOfControls();
    m_pageView->widget()->setFocus();
    m_pageView->widget()->installEventFilter(this);
    m_bannerStrip->widget()->installEventFilter(this);
    connectControls();
    load();
}

MainWindow::~MainWindow() = default;

void MainWindow::createControls()
{
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("clientArea"));
    client->setFixedSize(twipsToPixels(0, 0, 11865, 8310).size());
    setCentralWidget(client);
    // Fixed size, whatever menu bar is added above the client area.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    // The skin picture lies under every other control.
    m_skin = placeInTwips(new QLabel(client), "Image1", 0, 0, 750, 750);
    m_skin->setScaledContents(true);
    m_skin->setAccessibleName(QStringLiteral("Habillage"));

    QWidget* page = m_pageView->widget();
    page->setParent(client);
    placeInTwips(page, "wb1", 120, 1440, 11655, 6495);
    page->setAccessibleName(QStringLiteral("Page affichée"));

    m_addressBar = placeInTwips(new QComboBox(client), "Combo1", 1320, 960, 2535, 330);
    m_addressBar->setEditable(true);
    // Only a visit from the address bar changes the list.
    m_addressBar->setInsertPolicy(QComboBox::NoInsert);
    // An address is visited exactly as typed: no inline completion from the history.
    m_addressBar->setCompleter(nullptr);
    m_addressBar->setAccessibleName(QStringLiteral("URL : adresse à visiter"));

    m_goButton = button(client, "Command1", QStringLiteral("GO"), 3960, 960, 495, 315);

    m_addressLabel = placeInTwips(new QLabel(QStringLiteral("URL"), client), "Label1", 120, 960, 1095, 255);
    m_addressLabel->setBuddy(m_addressBar);

    QWidget* banner = m_bannerStrip->widget();
    banner->setParent(client);
    placeInTwips(banner, "wb2", 4560, 0, 7200, 1260);
    banner->setAccessibleName(QStringLiteral("Bannière"));

    m_statusLine = placeInTwips(new QLabel(client), "Label2", 120, 8040, 7335, 255);
    accessible_roles::announceAsStatusBar(m_statusLine);

    m_searchWords = placeInTwips(new QLineEdit(client), "txt_rechercher", 0, 120, 1935, 285);
    m_searchWords->setAccessibleName(QStringLiteral("Mots à rechercher sur le Web"));
    m_shortcutKeyword = placeInTwips(new QLineEdit(client), "txt_facile", 0, 480, 1935, 285);
    m_shortcutKeyword->setAccessibleName(QStringLiteral("Mot-clé du raccourci"));

    m_shortcutButton = button(client, "Command2", QStringLiteral("Raccourcis"), 2160, 480, 2295, 255);
    m_searchButton = button(client, "Command3", QStringLiteral("Rechercher sur le Web"), 2160, 120, 2295, 255);

    // It lies over the page view, so it stays hidden.
    m_saveBuffer = placeInTwips(new QPlainTextEdit(client), "Text1", 5640, 1320, 975, 1215);
    m_saveBuffer->setAccessibleName(QStringLiteral("Texte de la page à enregistrer"));
    m_saveBuffer->hide();

    using page_steps::Step;
    m_refreshButton = stepButton(client, *m_pageView, Step::Refresh, 10800, 975);
    m_stopButton = stepButton(client, *m_pageView, Step::Stop, 9840, 855);
    m_forwardButton = stepButton(client, *m_pageView, Step::Forward, 8760, 975);
    m_backButton = stepButton(client, *m_pageView, Step::Back, 7440, 1215);

    m_skin->lower();
}

void MainWindow::setTabOrderOfControls()
{
    const QList<QWidget*> order{m_pageView->widget(), m_addressBar,      m_goButton,       m_bannerStrip->widget(),
                                m_searchWords,        m_shortcutKeyword, m_shortcutButton, m_searchButton,
                                m_saveBuffer,         m_refreshButton,   m_stopButton,     m_forwardButton,
                                m_backButton};
    // Qt orders a control whose focus passes on to a widget inside it as one
    // block, which holds only while the control sits right before that widget;
    // a widget that passes its own focus on again moves next to its new one.
    for (QWidget* control : order) {
        if (QWidget* inner = control->focusProxy(); inner && control->nextInFocusChain() != inner) {
            control->setFocusProxy(nullptr);
            control->setFocusProxy(inner);
        }
    }
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order.at(i), order.at(i + 1));
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    // A browser component may give its widget new inner widgets, one inside
    // another, which join the keyboard order at its end; put the order right
    // once they are in.
    if (event->type() == QEvent::ChildAdded) {
        if (QObject* child = static_cast<QChildEvent*>(event)->child(); child->isWidgetType())
            child->installEventFilter(this);
        if (!m_tabOrderQueued) {
            m_tabOrderQueued = true;
            QTimer::singleShot(0, this, [this] {
                m_tabOrderQueued = false;
                setTabOrderOfControls();
            });
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::connectControls()
{
    connect(m_addressBar->lineEdit(), &QLineEdit::returnPressed, this, &MainWindow::visitFromAddressBar);
    connect(m_goButton, &QPushButton::clicked, this, &MainWindow::visitFromAddressBar);
    connect(m_shortcutButton, &QPushButton::clicked, this, &MainWindow::followShortcut);
    connect(m_searchButton, &QPushButton::clicked, this, &MainWindow::searchWeb);
    addPageViewKeys(*this, *m_pageView);

    connect(m_pageView, &BrowserComponent::statusTextChange, this, &MainWindow::onStatusTextChange);
    connect(m_pageView, &BrowserComponent::titleChange, this, &MainWindow::onTitleChange);
    // Pages of either view that ask for a new window are shown in the page view.
    for (BrowserComponent* view : {m_pageView, m_bannerStrip}) {
        connect(view, &BrowserComponent::newWindowRequested, this,
                [this](const QString& address) { m_pageView->navigate(address); });
    }
    // The banner comes back by itself; the page view waits for the user.
    connect(m_bannerStrip, &BrowserComponent::pageCrashed, m_bannerStrip, &BrowserComponent::refresh);
    connect(m_bannerStrip, &BrowserComponent::gotFocus, this,
            [this] { m_pageView->navigate(web_addresses::directorySite()); });
}

void MainWindow::load()
{
    m_bannerStrip->navigate(web_addresses::bannerPicture());
    m_addressBar->addItems(startup_files::readHistory(data_files::pathOf(data_files::historique, m_folder)));
    // Adding items selects the first; the address bar starts empty.
    m_addressBar->setCurrentIndex(-1);
    m_addressBar->clearEditText();
    m_variables = startup_files::readVariables(m_folder);
    // A skin that cannot be read leaves the area blank, without a word at start-up.
    showSkin(startup_files::readSkinPath(m_folder));
}

bool MainWindow::showSkin(const QString& picturePath)
{
    const QImage picture = picturePath.isEmpty() ? QImage() : SkinPicture::read(picturePath);
    if (!picturePath.isEmpty() && picture.isNull())
        return false;
    m_skin->setPixmap(QPixmap::fromImage(picture));
    return true;
}

void MainWindow::visitFromAddressBar()
{
    const AddressBar::Outcome outcome =
        AddressBar::visit(*m_addressBar->model(), m_historySlot, m_addressBar->currentText(),
                          data_files::pathOf(data_files::historique, m_folder), *m_pageView);
    // Told once; the page's next status text replaces it.
    if (!outcome.historySaved) {
        m_statusLine->setText(QStringLiteral("Adresse non enregistrée dans %1 : %2.")
                                  .arg(QLatin1String(data_files::historique.name), outcome.historyError));
    }
}

void MainWindow::followShortcut()
{
    const ShortcutTable table = ShortcutTable::read(data_files::pathOf(data_files::raccourcis, m_folder));
    if (const auto address = table.addressFor(m_shortcutKeyword->text()))
        m_pageView->navigate(*address);
}

void MainWindow::searchWeb()
{
    m_pageView->navigate(web_addresses::directorySearch(m_searchWords->text()));
}

void MainWindow::onStatusTextChange(const QString& text)
{
    m_statusLine->setText(text);
    // The caption follows status texts, not title changes, so it may lag
    // behind the page; kept: users rely on this.
    setWindowTitle(page_rules::caption(m_pageView->locationName()));
}

void MainWindow::onTitleChange()
{
    if (page_rules::replacesErrorPage(m_pageView->locationName(), m_pageView->locationUrl(), m_variables.url_erreur404))
        m_pageView->navigate(m_variables.url_erreur404);
}
