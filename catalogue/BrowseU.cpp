// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "catalogue/BrowseU.h"

#include "shell/AccessibleU.h"
#include "shell/StatusLineU.h"
#include "catalogue/ParcourU.h"
#include "catalogue/EnterPressU.h"
#include "catalogue/ThumbBoxU.h"
#include "catalogue/search/RawNameU.h"
#include "shell/AppStateU.h"
#include "shell/CheckBoxU.h"
#include "shell/DropU.h"
#include "shell/MainClientU.h"
#include "shell/SettingsU.h"
#include "imaging/WheelU.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QTimer>
#include <QWheelEvent>

namespace Irisonde {

namespace {

const QColor kSelected(0, 0, 255);

QColor ButtonFace() { return QApplication::palette().color(QPalette::Button); }

QString UnreadableNameMessage(const QString &path)
{
    return QStringLiteral("Le nom du fichier « %1 » ne peut pas être lu dans le codage des caractères du système : "
                          "le programme ne peut pas l'ouvrir. Renommez ce fichier pour l'ouvrir dans un atelier.")
        .arg(ShownName(path));
}

QFrame *Bevel(QWidget *parent, const char *name, int top)
{
    auto *b = new QFrame(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    b->setGeometry(9, top, 190, 2);
    return b;
}

} // namespace

TBrowserF::TBrowserF(TSettings &settings, QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                          | Qt::MSWindowsFixedSizeDialogHint),
      m_settings(settings)
{
    setObjectName(QStringLiteral("BrowserF"));
    setWindowTitle(QStringLiteral(" Cataloguer les images"));
    setFont(ArialPx(11));
    setModal(true);

    m_wThumbCombo = new QComboBox(this);
    m_wThumbCombo->setObjectName(QStringLiteral("wThumbCombo"));
    m_wThumbCombo->setGeometry(10, 8, 181, 22);
    LabelForScreenReaders(*m_wThumbCombo, QStringLiteral("Taille des vignettes"));
    m_wThumbCombo->view()->setAccessibleName(QStringLiteral("Tailles des vignettes"));
    for (int item = 0; item < TBrowseState::ThumbItems; ++item)
        m_wThumbCombo->addItem(TBrowseState::ThumbItemCaption(item));
    connect(m_wThumbCombo, &QComboBox::currentIndexChanged, this, &TBrowserF::wThumbComboChange);

    const auto check = [this](const char *name, const QString &caption, QRect place, bool TSettings::*flag) {
        auto *c = new QCheckBox(caption, this);
        c->setObjectName(QString::fromLatin1(name));
        c->setAccessibleName(caption.trimmed());
        // The place of the layout, widened when this style's box and text need more.
        c->setGeometry(place.adjusted(0, 0, std::max(0, c->sizeHint().width() - place.width()), 0));
        // Changed at once: the next search reads it, and so does the next run.
        connect(c, &QCheckBox::toggled, this, [this, flag](bool on) { m_settings.*flag = on; });
        return c;
    };
    m_recurseCheck = check("RecurseCheck", QStringLiteral(" Sous-dossiers inclus"), {10, 36, 129, 17}, &TSettings::brwRecurseFlag);
    m_metaCheck = check("MetaCheck", QStringLiteral(" Métafichiers"), {10, 56, 81, 17}, &TSettings::brwMetaFlag);
    m_bmpCheck = check("BmpCheck", QStringLiteral(" BitMaps"), {110, 56, 61, 17}, &TSettings::brwBmpFlag);
    // The two boxes cover every format the workshops open.
    m_metaCheck->setToolTip(QStringLiteral(" Chercher les métafichiers (*.wmf) et les dessins SVG (*.svg, *.svgz)"));
    m_bmpCheck->setToolTip(QStringLiteral(" Chercher les images Bitmap et les autres images : photos JPEG, PNG, GIF, TIFF, WebP..."));

    const auto button = [this](const char *name, const QString &caption, int left, int top) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(left, top, 94, 25);
        b->setAutoDefault(false);
        TEnterPress::Install(b);
        return b;
    };
    m_bevel1 = Bevel(this, "Bevel1", 84);
    m_searchBout = button("SearchBout", QStringLiteral("&Rechercher"), 9, 100);
    m_parcoursBout = button("ParcoursBout", QStringLiteral("&Parcourir"), 106, 100);
    m_pathLab = new QLabel(QStringLiteral("Dans le dossier :"), this);
    m_pathLab->setObjectName(QStringLiteral("PathLab"));
    m_pathLab->setGeometry(10, 128, 189, 14);
    m_pathEd = new QLineEdit(this);
    m_pathEd->setObjectName(QStringLiteral("PathEd"));
    m_pathEd->setGeometry(9, 144, 190, 22);
    m_pathEd->setReadOnly(true);
    m_pathEd->setAccessibleName(QStringLiteral("Dossier de recherche"));
    QPalette face = m_pathEd->palette();
    face.setColor(QPalette::Base, ButtonFace());
    m_pathEd->setPalette(face);
    m_bevel2 = Bevel(this, "Bevel2", 180);
    // Alt+C: Alt+P belongs to "&Parcourir".
    m_predBout = button("PredBout", QStringLiteral("Page pré&cédente"), 9, 196);
    m_succBout = button("SuccBout", QStringLiteral("Page &suivante"), 106, 196);
    m_pageLab = new QLabel(this);
    m_pageLab->setObjectName(QStringLiteral("Pagelab"));
    m_pageLab->move(10, 224);
    m_bevel3 = Bevel(this, "Bevel3", 252);
    m_openBout = button("OpenBout", QStringLiteral("&Ouvrir"), 9, 268);
    m_openBout->setEnabled(false);
    m_openBout->setAccessibleDescription(QStringLiteral("Ouvre l'image choisie dans un atelier"));
    m_openMenu = new QMenu(this);
    m_openMenu->setObjectName(QStringLiteral("OpenMenu"));
    m_openMenu->setTitle(QStringLiteral("Ouvrir dans l'atelier"));
    m_closeBout = button("CloseBout", QStringLiteral("&Quitter"), 106, 268);
    m_aideBout = button("AideBout", QStringLiteral("&Aide"), 9, 296);
    connect(m_searchBout, &QPushButton::clicked, this, &TBrowserF::SearchBoutClick);
    connect(m_parcoursBout, &QPushButton::clicked, this, &TBrowserF::ParcoursBoutClick);
    connect(m_predBout, &QPushButton::clicked, this, &TBrowserF::PredBoutClick);
    connect(m_succBout, &QPushButton::clicked, this, &TBrowserF::SuccBoutClick);
    connect(m_closeBout, &QPushButton::clicked, this, &TBrowserF::close);
    connect(m_aideBout, &QPushButton::clicked, this, &TBrowserF::AideBoutClick);
    connect(m_openBout, &QPushButton::clicked, this, &TBrowserF::OpenBoutClick);

