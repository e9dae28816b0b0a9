// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/MainU.h"

#include "IrisondeConfig.h"
#include "shell/AppStateU.h"
#include "shell/ProgramU.h"
#include "shell/MainClientU.h"
#include "shell/ProgramU.h"
#include "shell/SettingsU.h"
#include "shell/SupLabU.h"
#include "shell/WorkshopU.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>
#include <QUrlQuery>

namespace Irisonde {

namespace {

constexpr int kClientWidth = 527;
constexpr int kClientHeight = 378;
// Smallest client area: the menus and the first activities stay in sight,
// and a stored placement cannot shrink the window to a sliver.
constexpr int kLeastClientWidth = 260;
constexpr int kLeastClientHeight = 180;

QColor ButtonFace()
{
    return QApplication::palette().color(QPalette::Button);
}

// Desktop calculators looked for on the PATH, most common first.
constexpr const char *kCalculators[] = {"gnome-calculator", "kcalc", "galculator", "mate-calc",
                                        "qalculate-gtk", "speedcrunch", "xcalc", "calc.exe"};

} // namespace

TDisplayMode DisplayModeFor(int width, int height, int bitsPerPixel)
{
    QString depth;
    bool low = true;
    switch (bitsPerPixel) {
    case 8: depth = QStringLiteral("256 couleurs."); break;
    case 16: depth = QStringLiteral("65536 couleurs."); low = false; break;
    case 24:
    case 32: depth = QStringLiteral("16 millions de couleurs."); low = false; break;
    default: depth = QStringLiteral("16 couleurs."); break;
    }
    return {QStringLiteral("Affichage %1 sur %2 pixels, %3").arg(width).arg(height).arg(depth), low};
}

TMainF::TMainF(TProgram &program, std::span<const Irisonde::TWorkshopRow> workshopRows, QWidget *parent)
    : QMainWindow(parent), m_program(program), m_table(workshopRows), m_workshops(workshopRows.size(), nullptr)
{
    setObjectName(QStringLiteral("MainF"));
    setFont(ArialPx(11));
    BuildMenus();
    BuildClient();
    m_tipTime = new QTimer(this);
    m_tipTime->setObjectName(QStringLiteral("TipTime"));
    m_tipTime->setInterval(500);
    connect(m_tipTime, &QTimer::timeout, this, &TMainF::TipTimeTimer);
    m_warningTimer = new QTimer(this);
    m_warningTimer->setObjectName(QStringLiteral("WarningTimer"));
    m_warningTimer->setInterval(1000);
    connect(m_warningTimer, &QTimer::timeout, this, &TMainF::WarningTimerTimer);
    FormCreate();
}

TMainF::~TMainF() = default;

TSettings &TMainF::Settings()
{
    return m_program.Settings();
}

void TMainF::BuildMenus()
{
    QMenuBar *bar = menuBar();
    bar->setNativeMenuBar(false); // the same menu bar on every desktop
    bar->setAccessibleName(QStringLiteral("Barre de menus"));
    const auto item = [this](QMenu *menu, const char *name, const QString &caption, auto slot) {
        QAction *a = menu->addAction(caption);
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    m_fichier1 = bar->addMenu(QStringLiteral("&Fichier"));
    m_fichier1->setObjectName(QStringLiteral("Fichier1"));
    for (std::size_t k = 0; k < m_table.size(); ++k) {
        const Irisonde::TWorkshopRow &row = m_table[k];
        if (row.SeparatorBefore)
            m_fichier1->addSeparator();
        QAction *a = item(m_fichier1, row.MenuName, QString::fromUtf8(row.MenuCaption), [this, k] { OpenWorkshop(k); });
        a->setEnabled(false);
        m_workshopMenus.push_back(a);
    }
    m_fichier1->addSeparator();
    m_browserMenu = item(m_fichier1, "BrowserMenu", QStringLiteral("&Cataloguer les images"), [this] { ShowModalOnce(m_browserWindow); });
    m_browserMenu->setEnabled(false);
    m_fichier1->addSeparator();
    m_quitMenu = item(m_fichier1, "QuitMenu", QStringLiteral("&Quitter"), [this] { close(); });

    m_editionMenu = bar->addMenu(QStringLiteral("&Edition"));
    m_editionMenu->setObjectName(QStringLiteral("EditionMenu"));
    m_calcMenu = item(m_editionMenu, "CalcMenu", QStringLiteral("&Calculatrice de Windows"), [this] { LaunchCalculator(); });
    m_editionMenu->addSeparator();
    m_clearMenu = item(m_editionMenu, "ClearMenu", QStringLiteral("Vider le presse-papiers"), [] { QApplication::clipboard()->clear(); });
    connect(m_editionMenu, &QMenu::aboutToShow, this, &TMainF::EditionMenuPopup);

    m_optionsMenu = bar->addMenu(QStringLiteral("&Options"));
    m_optionsMenu->setObjectName(QStringLiteral("OptionsMenu"));
    m_preferencesMenu = item(m_optionsMenu, "PreferencesMenu", QStringLiteral("&Préférences"), [this] {
        ShowModalOnce(m_optionsDialog);
        ApplyHintSetting();
    });
    m_preferencesMenu->setEnabled(false);

    m_aideMenu = bar->addMenu(QStringLiteral("&Aide"));
    m_aideMenu->setObjectName(QStringLiteral("AideMenu"));
    m_winHlpMenu = item(m_aideMenu, "WinHlpMenu", QStringLiteral("&Aide du logiciel"), [this] { m_program.ShowHelp(QStringLiteral("Sommaire")); });
    m_tipMenu = item(m_aideMenu, "TipMenu", QStringLiteral("Astuce du &jour"), [this] {
        // Seen from the menu before the splash went: not shown again by itself.
        m_tipTime->stop();
        ShowModalOnce(m_tipWindow);
    });
    m_tipMenu->setEnabled(false);
    m_lisezMoiMenu = item(m_aideMenu, "LisezMoiMenu", QStringLiteral("&Lisez Moi"), [this] {
        QDesktopServices::openUrl(QUrl::fromLocalFile(DocumentPathOf(m_program.State().ProgramFolder, QStringLiteral("lisezmoi.txt"))));
    });
    m_aideMenu->addSeparator();
    QMenu *web = m_aideMenu->addMenu(QStringLiteral("&Irisonde sur le web"));
    web->setObjectName(QStringLiteral("WebMenu"));
    m_webAuteurMenu = item(web, "WebAuteurMenu", QStringLiteral("&Site Web de l'auteur"), [] {
        QDesktopServices::openUrl(QUrl(QStringLiteral(IRISONDE_AUTHOR_WEB)));
    });
    QMenu *mail = m_aideMenu->addMenu(QStringLiteral("e-&Mail"));
    mail->setObjectName(QStringLiteral("MailMenu"));
    m_mailAuteurMenu = item(mail, "MailAuteurMenu", QStringLiteral("&Ecrire à l'auteur"), [this] {
        QUrl url;
        url.setScheme(QStringLiteral("mailto"));
        url.setPath(QStringLiteral(IRISONDE_AUTHOR_EMAIL));
        QUrlQuery query;
        query.addQueryItem(QStringLiteral("Subject"), m_program.State().ShortTitle);
        url.setQuery(query);
        QDesktopServices::openUrl(url);
    });
    m_aideMenu->addSeparator();
    m_aboutMenu = item(m_aideMenu, "AboutMenu", QStringLiteral("A &propos de..."), [this] {
        if (m_showAbout)
            m_showAbout();
    });
    m_aboutMenu->setEnabled(false);
}

void TMainF::BuildClient()
{
    auto *client = new TMainClient(m_table, this);
    setCentralWidget(client);
    m_client = client;
    for (TSuperLab *lab : m_client->Links())
        connect(lab, &TSuperLab::clicked, this, &TMainF::LinkLabClick);
    m_client->setMinimumSize(kLeastClientWidth, kLeastClientHeight);
    m_client->resize(kClientWidth, kClientHeight);
    resize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
}

void TMainF::FormCreate()
{
    CheckDisplayMode();
    setWindowTitle(m_program.State().DisplayTitle);
    for (TSuperLab *lab : m_client->Links())
        lab->SetLinkCursor(TCursorId::LinkHand);
}

void TMainF::CheckDisplayMode()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QRect g = screen ? screen->geometry() : QRect(0, 0, 640, 480);
    const TDisplayMode mode = DisplayModeFor(g.width(), g.height(), screen ? screen->depth() : 24);
    m_program.State().DisplayModeText = mode.text;
    m_program.State().LowColourFlag = mode.lowColour;
}

int TMainF::RowIndex(const Irisonde::TWorkshopRow &row) const
{
    // A row of the table is known by its place in it.
    const std::less<const Irisonde::TWorkshopRow *> before;
    if (m_table.empty() || before(&row, m_table.data()) || !before(&row, m_table.data() + m_table.size()))
        return -1;
    return static_cast<int>(&row - m_table.data());
}

TWorkshopF *TMainF::Workshop(const Irisonde::TWorkshopRow &row) const
{
    const int k = RowIndex(row);
    return k < 0 ? nullptr : m_workshops[static_cast<std::size_t>(k)];
}

void TMainF::SetWorkshop(const Irisonde::TWorkshopRow &row, TWorkshopF *window)
{
    const int index = RowIndex(row);
    if (index < 0)
        return;
    const auto k = static_cast<std::size_t>(index);
    m_workshops[k] = window;
    m_workshopMenus[k]->setEnabled(window != nullptr);
    if (window)
        connect(window, &TWorkshopF::Closed, this, [this] { show(); });
}

void TMainF::SetOptionsDialog(QDialog *d)
{
    m_optionsDialog = d;
    m_preferencesMenu->setEnabled(d != nullptr);
}

void TMainF::SetTipWindow(QDialog *d)
{
    m_tipWindow = d;
    m_tipMenu->setEnabled(d != nullptr);
}

void TMainF::SetBrowserWindow(QDialog *d)
{
    m_browserWindow = d;
    m_browserMenu->setEnabled(d != nullptr);
}

void TMainF::SetSplash(QWidget *s, std::function<void()> about)
{
    m_splash = s;
    m_showAbout = std::move(about);
    m_aboutMenu->setEnabled(static_cast<bool>(m_showAbout));
}

void TMainF::OpenWorkshop(std::size_t index)
{
    TWorkshopF *w = m_workshops[index];
    if (!w)
        return;
    w->show();
    w->raise();
    w->activateWindow();
    hide();
}

void TMainF::ShowModalOnce(QDialog *dialog)
{
    if (!dialog)
        return;
    // A window already on screen is brought forward, never shown modally twice.
    if (dialog->isVisible()) {
        dialog->raise();
        dialog->activateWindow();
        return;
    }
    dialog->exec();
}

void TMainF::LinkLabClick()
{
    // The rows' links first, each doing what its menu item does, then the
    // three that open no workshop.
    const auto *lab = qobject_cast<TSuperLab *>(sender());
    const auto &links = m_client->Links();
    const auto it = std::find(links.begin(), links.end(), lab);
    if (it == links.end())
        return;
    const auto k = static_cast<std::size_t>(it - links.begin());
    QAction *action = nullptr;
    if (k < m_workshopMenus.size())
        action = m_workshopMenus[k];
    else if (lab == m_client->OtherLink(TMainClient::HelpLink))
        action = m_winHlpMenu;
    else if (lab == m_client->OtherLink(TMainClient::BrowserLink))
        action = m_browserMenu;
    else if (lab == m_client->OtherLink(TMainClient::QuitLink))
        action = m_quitMenu;
    if (action)
        action->trigger();
}

void TMainF::EditionMenuPopup()
{
    const QMimeData *mime = QApplication::clipboard()->mimeData();
    m_clearMenu->setEnabled(mime && mime->hasImage());
}

void TMainF::ApplyHintSetting()
{
    for (TWorkshopF *w : m_workshops)
        if (w)
            w->SetShowHints(m_program.Settings().BullesFlag);
}

void TMainF::LaunchCalculator()
{
#ifdef Q_OS_UNIX
    // The calculator we started is still running: nothing new to start.
    if (m_calculatorPid > 0 && QDir(QStringLiteral("/proc/%1").arg(m_calculatorPid)).exists())
        return;
#endif
    for (const char *name : kCalculators) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!path.isEmpty()) {
            QProcess::startDetached(path, {}, QString(), &m_calculatorPid);
            return;
        }
    }
}

