// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The picture files the program opens, by family, and their names: the
// extensions the open dialog, the catalogue's search and counts and the
// loaders' messages go by. Qt Core only, so that the search (which links
// nothing more) can use it.
//
// The extension is a hint, not the rule: the loaders tell a file's format
// from its content, and use the extension only when the content says
// nothing (which message a damaged file gets).
#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>

namespace Irisonde {

// The families: Windows bitmaps (".bmp", shown at their own size), the
// other raster formats Qt's image plugins read (photos, screenshots, web
// images, scans), Windows metafiles and SVG drawings.
enum class EPictureFamily : std::uint8_t { None, Bitmap, Raster, Metafile, Drawing };

// Lower case, without the dot. Every format Qt's image plugins read on
// Debian (qt6-image-formats-plugins) but SVG, with the other names JPEG and
// TIFF files are given.
inline constexpr std::array<QStringView, 22> RasterExtensions{
    u"png", u"jpg", u"jpeg", u"jpe", u"jfif", u"gif", u"tif", u"tiff", u"webp", u"tga", u"ico", u"cur",
    u"icns", u"pbm", u"pgm", u"ppm", u"xbm", u"xpm", u"wbmp", u"mng", u"dib", u"pnm"};
inline constexpr std::array<QStringView, 2> DrawingExtensions{u"svg", u"svgz"};

// The extension of `name` (a file name or a path) from its last dot, in
// lower case; empty when there is none or a separator follows it.
[[nodiscard]] inline QString PictureExtension(QStringView name)
{
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot < 0 || name.indexOf(u'/', dot) >= 0)
        return {};
    return name.mid(dot + 1).toString().toLower();
}

// The family the extension of `name` names; None for any other.
[[nodiscard]] inline EPictureFamily FamilyOfName(QStringView name)
{
    const QString ext = PictureExtension(name);
    if (ext.isEmpty())
        return EPictureFamily::None;
    if (ext == u"bmp")
        return EPictureFamily::Bitmap;
    if (ext == u"wmf")
        return EPictureFamily::Metafile;
    for (QStringView e : DrawingExtensions)
        if (ext == e)
            return EPictureFamily::Drawing;
    for (QStringView e : RasterExtensions)
        if (ext == e)
            return EPictureFamily::Raster;
    return EPictureFamily::None;
}

// Bitmaps and the other raster formats: the catalogue's "BitMaps".
[[nodiscard]] inline bool IsRasterFamily(EPictureFamily f) { return f == EPictureFamily::Bitmap || f == EPictureFamily::Raster; }
// Metafiles and drawings: the catalogue's "Métafichiers".
[[nodiscard]] inline bool IsVectorFamily(EPictureFamily f) { return f == EPictureFamily::Metafile || f == EPictureFamily::Drawing; }

// The name a French message gives the format of `name`'s extension ("JPEG",
// "PNG", "TIFF"...); empty for an unknown one.
[[nodiscard]] inline QString FormatNameOf(QStringView name)
{
    const QString ext = PictureExtension(name);
    if (FamilyOfName(name) == EPictureFamily::None)
        return {};
    if (ext == u"jpg" || ext == u"jpe" || ext == u"jfif")
        return QStringLiteral("JPEG");
    if (ext == u"tif")
        return QStringLiteral("TIFF");
    if (ext == u"svgz")
        return QStringLiteral("SVG");
    if (ext == u"dib")
        return QStringLiteral("BMP");
    if (ext == u"webp")
        return QStringLiteral("WebP");
    return ext.toUpper();
}

} // namespace Irisonde
