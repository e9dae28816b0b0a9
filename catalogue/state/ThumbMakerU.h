// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// One catalogue thumbnail made from its file, away from the window: the
// picture fitted into its square (TBrowseState::FitPicture), ready to be
// drawn at that place, with the program's own loaders and their checks. A
// photo is decoded no larger than needed (JPEG at an eighth, a quarter...
// of its size); bitmaps and other raster pictures larger than the shared
// thumbnail cache's edge are served from that cache, and written to it when
// it had no sound entry. Holds no state: several threads make thumbnails at
// once, each with its own loaders.
#include "catalogue/state/ThumbCacheU.h"
#include "imaging/PictureFaultU.h"

#include <QImage>
#include <QSize>
#include <QString>

namespace Irisonde {

enum class EThumbSource { File, Cache };

struct TThumbImage {
    EPictureFault Fault = EPictureFault::None;
    QImage Picture; // FitPicture's size; raster pictures, metafiles and drawings on white
    QSize Natural;  // the picture's own size; invalid after a fault
    EThumbSource Source = EThumbSource::File;
};

// The thumbnail of `path` for a square of `thumb` pixels; `cache` may be
// null (no cache used). A name whose bytes the system's encoding does not
// read is opened through those bytes, and never cached (it has no URI).
[[nodiscard]] TThumbImage MakeThumb(const QString &path, int thumb, const TThumbCache *cache);

} // namespace Irisonde
