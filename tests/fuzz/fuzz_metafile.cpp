// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

// Metafiles: header checks and record walk, libwmf's scan, and playing
// through our device layer fitted and stretched.
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
    if (FuzzPicture().PictureMetafile()->LoadFromBytes(bytes) == EPictureFault::None)
        FuzzDrawBothWays([](QPainter &canvas) { FuzzPicture().DrawMetafilePicture(canvas); });
    FuzzPicture().PictureMetafile()->Clear();
    return 0;
}
