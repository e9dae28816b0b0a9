// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "catalogue/BrowseU.h"

#include "catalogue/ParcourU.h"
#include "catalogue/search/RawNameU.h"
#include "shell/AppStateU.h"
#include "shell/ProgramU.h"
#include "shell/CheckBoxU.h"
#include "shell/DropU.h"
#include "shell/MainClientU.h"
#include "shell/SettingsU.h"
#include "imaging/WheelU.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QWheelEvent>

namespace Irisonde {

TBrowserF::TBrowserF(TProgram &program, QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                          | Qt::MSWindowsFixedSizeDialogHint),
      m_program(program), m_settings(program.Settings()), m_ui(*this), m_showing(*this, [this] { FormShow(); }, [this] { FormClose(); }),
      m_thumbs(m_browse, m_slots, *this, [this](int k) {
          if (k == m_browse.Selected)
              UpdateStatus();
      })
{
    setObjectName(QStringLiteral("BrowserF"));
    setWindowTitle(QStringLiteral(" Cataloguer les images"));
    setModal(true);

    connect(m_ui.ThumbCombo, &QComboBox::currentIndexChanged, this, &TBrowserF::wThumbComboChange);
    const auto flag = [this](QCheckBox *c, bool TSettings::*setting) {
        // Changed at once: the next search reads it, so does the next run,
        // and the walk under way from its next folder.
        connect(c, &QCheckBox::toggled, this, [this, setting](bool on) {
            m_settings.*setting = on;
            m_search.SetKinds({m_settings.brwBmpFlag, m_settings.brwMetaFlag});
        });
    };
    flag(m_ui.RecurseCheck, &TSettings::brwRecurseFlag);
    flag(m_ui.MetaCheck, &TSettings::brwMetaFlag);
    flag(m_ui.BmpCheck, &TSettings::brwBmpFlag);
    connect(m_ui.SearchBout, &QPushButton::clicked, this, &TBrowserF::SearchBoutClick);
    connect(m_ui.ParcoursBout, &QPushButton::clicked, this, &TBrowserF::ParcoursBoutClick);
    connect(m_ui.PredBout, &QPushButton::clicked, this, &TBrowserF::PredBoutClick);
    connect(m_ui.SuccBout, &QPushButton::clicked, this, &TBrowserF::SuccBoutClick);
    connect(m_ui.CloseBout, &QPushButton::clicked, this, &TBrowserF::close);
    connect(m_ui.AideBout, &QPushButton::clicked, this, &TBrowserF::AideBoutClick);
    connect(m_ui.OpenBout, &QPushButton::clicked, this, &TBrowserF::OpenBoutClick);
    connect(&m_search, &TSearchRun::Found, this, &TBrowserF::FilesFound);
    connect(&m_search, &TSearchRun::Finished, this, &TBrowserF::EndSearch);

    m_browse.SetThumb(m_settings.wThumb);
    LayoutSlots();
    // A folder dropped from a file manager becomes the working folder, as
    // one chosen with "Parcourir" does; not while a search walks the last one.
    AcceptDrops(this, DraggedFolder, [this] { return !m_search.Running(); }, [this](const QString &folder) {
        m_settings.brwPath = folder;
        m_ui.PathEd->setText(folder);
    });
}

// A walk or thumbnails still under way (the program ends meanwhile) stop
// with their members, before anything they report to goes.
TBrowserF::~TBrowserF() = default;

void TBrowserF::FormShow()
{
    {
        const QSignalBlocker quiet(m_ui.ThumbCombo);
        m_ui.ThumbCombo->setCurrentIndex(TBrowseState::ThumbItemOf(m_settings.wThumb));
    }
    m_browse.Reset();
    // A stored size the list does not offer (90) is kept for the slots.
    m_browse.SetThumb(m_settings.wThumb);
    m_ui.PathEd->setText(m_settings.brwPath);
    SetCheckSilently(*m_ui.RecurseCheck, m_settings.brwRecurseFlag);
    SetCheckSilently(*m_ui.MetaCheck, m_settings.brwMetaFlag);
    SetCheckSilently(*m_ui.BmpCheck, m_settings.brwBmpFlag);
    m_slots.Create(*this);
    LayoutSlots();
    ShowPage(false);
    UpdateStatus();
}

void TBrowserF::FormClose()
{
    if (m_search.Running()) {
        // Closed during the walk: it stops, nothing it found is kept.
        m_search.Cancel();
        setWindowTitle(m_caption);
        m_browse.EndSearch();
    }
    m_thumbs.Release();
    m_slots.Release();
    m_ui.OpenMenu->close();
    m_browse.Reset();
}

void TBrowserF::LayoutSlots()
{
    const QSize client = m_browse.ClientSize();
    setFixedSize(client);
    m_ui.Panel1->setGeometry(0, client.height() - 18, client.width(), 18);
    m_ui.Status->setGeometry(6, 1, client.width() - 12, 16);
    m_slots.Layout(m_browse);
}

void TBrowserF::ShowPage(bool redraw)
{
    m_thumbs.Request(m_showing.Showing());
    m_ui.PageLab->setText(m_browse.PageText());
    m_ui.PageLab->adjustSize();
    const QFontMetrics metrics(font());
    for (int k = 1; k <= TBrowseState::SlotCount; ++k) {
        if (QWidget *box = m_slots.Box(k); redraw && box)
            box->update();
        m_slots.SetCaption(k, m_browse, metrics);
    }
    m_ui.PredBout->setEnabled(m_browse.PredEnabled());
    m_ui.SuccBout->setEnabled(m_browse.SuccEnabled());
}

void TBrowserF::DrawThumb(int k, QPainter &canvas) { m_thumbs.Draw(k, canvas); }

void TBrowserF::SlotClick(int k)
{
    m_slots.SetFocusSlot(k);
    const TSelectionChange change = m_browse.SlotClick(k);
    if (change.Old > 0) {
        m_slots.SetPanelColour(change.Old, false);
        // Its square loses the blue around the picture too.
        if (QWidget *box = m_slots.Box(change.Old))
            box->update();
    }
    if (change.Selected > 0) {
        m_slots.SetPanelColour(change.Selected, true);
        if (QWidget *box = m_slots.Box(change.Selected))
            box->update();
    }
    UpdateStatus();
}

void TBrowserF::ClearSelection()
{
    const int old = m_browse.ClearSelection();
    m_slots.SetPanelColour(old, false);
    UpdateStatus();
}

void TBrowserF::UpdateStatus()
{
    const QString text = m_browse.StatusText();
    m_ui.Status->setText(text);
    QAccessibleEvent changed(m_ui.Status, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
    // Said with the slot as the selection moves to it.
    if (QWidget *box = m_slots.Box(m_slots.FocusSlot()))
        box->setAccessibleDescription(text);
    m_ui.OpenBout->setEnabled(m_browse.Selected > 0 && !m_workshops.isEmpty());
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
    case Qt::Key_Enter: PopupOpenMenu(m_slots.Box(k)); return true;
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
    if (QWidget *box = m_slots.Box(k))
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
    m_ui.OpenMenu->clear();
    for (qsizetype i = 0; i < m_workshops.size(); ++i)
        m_ui.OpenMenu->addAction(m_workshops[i].Name, this, [this, i] { OpenIn(i); });
    m_ui.OpenBout->setEnabled(m_browse.Selected > 0 && !m_workshops.isEmpty());
}

void TBrowserF::OpenBoutClick() { PopupOpenMenu(m_ui.OpenBout); }

void TBrowserF::PopupOpenMenu(QWidget *under)
{
    if (m_browse.Selected < 1 || m_workshops.isEmpty() || !under)
        return;
    m_ui.OpenMenu->popup(under->mapToGlobal(QPoint(0, under->height())));
    m_ui.OpenMenu->setActiveAction(m_ui.OpenMenu->actions().value(0));
}

void TBrowserF::OpenIn(qsizetype workshop)
{
    const QString path = m_browse.SlotFile(m_browse.Selected);
    if (path.isEmpty() || workshop < 0 || workshop >= m_workshops.size())
        return;
    // The workshops open files by their decoded names only.
    if (HasRawBytes(path) || NameLost(path)) {
        TBrowseControls::Warn(TPageThumbs::UnreadableNameMessage(path), this);
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
    m_settings.wThumb = TBrowseState::ThumbOfItem(m_ui.ThumbCombo->currentIndex());
    m_browse.SetThumb(m_settings.wThumb);
    LayoutSlots();
    // The boxes repaint as they are resized; the selected slot stays so.
    ShowPage(false);
}

void TBrowserF::SearchBoutClick()
{
    // A search under way gives way to the new one: the folder or the
    // switches may have changed since, and what it found is forgotten.
    const bool restart = m_search.Running();
    if (restart) {
        m_search.Cancel();
        m_browse.EndSearch();
    }
    ClearSelection();
    if (!m_browse.BeginSearch())
        return;
    m_thumbs.ForgetFaults();
    if (!restart)
        m_caption = windowTitle();
    setWindowTitle(TBrowseState::SearchingCaption());
    // The thumbnails of the last list are no longer wanted.
    m_thumbs.Request(m_showing.Showing());
    // No folder known yet: the program's own, as the settings' default is.
    m_searchFolder = m_settings.brwPath.isEmpty() ? m_program.State().PicturesStart() : m_settings.brwPath;
    (void)m_search.Start(m_searchFolder, m_settings.brwRecurseFlag, {m_settings.brwBmpFlag, m_settings.brwMetaFlag});
}

void TBrowserF::FilesFound(int, const QStringList &files, const QString &folder)
{
    for (const QString &path : files)
        m_browse.FileFound(path);
    if (!folder.isEmpty())
        m_ui.Status->setText(TBrowseState::FolderStatus(folder));
}

void TBrowserF::EndSearch()
{
    // A slot clicked during the walk loses its colour with the selection.
    m_slots.SetPanelColour(m_browse.Selected, false);
    m_browse.EndSearch();
    ShowPage(true);
    setWindowTitle(m_browse.EndCaption(m_searchFolder));
    UpdateStatus();
    emit SearchEnded();
}

void TBrowserF::ParcoursBoutClick()
{
    if (!m_chooser || m_chooser->isVisible())
        return;
    m_chooser->SetStartPath(m_settings.brwPath);
    // Answered when it closes, without a loop of its own meanwhile.
    connect(
        m_chooser, &QDialog::finished, this,
        [this] {
            if (m_chooser->ChosenPath() == QLatin1String("None"))
                return;
            m_settings.brwPath = m_chooser->ChosenPath();
            m_ui.PathEd->setText(m_settings.brwPath);
        },
        Qt::SingleShotConnection);
    m_chooser->open();
}

void TBrowserF::AideBoutClick() { m_program.ShowHelp(QStringLiteral("Browser")); }

} // namespace Irisonde
