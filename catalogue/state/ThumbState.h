// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The drawing of the catalogue's thumbnails, below the window: the picture
// of an empty slot, and a slot's picture read from disk at every call (no
// cache), fitted into its square, with the one loader of each kind (bitmap,
// other raster picture, metafile, drawing) the catalogue reuses for every
// slot.
//
// A file that cannot be read or decoded shows a placeholder (the empty
// square with red diagonals) and is to be reported once per search: the
// result says when this is the first time since the last ForgetFaults().
#include "catalogue/state/BrowseState.h"
#include "imaging/BitmapFileU.h"
#include "imaging/DrawingU.h"
#include "imaging/MetafileU.h"
#include "imaging/RasterU.h"
#include "imaging/PictureFaultU.h"

#include <QColor>
#include <QImage>
#include <QSet>

class QPainter;

namespace Irisonde {

struct TThumbDraw {
    EPictureFault Fault = EPictureFault::None;
    bool Report = false; // the first failure of this file since ForgetFaults()
};

class TThumbState {
public:
    // White, a black one-pixel outline and two grey diagonals, thumb x thumb.
    [[nodiscard]] static QImage MakeEmptyThumb(int thumb);
    // The same square with red diagonals: a file that could not be shown.
    [[nodiscard]] static QImage MakeFaultThumb(int thumb);

    // Slot k of `browse`'s current page into (0, 0, Thumb, Thumb) of
    // `canvas`: the empty square when no file stands there; otherwise the
    // background (blue when selected, else `buttonFace`), then the file, of
    // the kind its content tells: bitmaps as they are, other raster
    // pictures, metafiles and drawings on white. Records the picture's size
    // in browse.PicSize (an invalid size for a file that could not be shown).
    // A name whose bytes the system's encoding does not read is opened
    // through those bytes.
    TThumbDraw DrawThumb(QPainter &canvas, TBrowseState &browse, int k, const QColor &buttonFace);

    // A new search: every file may be reported again.
    void ForgetFaults() { m_reported.clear(); }
    // Frees the loaded pictures (the window's close).
    void Release();

private:
    TPictureBitmap m_bitmap;
    TPictureMetafile m_metafile;
    TPictureRaster m_raster;
    TPictureDrawing m_drawing;
    QSet<QString> m_reported;
};

} // namespace Irisonde