void TMainF::TipTimeTimer()
{
    if (m_splash && m_splash->isVisible())
        return;
    m_tipTime->stop();
    ShowModalOnce(m_tipWindow);
}

void TMainF::WarningTimerTimer()
{
    QPalette p = m_client->WarningLab()->palette();
    const bool red = p.color(QPalette::WindowText) == QColor(255, 0, 0);
    p.setColor(QPalette::WindowText, red ? ButtonFace() : QColor(255, 0, 0));
    m_client->WarningLab()->setPalette(p);
}

void TMainF::FirstShow()
{
    QLabel *modeLab = m_client->ModeLab();
    QLabel *warningLab = m_client->WarningLab();
    modeLab->setText(m_program.State().ShortTitle + QStringLiteral(" - ") + m_program.State().DisplayModeText);
    modeLab->adjustSize();
    warningLab->move(modeLab->x() + modeLab->width() + 10, modeLab->y());
    QPalette p = warningLab->palette();
    if (m_program.State().LowColourFlag) {
        warningLab->setText(QStringLiteral("Affichage conseillé : 65536 couleurs"));
        p.setColor(QPalette::WindowText, QColor(255, 0, 0));
    } else {
        warningLab->setText(QStringLiteral("Affichage convenable"));
        p.setColor(QPalette::WindowText, QColor(0, 128, 0));
    }
    warningLab->setPalette(p);
    warningLab->adjustSize();
    ApplyHintSetting();
    if (m_program.Settings().TipFlag)
        m_tipTime->start();
    const auto records = PlacementRecords();
    SetPlacement(*this, *records[0]);
    for (std::size_t k = 0; k < m_workshops.size(); ++k)
        if (m_workshops[k]) {
            // Never placed before: at least the size the workshop was made with.
            const TPlacement &record = *records[k + 1];
            SetPlacement(*m_workshops[k], record, record.SizeStored ? QSize() : m_workshops[k]->size());
        }
}

