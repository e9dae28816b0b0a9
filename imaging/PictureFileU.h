// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A picture file read whole and its family told from its content, the
// extension serving only when the content says nothing: a PNG named ".bmp"
// opens as the PNG it is, a damaged ".bmp" gets the bitmap's message.
#include "imaging/PictureFaultU.h"
#include "imaging/PictureFormatsU.h"

#include <QByteArray>
#include <QString>

namespace Irisonde {

// No picture file the program reads comes near this; a larger one is
// refused before it is read.
inline constexpr qint64 MaxPictureFileBytes = 256ll * 1024 * 1024;

struct TPictureFile {
    EPictureFault Fault = EPictureFault::None;
    EPictureFamily Family = EPictureFamily::None; // by content, else (and after a fault) by name
    QByteArray Format;  // Qt's name of a raster format ("png", "jpeg"...); empty for the others
    QByteArray Bytes;
};

// The family of the picture whose first bytes (or all) are `head`, and for a
// raster picture Qt's name of its format; None when the content is no
// picture the program recognises. The file's `name` counts only for the
// formats whose signatures other files share (targa, icon, wireless bitmap).
[[nodiscard]] EPictureFamily SniffPictureFamily(const QByteArray &head, const QString &name, QByteArray &format);

// The family of `path` by its content, else by its name; reads only its
// first bytes. None for a folder, a missing file or another kind.
[[nodiscard]] EPictureFamily PictureFamilyOfFile(const QString &path);

// Reads `path` whole and tells its family. A missing file gets the missing
// message of the family its name gives; content no reader recognises, the
// invalid message of that family, or UnknownKind for a name of no family.
[[nodiscard]] TPictureFile ReadPictureFile(const QString &path);

// The name French messages give the format of `file` ("PNG", "JPEG"...):
// its content's, or its name's when the content said nothing.
[[nodiscard]] QString FormatNameOfFile(const TPictureFile &file, const QString &path);

} // namespace Irisonde
