// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

// Any file the workshops open, told from its content: raster pictures
// through Qt's plugins (the size check before decoding, orientation,
// colour profile), SVG drawings through the guard and Qt SVG, bitmaps and
// metafiles as well; each drawn fitted and stretched.
#include "FuzzSupport.h"
#include "imaging/PictureFileU.h"

using namespace Irisonde;

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    FuzzStartApplication();
    FuzzPicture().ResetPictureState();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QByteArray format;
    TPicture &picture = FuzzPicture();
    switch (SniffPictureFamily(bytes.left(4096), QString(), format)) {
    case EPictureFamily::Raster:
        if (picture.PictureRaster()->LoadFromBytes(bytes, format, QSize(64, 48)) == EPictureFault::None)
            FuzzDrawBothWays([&picture](QPainter &canvas) { picture.DrawRasterPicture(canvas); });
        picture.PictureRaster()->Clear();
        break;
    case EPictureFamily::Drawing:
        if (picture.PictureDrawing()->LoadFromBytes(bytes) == EPictureFault::None)
            FuzzDrawBothWays([&picture](QPainter &canvas) { picture.DrawDrawingPicture(canvas); });
        picture.PictureDrawing()->Clear();
        break;
    default:
        break; // bitmaps and metafiles have targets of their own
    }
    return 0;
}