std::vector<TPlacement *> TMainF::PlacementRecords()
{
    TSettings &settings = m_program.Settings();
    std::vector<TPlacement *> records{&settings.Placement(QString::fromLatin1(Irisonde::kMainSection))};
    for (const Irisonde::TWorkshopRow &row : m_table)
        records.push_back(&settings.Placement(QString::fromLatin1(row.Section)));
    return records;
}

void TMainF::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (event->spontaneous())
        return;
    if (m_firstShow) {
        FirstShow();
        m_firstShow = false;
    }
    if (m_program.State().LowColourFlag)
        m_warningTimer->start();
}

void TMainF::hideEvent(QHideEvent *event)
{
    QMainWindow::hideEvent(event);
    if (!event->spontaneous())
        m_warningTimer->stop();
}

void TMainF::closeEvent(QCloseEvent *event)
{
    const auto records = PlacementRecords();
    *records[0] = GetPlacement(*this);
    for (std::size_t k = 0; k < m_workshops.size(); ++k)
        if (m_workshops[k])
            *records[k + 1] = GetPlacement(*m_workshops[k]);
    const QString failure = Irisonde::SaveSettings(m_program.Settings());
    if (!failure.isEmpty())
        App::ShowWarning(failure, this);
    event->accept();
    QMainWindow::closeEvent(event);
    // Closing the main window ends the program, whatever else is open.
    QCoreApplication::quit();
}

} // namespace Irisonde
