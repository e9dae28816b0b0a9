// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The catalogue window: the pictures (bitmaps and other raster formats) and
// the metafiles and drawings of the working folder as pages of twelve
// thumbnails. The user picks the size, the kinds and the folder (or drops
// one on the window), starts the search, pages with the buttons or the wheel and clicks a
// thumbnail to read its path and size. The size, the switches and the folder
// are settings, changed at once. Every showing starts empty.
//
// The window never waits: the folders are walked on a thread of their own
// (TSearchRun) and the thumbnails made by a pool of workers (TThumbPool),
// each shown as it comes; a new search, a page turned or the window closed
// drops what is no longer wanted.
//
// From the keyboard: Tab reaches the page (one slot of it takes the focus),
// the arrows move the selection, Page Up and Page Down turn the pages, Home
// and End go to the first and the last picture of the page; the status line
// then gives the file and its size, and so does the focused slot's
// description, which a screen reader says. Enter (or "Ouvrir") offers the
// picture workshops the program handed in, and opens the selected picture
// in the one chosen.
#include "catalogue/BrowseControlsU.h"
#include "catalogue/BrowseSlotsU.h"
#include "catalogue/search/SearchRunU.h"
#include "catalogue/state/BrowseState.h"
#include "catalogue/PageThumbsU.h"
#include "shell/ShowingU.h"

#include <QDialog>

#include <functional>
#include <memory>


namespace Irisonde {

class TProgram;
struct TSettings;
class TParcourF;
class TThumbBox;

// A workshop that opens pictures: its name in the menu, and how the program
// opens it on a file (this window has closed by then).
struct TWorkshopChoice {
    QString Name;
    std::function<void(const QString &path)> Open;
};

class TBrowserF : public QDialog {
    Q_OBJECT
public:
    // The window shows and changes the catalogue settings of `settings`,
    // which outlive it.
    // Reads and changes the program's settings; its help is the program's.
    explicit TBrowserF(TProgram &program, QWidget *parent = nullptr);
    ~TBrowserF() override;

    // The working-folder chooser "&Parcourir" opens; made after this window.
    void SetChooser(TParcourF *chooser) { m_chooser = chooser; }
    // The workshops "Ouvrir" and Enter offer, in menu order.
    void SetWorkshops(QList<TWorkshopChoice> workshops);

    [[nodiscard]] const TBrowseState &State() const { return m_browse; }
    // Slot k (1 to 12); its widgets are null while the window is closed.
    [[nodiscard]] const TThumbSlot &Slot(int k) const { return m_slots.Slot(k); }
    // A search is walking the folders.
    [[nodiscard]] bool Searching() const { return m_search.Running(); }
    // Some slot of the page still waits for its thumbnail.
    [[nodiscard]] bool ThumbsPending() const { return m_thumbs.Pending(); }
    // The thumbnail workers, and the walk (tests slow them down).
    [[nodiscard]] TThumbPool &Pool() { return m_thumbs.Pool(); }
    [[nodiscard]] TSearchRun &SearchRun() { return m_search; }

signals:
    // A search has ended (run to its end or stopped by a new one).
    void SearchEnded();

private slots:
    void SearchBoutClick();
    void PredBoutClick();
    void SuccBoutClick();
    void wThumbComboChange();
    void ParcoursBoutClick();
    void AideBoutClick();
    void OpenBoutClick();

protected:
    void wheelEvent(QWheelEvent *event) override;

private:
    friend class TThumbBox;
    void FormShow();
    void FormClose();
    void LayoutSlots();
    void ShowPage(bool redraw);
    void DrawThumb(int k, QPainter &canvas);
    void SlotClick(int k);
    // A key pressed on slot k; false when the slot has no use for it.
    [[nodiscard]] bool SlotKey(int k, int key, Qt::KeyboardModifiers modifiers);
    void SelectSlot(int k);
    void TurnPage(bool next, int from);
    void PopupOpenMenu(QWidget *under);
    void OpenIn(qsizetype workshop);
    void ClearSelection();
    void UpdateStatus();
    void FilesFound(int run, const QStringList &files, const QString &folder);
    void EndSearch();

    TProgram &m_program;
    TSettings &m_settings;
    TParcourF *m_chooser = nullptr;
    TBrowseControls m_ui;
    TBrowseState m_browse;
    TBrowseSlots m_slots;
    QString m_searchFolder;  // the folder the walk under way searches
    QString m_caption;       // the caption from before it, which a stopped search leaves
    TShowing m_showing;
    QList<TWorkshopChoice> m_workshops;
    // Last: stopped and waited for first, while everything they report to stands.
    TPageThumbs m_thumbs;
    TSearchRun m_search;
};

} // namespace Irisonde
