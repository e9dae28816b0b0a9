// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The twelve slots of the catalogue's page: made at show and released at
// close, placed for the thumbnail size, captioned, coloured when selected
// and, one at a time, the slot Tab reaches.
#include "catalogue/state/BrowseState.h"

#include <QColor>

#include <array>
#include <memory>

class QFontMetrics;
class QFrame;
class QLabel;
class QWidget;

namespace Irisonde {

class TBrowserF;

// One of the twelve slots; its widgets are null while the window is closed.
struct TThumbSlot {
    std::unique_ptr<QFrame> SlotPanel; // owns the two below
    QLabel *NameLab = nullptr;
    QWidget *ThumbBox = nullptr;   // a TThumbBox
};

class TBrowseSlots {
public:
    // The colour of an unselected slot: the style's button face.
    [[nodiscard]] static QColor ButtonFace();

    // Makes the slots in `owner`, none selected, the first one reached by Tab.
    void Create(TBrowserF &owner);
    void Release();
    // Places the slots and sizes their boxes for `browse`'s thumbnail size.
    void Layout(const TBrowseState &browse);
    // Slot k's caption, cut to its width, and the name a screen reader says.
    void SetCaption(int k, const TBrowseState &browse, const QFontMetrics &metrics);
    void SetPanelColour(int k, bool selected);
    void SetFocusSlot(int k);
    [[nodiscard]] int FocusSlot() const { return m_focusSlot; }
    // Slot k (1 to 12), and its picture box (null when closed or out of range).
    [[nodiscard]] const TThumbSlot &Slot(int k) const { return m_slots.at(std::size_t(k - 1)); }
    [[nodiscard]] QWidget *Box(int k) const;

private:
    std::array<TThumbSlot, TBrowseState::SlotCount> m_slots;
    int m_focusSlot = 1;
};

} // namespace Irisonde
