#include "MainWindow.h"

#include "AccessibleRoles.h"
#include "AddressBar.h"
#include "BrowserComponent.h"
#include "PageRules.h"
#include "ShortcutTable.h"
#include "StartupFiles.h"
#include "WebAddresses.h"

#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

namespace {

// Positions and sizes are kept in twips, at 15 twips per pixel.
QRect fromTwips(int left, int top, int width, int height)
{
    auto px = [](int twips) { return qRound(twips / 15.0); };
    return QRect(px(left), px(top), px(width), px(height));
}

template <typename W>
W* place(QWidget* parent, const char* name, QRect geometry)
{
    auto* w = new W(parent);
    w->setObjectName(QLatin1String(name));
    w->setGeometry(geometry);
    return w;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, QRect geometry)
{
    auto* b = place<QPushButton>(parent, name, geometry);
    b->setText(caption);
    return b;
}

QPushButton* navigationButton(QWidget* parent, const char* name, const QString& caption, QRect geometry)
{
    auto* b = button(parent, name, caption, geometry);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    font.setBold(true);
    b->setFont(font);
    return b;
}

}  // namespace

MainWindow::MainWindow(ProgramFolder folder, std::unique_ptr<BrowserComponent> pageView,
                       std::unique_ptr<BrowserComponent> bannerStrip, QWidget* parent)
    : QMainWindow(parent),
      m_folder(std::move(folder)),
      wb1(pageView.release()),
      wb2(bannerStrip.release())
{
    wb1->setParent(this);
    wb2->setParent(this);
    setObjectName(QStringLiteral("f_exe"));
    setWindowTitle(QStringLiteral("Bienvenue sur Tavrello"));
    createControls();
    setTabOrderOfControls();
    wb1->widget()->setFocus();
    wb1->widget()->installEventFilter(this);
    wb2->widget()->installEventFilter(this);
    connectControls();
    load();
}

MainWindow::~MainWindow() = default;

void MainWindow::createControls()
{
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("clientArea"));
    client->setFixedSize(fromTwips(0, 0, 11865, 8310).size());
    setCentralWidget(client);
    // Fixed size, whatever menu bar is added above the client area.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    // The skin picture lies under every other control.
    Image1 = place<QLabel>(client, "Image1", fromTwips(0, 0, 750, 750));
    Image1->setScaledContents(true);
    Image1->setAccessibleName(QStringLiteral("Habillage"));

    QWidget* page = wb1->widget();
    page->setParent(client);
    page->setObjectName(QStringLiteral("wb1"));
    page->setGeometry(fromTwips(120, 1440, 11655, 6495));
    page->setAccessibleName(QStringLiteral("Page affichée"));

    Combo1 = place<QComboBox>(client, "Combo1", fromTwips(1320, 960, 2535, 330));
    Combo1->setEditable(true);
    // Only a visit from the address bar changes the list.
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    // An address is visited exactly as typed: no inline completion from the history.
    Combo1->setCompleter(nullptr);
    Combo1->setAccessibleName(QStringLiteral("URL : adresse à visiter"));

    Command1 = button(client, "Command1", QStringLiteral("GO"), fromTwips(3960, 960, 495, 315));

    Label1 = place<QLabel>(client, "Label1", fromTwips(120, 960, 1095, 255));
    Label1->setText(QStringLiteral("URL"));
    Label1->setBuddy(Combo1);

    QWidget* banner = wb2->widget();
    banner->setParent(client);
    banner->setObjectName(QStringLiteral("wb2"));
    banner->setGeometry(fromTwips(4560, 0, 7200, 1260));
    banner->setAccessibleName(QStringLiteral("Bannière"));

    Label2 = place<QLabel>(client, "Label2", fromTwips(120, 8040, 7335, 255));
    accessible_roles::announceAsStatusBar(Label2);

    txt_rechercher = place<QLineEdit>(client, "txt_rechercher", fromTwips(0, 120, 1935, 285));
    txt_rechercher->setAccessibleName(QStringLiteral("Mots à rechercher sur le Web"));
    txt_facile = place<QLineEdit>(client, "txt_facile", fromTwips(0, 480, 1935, 285));
    txt_facile->setAccessibleName(QStringLiteral("Mot-clé du raccourci"));

    Command2 = button(client, "Command2", QStringLiteral("Raccourcis"), fromTwips(2160, 480, 2295, 255));
    Command3 = button(client, "Command3", QStringLiteral("Rechercher sur le Web"), fromTwips(2160, 120, 2295, 255));

    // Buffer of the page-saving command; it lies over the page view, so it
    // stays hidden.
    Text1 = place<QPlainTextEdit>(client, "Text1", fromTwips(5640, 1320, 975, 1215));
    Text1->setAccessibleName(QStringLiteral("Texte de la page à enregistrer"));
    Text1->hide();

    Command4 = navigationButton(client, "Command4", QStringLiteral("Actualiser"), fromTwips(10800, 7920, 975, 375));
    Command5 = navigationButton(client, "Command5", QStringLiteral("Stopper"), fromTwips(9840, 7920, 855, 375));
    Command6 = navigationButton(client, "Command6", QStringLiteral("Suivante"), fromTwips(8760, 7920, 975, 375));
    Command7 = navigationButton(client, "Command7", QStringLiteral("Précedente"), fromTwips(7440, 7920, 1215, 375));

    Image1->lower();
}