    m_panel1 = new QFrame(this);
    m_panel1->setObjectName(QStringLiteral("Panel1"));
    m_panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_status = new TStatusLine(m_panel1);
    m_status->setObjectName(QStringLiteral("Status"));

    m_browse.SetThumb(m_settings.wThumb);
    LayoutSlots();
    // A folder dropped from a file manager becomes the working folder, as
    // one chosen with "Parcourir" does; not while a search walks the last one.
    AcceptDrops(this, DraggedFolder, [this] { return !m_run.Search; }, [this](const QString &folder) {
        m_settings.brwPath = folder;
        m_pathEd->setText(folder);
    });
}

TBrowserF::~TBrowserF()
{
    // A walk still running (the program ends during a search) stops here.
    if (m_run.Search)
        m_run.Search->Cancel();
}

void TBrowserF::showEvent(QShowEvent *event)
{
    if (!event->spontaneous()) {
        if (!m_shown)
            FormShow();
        if (const QScreen *screen = QGuiApplication::primaryScreen()) {
            const QRect area = screen->availableGeometry();
            move(area.center() - QPoint(frameGeometry().width() / 2, frameGeometry().height() / 2));
        }
    }
    QDialog::showEvent(event);
}

void TBrowserF::hideEvent(QHideEvent *event)
{
    QDialog::hideEvent(event);
    // Every way of closing (button, close box, Escape) passes here once.
    if (!event->spontaneous() && m_shown)
        FormClose();
}

void TBrowserF::FormShow()
{
    m_shown = true;
    {
        const QSignalBlocker quiet(m_wThumbCombo);
        m_wThumbCombo->setCurrentIndex(TBrowseState::ThumbItemOf(m_settings.wThumb));
    }
    m_browse.Reset();
    // A stored size the list does not offer (90) is kept for the slots.
    m_browse.SetThumb(m_settings.wThumb);
    m_pathEd->setText(m_settings.brwPath);
    SetCheckSilently(*m_recurseCheck, m_settings.brwRecurseFlag);
    SetCheckSilently(*m_metaCheck, m_settings.brwMetaFlag);
    SetCheckSilently(*m_bmpCheck, m_settings.brwBmpFlag);
    CreateSlots();
    LayoutSlots();
    ShowPage(false);
    UpdateStatus();
}

void TBrowserF::FormClose()
{
    m_shown = false;
    if (m_run.Search) {
        // Closed during the walk: stop it; the click that started it finds
        // its flag cleared and touches nothing once the walk returns.
        m_run.Search->Cancel();
        *m_run.Alive = false;
        setWindowTitle(m_run.Caption);
        m_run = {};
        m_browse.EndSearch();
    }
    for (TThumbSlot &slot : m_slots) {
        slot.NameLab = nullptr;
        slot.ThumbBox = nullptr;
        slot.SlotPanel.reset();
    }
    m_openMenu->close();
    m_browse.Reset();
    m_thumbs.Release();
    m_faults.clear();
}

void TBrowserF::CreateSlots()
{
    for (int k = 1; k <= TBrowseState::SlotCount; ++k) {
        TThumbSlot &slot = m_slots[std::size_t(k - 1)];
        slot.SlotPanel = std::make_unique<QFrame>(this);
        slot.SlotPanel->setObjectName(QStringLiteral("SlotPanel%1").arg(k));
        slot.SlotPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
        slot.SlotPanel->setLineWidth(2);
        slot.SlotPanel->setAutoFillBackground(true);
        slot.NameLab = new QLabel(slot.SlotPanel.get());
        slot.ThumbBox = new TThumbBox(*this, k, slot.SlotPanel.get());
        slot.ThumbBox->move(5, 4);
        SetPanelColour(k, false);
        slot.SlotPanel->show();
    }
    SetFocusSlot(1);
}

void TBrowserF::LayoutSlots()
{
    const QSize client = m_browse.ClientSize();
    setFixedSize(client);
    m_panel1->setGeometry(0, client.height() - 18, client.width(), 18);
    m_status->setGeometry(6, 1, client.width() - 12, 16);
    for (int k = 1; k <= TBrowseState::SlotCount; ++k) {
        TThumbSlot &slot = m_slots[std::size_t(k - 1)];
        if (!slot.SlotPanel)
            continue;
        slot.SlotPanel->setGeometry(m_browse.SlotRect(k));
        slot.NameLab->move(6, m_browse.NameLabTop());
        slot.NameLab->clear();
        slot.ThumbBox->resize(m_browse.Thumb(), m_browse.Thumb());
    }
}

void TBrowserF::ShowPage(bool redraw)
{
    m_pageLab->setText(m_browse.PageText());
    m_pageLab->adjustSize();
    for (int k = 1; k <= TBrowseState::SlotCount; ++k) {
        if (redraw && m_slots[std::size_t(k - 1)].ThumbBox)
            m_slots[std::size_t(k - 1)].ThumbBox->update();
        SetSlotCaption(k);
    }
    m_predBout->setEnabled(m_browse.PredEnabled());
    m_succBout->setEnabled(m_browse.SuccEnabled());
}

void TBrowserF::SetSlotCaption(int k)
{
    QLabel *lab = m_slots[std::size_t(k - 1)].NameLab;
    if (!lab)
        return;
    const QFontMetrics metrics(font());
    const TSlotCaption c = m_browse.SlotCaption(k, [&](const QString &s) { return metrics.horizontalAdvance(s); });
    lab->setText(c.Text);
    lab->adjustSize();
    lab->move(c.Left, m_browse.NameLabTop());
    // The caption may be cut short; the picture's name is said in full.
    const QString file = m_browse.SlotFile(k);
    const QString name =
        QStringLiteral("Case %1 : %2").arg(k).arg(file.isEmpty() ? QStringLiteral("pas d'image") : ShownName(TBrowseState::FileName(file)));
    QWidget *box = m_slots[std::size_t(k - 1)].ThumbBox;
    if (box->accessibleName() != name)
        box->setAccessibleName(name);
}

void TBrowserF::SetPanelColour(int k, bool selected)
{
    if (k < 1 || k > TBrowseState::SlotCount || !m_slots[std::size_t(k - 1)].SlotPanel)
        return;
    QFrame &panel = *m_slots[std::size_t(k - 1)].SlotPanel;
    QPalette p = panel.palette();
    p.setColor(QPalette::Window, selected ? kSelected : ButtonFace());
    panel.setPalette(p);
    if (QWidget *box = m_slots[std::size_t(k - 1)].ThumbBox) {
        QAccessible::State changed;
        changed.selected = true;
        QAccessibleStateChangeEvent event(box, changed);
        QAccessible::updateAccessibility(&event);
    }
}

void TBrowserF::DrawThumb(int k, QPainter &canvas)
{
    const TThumbDraw d = m_thumbs.DrawThumb(canvas, m_browse, k, ButtonFace());
    if (!d.Report)
        return;
    // Shown once the paint is over: a message box inside a paint would
    // paint the slots again, and again.
    if (m_faults.isEmpty())
        QTimer::singleShot(0, this, &TBrowserF::ReportFaults);
    const QString path = m_browse.SlotFile(k);
    m_faults.append(NameLost(path) ? UnreadableNameMessage(path) : PictureFaultMessage(d.Fault, path));
}

void TBrowserF::ReportFaults()
{
    if (m_faults.isEmpty() || !m_shown)
        return;
    const QString text = m_faults.join(QStringLiteral("\n\n"));
    m_faults.clear();
    App::ShowWarning(text, this);
}

void TBrowserF::SlotClick(int k)
{
    SetFocusSlot(k);
    const TSelectionChange change = m_browse.SlotClick(k);
    if (change.Old > 0) {
        SetPanelColour(change.Old, false);
        // Its square loses the blue around the picture too.
        if (QWidget *box = m_slots[std::size_t(change.Old - 1)].ThumbBox)
            box->update();
    }
    if (change.Selected > 0) {
        SetPanelColour(change.Selected, true);
        // Drawn now, so that the status line gives this picture's size.
        if (QWidget *box = m_slots[std::size_t(change.Selected - 1)].ThumbBox)
            box->repaint();
    }
    UpdateStatus();
}

void TBrowserF::ClearSelection()
{
    const int old = m_browse.ClearSelection();
    SetPanelColour(old, false);
    UpdateStatus();
}

void TBrowserF::UpdateStatus()
{
    const QString text = m_browse.StatusText();
    m_status->setText(text);
    QAccessibleEvent changed(m_status, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
    // Said with the slot as the selection moves to it.
    if (QWidget *box = m_slots[std::size_t(m_focusSlot - 1)].ThumbBox)
        box->setAccessibleDescription(text);
    m_openBout->setEnabled(m_browse.Selected > 0 && !m_workshops.isEmpty());
}

void TBrowserF::SetFocusSlot(int k)
{
    if (k < 1 || k > TBrowseState::SlotCount)
        return;
    m_focusSlot = k;
    for (int j = 1; j <= TBrowseState::SlotCount; ++j)
        if (QWidget *box = m_slots[std::size_t(j - 1)].ThumbBox)
            box->setFocusPolicy(j == k ? Qt::StrongFocus : Qt::ClickFocus);
}

bool TBrowserF::SlotKey(int k, int key, Qt::KeyboardModifiers modifiers)
{
    if (modifiers & ~Qt::KeypadModifier)
        return false;
    ESlotMove move = ESlotMove::First;
    switch (key) {
    case Qt::Key_Left: move = ESlotMove::Left; break;
    case Qt::Key_Right: move = ESlotMove::Right; break;
    case Qt::Key_Up: move = ESlotMove::Up; break;
    case Qt::Key_Down: move = ESlotMove::Down; break;
    case Qt::Key_Home: move = ESlotMove::First; break;
    case Qt::Key_End: move = ESlotMove::Last; break;
    case Qt::Key_PageUp: TurnPage(false, k); return true;
    case Qt::Key_PageDown: TurnPage(true, k); return true;
    case Qt::Key_Return:
    case Qt::Key_Enter: PopupOpenMenu(m_slots[std::size_t(k - 1)].ThumbBox); return true;
    case Qt::Key_Space:
        if (m_browse.FileIndexOfSlot(k))
            SlotClick(k);
        return true;
    default: return false;
    }
    // Nothing selected yet: the first arrow selects the slot that has the focus.
    const bool arrow = key != Qt::Key_Home && key != Qt::Key_End;
    if (m_browse.Selected < 1 && arrow)
        SelectSlot(std::min(k, m_browse.FilledSlots()));
    else
        SelectSlot(m_browse.SlotAfterMove(m_browse.Selected > 0 ? m_browse.Selected : k, move));
    return true;
}

void TBrowserF::SelectSlot(int k)
{
    if (k < 1 || k > TBrowseState::SlotCount)
        return;
    if (m_browse.Selected != k)
        SlotClick(k);
    if (QWidget *box = m_slots[std::size_t(k - 1)].ThumbBox)
        box->setFocus(Qt::OtherFocusReason);
}

void TBrowserF::TurnPage(bool next, int from)
{
    const int page = m_browse.CurrentPage;
    const int slot = m_browse.Selected > 0 ? m_browse.Selected : from;
    if (next)
        SuccBoutClick();
    else
        PredBoutClick();
    // The same place on the new page, or its last picture.
    if (m_browse.CurrentPage != page)
        SelectSlot(std::min(slot, m_browse.FilledSlots()));
}

void TBrowserF::SetWorkshops(QList<TWorkshopChoice> workshops)
{
    m_workshops = std::move(workshops);
    m_openMenu->clear();
    for (qsizetype i = 0; i < m_workshops.size(); ++i)
        m_openMenu->addAction(m_workshops[i].Name, this, [this, i] { OpenIn(i); });
    m_openBout->setEnabled(m_browse.Selected > 0 && !m_workshops.isEmpty());
}

void TBrowserF::OpenBoutClick() { PopupOpenMenu(m_openBout); }

void TBrowserF::PopupOpenMenu(QWidget *under)
{
    if (m_browse.Selected < 1 || m_workshops.isEmpty() || !under)
        return;
    m_openMenu->popup(under->mapToGlobal(QPoint(0, under->height())));
    m_openMenu->setActiveAction(m_openMenu->actions().value(0));
}

void TBrowserF::OpenIn(qsizetype workshop)
{
    const QString path = m_browse.SlotFile(m_browse.Selected);
    if (path.isEmpty() || workshop < 0 || workshop >= m_workshops.size())
        return;
    // The workshops open files by their decoded names only.
    if (HasRawBytes(path) || NameLost(path)) {
        App::ShowWarning(UnreadableNameMessage(path), this);
        return;
    }
    const auto open = m_workshops[workshop].Open;
    close(); // the workshop comes forward, not behind this modal window
    if (open)
        open(path);
}

void TBrowserF::PredBoutClick()
{
    if (!m_browse.PredPage())
        return;
    ClearSelection();
    ShowPage(true);
}

void TBrowserF::SuccBoutClick()
{
    if (!m_browse.SuccPage())
        return;
    ClearSelection();
    ShowPage(true);
}

void TBrowserF::wheelEvent(QWheelEvent *event)
{
    switch (m_browse.WheelPage(WheelDelta(event->angleDelta()))) {
    case EPageStep::Pred: PredBoutClick(); break;
    case EPageStep::Succ: SuccBoutClick(); break;
    case EPageStep::None: break;
    }
    event->accept();
}

void TBrowserF::wThumbComboChange()
{
    m_settings.wThumb = TBrowseState::ThumbOfItem(m_wThumbCombo->currentIndex());
    m_browse.SetThumb(m_settings.wThumb);
    LayoutSlots();
    // The boxes repaint as they are resized; the selected slot stays so.
    ShowPage(false);
}

void TBrowserF::SearchBoutClick()
{
    // A second click while the walk runs would mix two searches in one list.
    if (m_run.Search)
        return;
    ClearSelection();
    if (!m_browse.BeginSearch())
        return;
    m_thumbs.ForgetFaults();
    const QString caption = windowTitle();
    setWindowTitle(TBrowseState::SearchingCaption());
    // No folder known yet: the program's own, as the settings' default is.
    const QString folder = m_settings.brwPath.isEmpty() ? App::State().PicturesStart() : m_settings.brwPath;

    TPictureSearch search;
    bool alive = true;
    search.OnFileFound = [this](const QString &path) { m_browse.FileFound(path); };
    search.OnFolderFound = [this](const QString &path) { m_status->setText(TBrowseState::FolderStatus(path)); };
    search.Kinds = [this] { return TSearchKinds{m_settings.brwBmpFlag, m_settings.brwMetaFlag}; };
    search.Step = [] {
        QCoreApplication::processEvents();
        return true;
    };
    m_run = {&search, &alive, caption};
    (void)search.SearchFolder(folder, faAnyFile, m_settings.brwRecurseFlag);
    if (!alive)
        return; // the window closed meanwhile and released everything
    m_run = {};
    EndSearch(folder);
}

void TBrowserF::EndSearch(const QString &folder)
{
    // A slot clicked during the walk loses its colour with the selection.
    SetPanelColour(m_browse.Selected, false);
    m_browse.EndSearch();
    ShowPage(true);
    setWindowTitle(m_browse.EndCaption(folder));
    UpdateStatus();
}

void TBrowserF::ParcoursBoutClick()
{
    if (!m_chooser)
        return;
    m_chooser->SetStartPath(m_settings.brwPath);
    m_chooser->exec();
    if (m_chooser->ChosenPath() == QLatin1String("None"))
        return;
    m_settings.brwPath = m_chooser->ChosenPath();
    m_pathEd->setText(m_settings.brwPath);
}

void TBrowserF::AideBoutClick() { App::ShowHelp(QStringLiteral("Browser")); }

} // namespace Irisonde
