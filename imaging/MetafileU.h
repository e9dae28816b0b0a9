// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Windows metafiles (".wmf"): header checks, natural size, and the loaded
// metafile object of the picture workshops (`PictureMetafile`).
#include "imaging/PictureFaultU.h"
#include <QByteArray>
#include <QRect>
#include <QRectF>
#include <QSize>

class QPainter;

namespace Irisonde {

// What the headers and records of a metafile declare.
struct TMetafileInfo {
    bool Placeable = false;
    QRect Frame;            // placeable: left, top, right, bottom in metafile units (may be reversed)
    int UnitsPerInch = 0;   // placeable only
    QSize WindowExtent;     // first SETWINDOWEXT, absolute values; empty if none
    QRectF Window;          // first SETWINDOWORG and SETWINDOWEXT, signed
    QSize NaturalSize;      // pixels at 96 per inch (placeable) or window extent (plain)
};

// Checks the headers and walks the records of the metafile in `bytes`
// without playing it. On success `playable` holds the bytes as handed to the
// player: header fields that the player trusts blindly (largest record,
// checksum) recomputed, and an end record added when the producer left it out.
[[nodiscard]] EPictureFault ReadMetafileHeader(const QByteArray &bytes, TMetafileInfo &info, QByteArray &playable);

class TPictureMetafile {
public:
    // Loads the file `path`; on failure the previous picture stays.
    [[nodiscard]] EPictureFault LoadFromFile(const QString &path);
    // Loads a whole metafile held in memory; on failure the previous picture stays.
    [[nodiscard]] EPictureFault LoadFromBytes(const QByteArray &bytes);

    [[nodiscard]] bool IsEmpty() const { return m_bytes.isEmpty(); }
    [[nodiscard]] QSize NaturalSize() const { return m_info.NaturalSize; }
    [[nodiscard]] const TMetafileInfo &Info() const { return m_info; }
    // The display size: the natural size until changed.
    [[nodiscard]] int Width() const { return m_display.width(); }
    [[nodiscard]] int Height() const { return m_display.height(); }
    void SetDisplaySize(int width, int height) { m_display = QSize(width, height); }

    // Plays the metafile stretched into `target` (canvas coordinates);
    // nothing is drawn outside it.
    void Draw(QPainter &canvas, const QRectF &target) const;
    void Clear();

private:
    QByteArray m_bytes;     // as handed to the player
    TMetafileInfo m_info;
    QRectF m_box;           // the player's bounding box, for plain metafiles
    QSize m_display;
};

} // namespace Irisonde
