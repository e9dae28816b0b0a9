// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The thumbnails of the catalogue's page, below the window: the picture of
// an empty slot, and each slot's thumbnail as the workers hand it in
// (TThumbPool, MakeThumb); a slot whose thumbnail has not come yet shows its
// background alone.
//
// A file that cannot be read or decoded shows a placeholder (the empty
// square with red diagonals) and is to be reported once per search: Accept
// says when this is the first time since the last ForgetFaults().
#include "catalogue/state/BrowseState.h"
#include "catalogue/state/ThumbMakerU.h"

#include <QColor>
#include <QImage>
#include <QSet>

#include <array>
#include <optional>

class QPainter;

namespace Irisonde {

class TThumbState {
public:
    // White, a black one-pixel outline and two grey diagonals, thumb x thumb.
    [[nodiscard]] static QImage MakeEmptyThumb(int thumb);
    // The same square with red diagonals: a file that could not be shown.
    [[nodiscard]] static QImage MakeFaultThumb(int thumb);

    // Slot k of `browse`'s current page into (0, 0, Thumb, Thumb) of
    // `canvas`: the empty square when no file stands there; otherwise the
    // background (blue when selected, else `buttonFace`), then the
    // thumbnail once it has come.
    void DrawThumb(QPainter &canvas, const TBrowseState &browse, int k, const QColor &buttonFace) const;

    // Every slot waits for its thumbnail again (a new page, size or search).
    void Clear();
    // Slot k's thumbnail has come: kept, and its picture's size recorded in
    // `browse` (invalid for a file that could not be shown). True when its
    // fault is to be reported.
    [[nodiscard]] bool Accept(TBrowseState &browse, int k, TThumbImage thumb);
    // Slot k still waits for its thumbnail.
    [[nodiscard]] bool Waiting(int k) const;

    // A new search: every file may be reported again.
    void ForgetFaults() { m_reported.clear(); }
    // Frees the thumbnails (the window's close).
    void Release();

private:
    std::array<std::optional<TThumbImage>, TBrowseState::SlotCount> m_slots;
    QSet<QString> m_reported;
};

} // namespace Irisonde
