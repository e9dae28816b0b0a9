// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "imaging/PictureFileU.h"
#include "imaging/DrawingU.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <cstdint>

namespace Irisonde {

namespace {

// Enough for every signature below and for an SVG's prologue.
constexpr qsizetype HeadBytes = 4096;

std::uint16_t U16(const QByteArray &b, qsizetype at)
{
    const auto *p = reinterpret_cast<const unsigned char *>(b.constData()) + at;
    return std::uint16_t(p[0] | p[1] << 8);
}

bool LooksLikeMetafile(const QByteArray &head)
{
    if (head.startsWith(QByteArrayLiteral("\xD7\xCD\xC6\x9A")))
        return true;
    // A plain metafile's header: memory or disk type, nine words, version 1 or 3.
    return head.size() >= 18 && (U16(head, 0) == 1 || U16(head, 0) == 2) && U16(head, 2) == 9
        && (U16(head, 4) == 0x0100 || U16(head, 4) == 0x0300);
}

// Formats whose signatures many other files share (a targa's first bytes
// are a cursor's, a wireless bitmap's almost anything's) are taken from the
// content only when the name agrees: a damaged bitmap never opens as a
// scrambled targa.
bool WeakSignature(const QByteArray &format)
{
    return format == "tga" || format == "wbmp" || format == "ico" || format == "cur";
}

} // namespace

EPictureFamily SniffPictureFamily(const QByteArray &head, const QString &name, QByteArray &format)
{
    format.clear();
    if (head.startsWith("BM"))
        return EPictureFamily::Bitmap;
    if (LooksLikeMetafile(head))
        return EPictureFamily::Metafile;
    if (LooksLikeDrawing(head))
        return EPictureFamily::Drawing;
    QBuffer buffer;
    buffer.setData(head);
    if (!buffer.open(QIODevice::ReadOnly))
        return EPictureFamily::None;
    const QByteArray found = QImageReader::imageFormat(&buffer);
    if (found.isEmpty() || found == "svg" || found == "svgz")
        return EPictureFamily::None;
    if (WeakSignature(found)) {
        const QByteArray named = PictureExtension(name).toLatin1();
        if (!WeakSignature(named))
            return EPictureFamily::None;
        format = named; // the name's, which the reader tries first
        return EPictureFamily::Raster;
    }
    if (found == "bmp")
        return EPictureFamily::Bitmap;
    format = found;
    return EPictureFamily::Raster;
}

EPictureFamily PictureFamilyOfFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return EPictureFamily::None;
    QFile file(path);
    QByteArray format;
    if (file.open(QIODevice::ReadOnly)) {
        const EPictureFamily family = SniffPictureFamily(file.read(HeadBytes), info.fileName(), format);
        if (family != EPictureFamily::None)
            return family;
    }
    return FamilyOfName(info.fileName());
}

TPictureFile ReadPictureFile(const QString &path)
{
    TPictureFile result;
    const QFileInfo info(path);
    const EPictureFamily byName = FamilyOfName(info.fileName());
    const auto refuse = [&result, byName](EPictureFault fault) {
        result.Fault = fault;
        result.Family = byName;
        return result;
    };
    if (!info.exists()) {
        switch (byName) {
        case EPictureFamily::Bitmap: return refuse(EPictureFault::MissingBitmap);
        case EPictureFamily::Metafile: return refuse(EPictureFault::MissingMetafile);
        case EPictureFamily::None: return refuse(EPictureFault::UnknownKind);
        default: return refuse(EPictureFault::MissingPicture);
        }
    }
    QFile file(path);
    if (info.isFile() && !file.open(QIODevice::ReadOnly))
        return refuse(EPictureFault::Unreadable);
    if (file.isOpen() && file.size() > MaxPictureFileBytes)
        return refuse(EPictureFault::TooLarge);
    if (file.isOpen()) {
        result.Bytes = file.readAll();
        if (file.error() != QFileDevice::NoError)
            return refuse(EPictureFault::Unreadable);
    }
    result.Family = SniffPictureFamily(result.Bytes.left(HeadBytes), info.fileName(), result.Format);
    if (result.Family != EPictureFamily::None)
        return result;
    // The content said nothing: the name decides which reader fails, and so
    // which message the user reads; raster formats without a signature are
    // read by the format their name gives.
    switch (byName) {
    case EPictureFamily::None:
        return refuse(EPictureFault::UnknownKind);
    case EPictureFamily::Raster:
        result.Format = PictureExtension(info.fileName()).toLatin1();
        break;
    default:
        break;
    }
    result.Family = byName;
    return result;
}

QString FormatNameOfFile(const TPictureFile &file, const QString &path)
{
    if (file.Format.isEmpty() || file.Family != EPictureFamily::Raster)
        return FormatNameOf(path);
    return FormatNameOf(QStringLiteral("x.") + QString::fromLatin1(file.Format));
}

} // namespace Irisonde
