// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What went wrong when a picture file was loaded, and the message the user
// reads about it. imaging/ shows no boxes: the shell shows the message.
#include <QString>

namespace Irisonde {

enum class EPictureFault {
    None,             // loaded
    MissingMetafile,  // the metafile vanished before it could be read
    InvalidMetafile,  // not a metafile, or a damaged one
    MissingBitmap,    // the bitmap vanished before it could be read
    InvalidBitmap,    // not a bitmap, or a damaged one
    Unreadable,       // the file exists but cannot be read (rights, I/O error)
    TooLarge,         // the declared picture would need an absurd amount of memory
    UnknownKind,      // no picture the program reads, by content or by name
    MissingPicture,   // a picture of another format vanished before it could be read
    InvalidPicture,   // a photo, screenshot or scan that cannot be decoded
    InvalidDrawing,   // not an SVG drawing, or a damaged one
    TooComplex,       // a drawing nested too deep, referring to itself, or too large once expanded
    LinkedPictures,   // a drawing showing pictures kept in other files
};

// The French message for `fault` about the file `path`, lines separated by
// '\n'; empty for EPictureFault::None. A raster picture's message names
// `formatName` ("JPEG", "PNG"...), by default the one its extension names.
[[nodiscard]] QString PictureFaultMessage(EPictureFault fault, const QString &path);
[[nodiscard]] QString PictureFaultMessage(EPictureFault fault, const QString &path, const QString &formatName);

} // namespace Irisonde
