// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The bridge to libwmf's lite library: it parses and plays the records, and
// a device layer of our own draws them on a QPainter.
#include <QByteArray>
#include <QRectF>

class QPainter;

namespace Irisonde {

// How metafile coordinates reach the target rectangle.
struct TWmfMapping {
    bool UseFrame = false; // placeable: through the header's frame, in metafile units
    QRectF Frame;          // left, top, width, height (width or height may be negative)
    QRectF Box;            // plain: the player's bounding box, in its device units
};

// Runs the player's scan over `bytes` (a checked metafile). False when the
// player refuses the file. `box` receives its bounding box.
[[nodiscard]] bool WmfScan(const QByteArray &bytes, QRectF &box);

// Plays `bytes` onto `painter`, the picture mapped into `target`; nothing is
// drawn outside `target`. False when the player stopped on a bad record
// (what was drawn before stays).
bool WmfPlay(const QByteArray &bytes, QPainter &painter, const QRectF &target, const TWmfMapping &mapping);

} // namespace Irisonde
