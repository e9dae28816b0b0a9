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
// From the keyboard: Tab reaches the page (one slot of it takes the focus),
// the arrows move the selection, Page Up and Page Down turn the pages, Home
// and End go to the first and the last picture of the page; the status line
// then gives the file and its size, and so does the focused slot's
// description, which a screen reader says. Enter (or "Ouvrir") offers the
// picture workshops the program handed in, and opens the selected picture
// in the one chosen.
#include "catalogue/search/SearchU.h"
#include "catalogue/state/BrowseState.h"
#include "catalogue/state/ThumbState.h"

#include <QDialog>

#include <array>
#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace Irisonde {

struct TSettings;
class TParcourF;
class TThumbBox;

// A workshop that opens pictures: its name in the menu, and how the program
// opens it on a file (this window has closed by then).
struct TWorkshopChoice {
    QString Name;
    std::function<void(const QString &path)> Open;
};

// One of the twelve slots, made at show and released at close.
struct TThumbSlot {
    std::unique_ptr<QFrame> SlotPanel; // owns the two below
    QLabel *NameLab = nullptr;
    QWidget *ThumbBox = nullptr;   // a TThumbBox
};

class TBrowserF : public QDialog {
    Q_OBJECT
public:
    // The window shows and changes the catalogue settings of `settings`,
    // which outlive it.
    explicit TBrowserF(TSettings &settings, QWidget *parent = nullptr);
    ~TBrowserF() override;

    // The working-folder chooser "&Parcourir" opens; made after this window.
    void SetChooser(TParcourF *chooser) { m_chooser = chooser; }
    // The workshops "Ouvrir" and Enter offer, in menu order.
    void SetWorkshops(QList<TWorkshopChoice> workshops);

    [[nodiscard]] const TBrowseState &State() const { return m_browse; }
    // Slot k (1 to 12); its widgets are null while the window is closed.
    [[nodiscard]] const TThumbSlot &Slot(int k) const { return m_slots.at(std::size_t(k - 1)); }
    // A search is walking the folders.
    [[nodiscard]] bool Searching() const { return m_run.Search != nullptr; }

public slots:
    void SearchBoutClick();
    void PredBoutClick();
    void SuccBoutClick();
    void wThumbComboChange();
    void ParcoursBoutClick();
    void AideBoutClick();
    void OpenBoutClick();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    friend class TThumbBox;
    void FormShow();
    void FormClose();
    void CreateSlots();
    void LayoutSlots();
    void ShowPage(bool redraw);
    void SetSlotCaption(int k);
    void SetPanelColour(int k, bool selected);
    void DrawThumb(int k, QPainter &canvas);
    void SlotClick(int k);
    // A key pressed on slot k; false when the slot has no use for it.
    [[nodiscard]] bool SlotKey(int k, int key, Qt::KeyboardModifiers modifiers);
    void SelectSlot(int k);
    void TurnPage(bool next, int from);
    void SetFocusSlot(int k);
    void PopupOpenMenu(QWidget *under);
    void OpenIn(qsizetype workshop);
    void ClearSelection();
    void UpdateStatus();
    void EndSearch(const QString &folder);
    void ReportFaults();

    // The walk under way: its search object, a flag on the stack of the
    // click that started it, cleared when the window closes meanwhile, and
    // the caption from before it, which a stopped search leaves.
    struct TRun {
        TPictureSearch *Search = nullptr;
        bool *Alive = nullptr;
        QString Caption;
    };

    TSettings &m_settings;
    TParcourF *m_chooser = nullptr;
    TBrowseState m_browse;
    TThumbState m_thumbs;
    std::array<TThumbSlot, TBrowseState::SlotCount> m_slots;
    TRun m_run;
    QStringList m_faults; // thumbnail messages waiting to be shown
    bool m_shown = false;
    QList<TWorkshopChoice> m_workshops;
    QMenu *m_openMenu;  // "OpenMenu": one item per workshop
    int m_focusSlot = 1; // the slot Tab reaches

    // Tests and the scripts find these by the object names given where they
    // are made ("wThumbCombo", "SearchBout", "Pagelab", "Status"...).
    QComboBox *m_wThumbCombo;
    QCheckBox *m_recurseCheck;
    QCheckBox *m_metaCheck;
    QCheckBox *m_bmpCheck;
    QFrame *m_bevel1, *m_bevel2, *m_bevel3;
    QPushButton *m_searchBout;
    QPushButton *m_parcoursBout;
    QLabel *m_pathLab;
    QLineEdit *m_pathEd;
    QPushButton *m_predBout;
    QPushButton *m_succBout;
    QLabel *m_pageLab;
    QPushButton *m_openBout;
    QPushButton *m_closeBout;
    QPushButton *m_aideBout;
    QFrame *m_panel1;
    QLabel *m_status;
};

} // namespace Irisonde