void MainWindow::setTabOrderOfControls()
{
    const QList<QWidget*> order{wb1->widget(), Combo1, Command1, wb2->widget(), txt_rechercher,
                                txt_facile, Command2, Command3, Text1, Command4,
                                Command5, Command6, Command7};
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order.at(i), order.at(i + 1));
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    // A browser component may give its widget new inner widgets, which join
    // the keyboard order at its end; put the order right once they are in.
    if (event->type() == QEvent::ChildAdded && !m_tabOrderQueued) {
        m_tabOrderQueued = true;
        QTimer::singleShot(0, this, [this] {
            m_tabOrderQueued = false;
            setTabOrderOfControls();
        });
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::connectControls()
{
    connect(Combo1->lineEdit(), &QLineEdit::returnPressed, this, &MainWindow::visitFromAddressBar);
    connect(Command1, &QPushButton::clicked, this, &MainWindow::visitFromAddressBar);
    connect(Command2, &QPushButton::clicked, this, &MainWindow::followShortcut);
    connect(Command3, &QPushButton::clicked, this, &MainWindow::searchWeb);
    // A step that is not possible is simply not taken.
    connect(Command4, &QPushButton::clicked, this, [this] { wb1->refresh(); });
    connect(Command5, &QPushButton::clicked, this, [this] { wb1->stop(); });
    connect(Command6, &QPushButton::clicked, this, [this] { wb1->goForward(); });
    connect(Command7, &QPushButton::clicked, this, [this] { wb1->goBack(); });

    connect(wb1, &BrowserComponent::statusTextChange, this, &MainWindow::onStatusTextChange);
    connect(wb1, &BrowserComponent::titleChange, this, &MainWindow::onTitleChange);
    // Pages of either view that ask for a new window are shown in the page view.
    connect(wb1, &BrowserComponent::newWindowRequested, this, [this](const QString& address) { wb1->navigate(address); });
    connect(wb2, &BrowserComponent::newWindowRequested, this, [this](const QString& address) { wb1->navigate(address); });
    connect(wb2, &BrowserComponent::gotFocus, this,
            [this] { wb1->navigate(web_addresses::directorySite()); });
}

void MainWindow::load()
{
    wb2->navigate(web_addresses::bannerPicture());
    Combo1->addItems(startup_files::readHistory(ProgramFolder::historyPath()));
    // Adding items selects the first; the address bar starts empty.
    Combo1->setCurrentIndex(-1);
    Combo1->clearEditText();
    m_variables = startup_files::readVariables(m_folder);
    showSkin(startup_files::readSkinPath(m_folder));
}

void MainWindow::showSkin(const QString& picturePath)
{
    QPixmap picture;
    if (!picturePath.isEmpty())
        picture.load(picturePath);
    Image1->setPixmap(picture);
}

void MainWindow::visitFromAddressBar()
{
    const AddressBar::Outcome outcome = AddressBar::visit(
        *Combo1->model(), history_slot, Combo1->currentText(), ProgramFolder::historyPath(), *wb1);
    // Told once; the page's next status text replaces it.
    if (!outcome.historySaved)
        Label2->setText(QStringLiteral("Adresse non enregistrée dans historique.txt : %1.").arg(outcome.historyError));
}

void MainWindow::followShortcut()
{
    const ShortcutTable table = ShortcutTable::read(m_folder.filePath(QStringLiteral("raccourcis.txt")));
    if (const auto address = table.addressFor(txt_facile->text()))
        wb1->navigate(*address);
}

void MainWindow::searchWeb()
{
    wb1->navigate(web_addresses::directorySearch(txt_rechercher->text()));
}

void MainWindow::onStatusTextChange(const QString& text)
{
    Label2->setText(text);
    setWindowTitle(page_rules::caption(wb1->locationName()));
}

void MainWindow::onTitleChange()
{
    if (page_rules::replacesErrorPage(wb1->locationName(), wb1->locationUrl(), m_variables.url_erreur404))
        wb1->navigate(m_variables.url_erreur404);
}
