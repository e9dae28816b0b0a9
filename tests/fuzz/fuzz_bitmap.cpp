// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

// Bitmap files: header checks, decoding (Qt's reader and our run-length
// decoder) and drawing centred and stretched.
#include "FuzzSupport.h"

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
    TBitmapHeader header;
    (void)ReadBitmapHeader(bytes, header);
    if (FuzzPicture().PictureBitmap()->LoadFromBytes(bytes) == EPictureFault::None)
        FuzzDrawBothWays([](QPainter &canvas) { FuzzPicture().DrawBitmapPicture(canvas); });
    // The same bytes as a bitmap embedded in a metafile record.
    QImage image;
    (void)DecodeBitmap(DibToBitmapFile(bytes), image);
    FuzzPicture().PictureBitmap()->Clear();
    return 0;
}
