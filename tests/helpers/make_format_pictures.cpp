// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the small picture files of the format tests into the folder given
// (tests/data): one file per format, per EXIF orientation and per fault,
// named after its case. The files are committed; run this again only after
// changing it: make_format_pictures tests/data
//
// Every raster file shows the same 48 x 32 picture, six 16-pixel blocks
// (red, green, blue over yellow, cyan, magenta), so that lossy formats
// still give each block's colour at its centre.
#include <QBuffer>
#include <QColorSpace>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>

#include <zlib.h>

#include <cstdio>

namespace {

QDir g_out;

QImage Blocks()
{
    const QRgb colours[2][3] = {{qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)},
                                {qRgb(255, 255, 0), qRgb(0, 255, 255), qRgb(255, 0, 255)}};
    QImage image(48, 32, QImage::Format_RGB32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 48; ++x)
            image.setPixel(x, y, colours[y / 16][x / 16]);
    return image;
}

QByteArray Encoded(const QImage &image, const char *format, int quality = -1)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    if (!writer.write(image))
        std::fprintf(stderr, "cannot encode %s: %s\n", format, qPrintable(writer.errorString()));
    return buffer.data();
}

void Write(const char *name, const QByteArray &bytes)
{
    QFile file(g_out.filePath(QString::fromLatin1(name)));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        std::fprintf(stderr, "cannot write %s\n", name);
}

QByteArray Be32(quint32 v)
{
    const char bytes[4] = {char(v >> 24), char(v >> 16), char(v >> 8), char(v)};
    return QByteArray(bytes, 4);
}

// An uncompressed true-colour targa, bottom row first (Qt reads but does not write them).
QByteArray Targa(const QImage &image)
{
    // Qt reads only TrueVision 2.0 files: the footer at the end says so.
    QByteArray bytes(18, '\0');
    bytes[2] = 2;
    bytes[12] = char(image.width() & 0xFF);
    bytes[13] = char(image.width() >> 8);
    bytes[14] = char(image.height() & 0xFF);
    bytes[15] = char(image.height() >> 8);
    bytes[16] = 24;
    for (int y = image.height() - 1; y >= 0; --y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            bytes.append(char(qBlue(c))).append(char(qGreen(c))).append(char(qRed(c)));
        }
    return bytes + QByteArray(8, '\0') + QByteArray("TRUEVISION-XFILE.\0", 18);
}

// A GIF of the picture's colours (at most eight). Qt reads GIF but does not
// write it: each pixel is written as its own code, with a clear code every
// five pixels so that the codes stay four bits wide.
QByteArray Gif(const QImage &image, int frames = 1)
{
    QList<QRgb> palette;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!palette.contains(image.pixel(x, y)))
                palette.append(image.pixel(x, y));
    palette.resize(8, qRgb(0, 0, 0));
    const auto le16 = [](int v) { return QByteArray(1, char(v & 0xFF)) + char(v >> 8); };
    QByteArray gif = "GIF89a" + le16(image.width()) + le16(image.height()) + QByteArray("\xF2\0\0", 3);
    for (QRgb c : palette)
        gif.append(char(qRed(c))).append(char(qGreen(c))).append(char(qBlue(c)));
    QByteArray codes; // the LZW data, packed least significant bit first
    quint32 acc = 0;
    int bits = 0;
    const auto put = [&](int code) {
        acc |= quint32(code) << bits;
        for (bits += 4; bits >= 8; bits -= 8, acc >>= 8)
            codes.append(char(acc & 0xFF));
    };
    int run = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            if (run++ % 5 == 0)
                put(8); // clear
            put(int(palette.indexOf(image.pixel(x, y))));
        }
    put(9); // end
    if (bits > 0)
        codes.append(char(acc & 0xFF));
    QByteArray blocks;
    for (qsizetype at = 0; at < codes.size(); at += 255) {
        const QByteArray part = codes.mid(at, 255);
        blocks += char(part.size()) + part;
    }
    blocks += '\0';
    for (int f = 0; f < frames; ++f)
        gif += ',' + le16(0) + le16(0) + le16(image.width()) + le16(image.height()) + '\0' + '\3' + blocks;
    return gif + ';';
}

// The stored picture of EXIF orientation `o`: turned back, so that every
// orientation shows Blocks() once applied.
QImage StoredFor(int o)
{
    const QImage shown = Blocks();
    const bool swap = o >= 5;
    const int w = swap ? shown.height() : shown.width(), h = swap ? shown.width() : shown.height();
    QImage stored(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            // Where stored pixel (x, y) is shown.
            const QPoint at[9] = {{}, {x, y}, {w - 1 - x, y}, {w - 1 - x, h - 1 - y}, {x, h - 1 - y},
                                  {y, x}, {h - 1 - y, x}, {h - 1 - y, w - 1 - x}, {y, w - 1 - x}};
            stored.setPixel(x, y, shown.pixel(at[o]));
        }
    return stored;
}

// A JPEG with an EXIF block holding only the orientation, after the start marker.
QByteArray WithOrientation(const QByteArray &jpeg, int o)
{
    QByteArray tiff("II\x2A\0\x08\0\0\0", 8);
    tiff += QByteArray("\x01\0", 2);                                     // one entry
    tiff += QByteArray("\x12\x01\x03\0\x01\0\0\0", 8) + char(o) + QByteArray(3, '\0'); // Orientation, SHORT, 1
    tiff += QByteArray(4, '\0');                                         // no next directory
    const QByteArray body = QByteArray("Exif\0\0", 6) + tiff;
    const int length = int(body.size()) + 2;
    QByteArray app1("\xFF\xE1", 2);
    app1 += char(length >> 8);
    app1 += char(length & 0xFF);
    return jpeg.left(2) + app1 + body + jpeg.mid(2);
}

// A PNG whose header declares `w` x `h`, with a correct checksum.
QByteArray PngDeclaring(const QByteArray &png, quint32 w, quint32 h)
{
    QByteArray bytes = png;
    bytes.replace(16, 8, Be32(w) + Be32(h));
    const quint32 crc = quint32(crc32(0, reinterpret_cast<const Bytef *>(bytes.constData() + 12), 17));
    bytes.replace(29, 4, Be32(crc));
    return bytes;
}

// A JPEG whose frame header declares `w` x `h`.
QByteArray JpegDeclaring(const QByteArray &jpeg, int w, int h)
{
    QByteArray bytes = jpeg;
    const qsizetype sof = bytes.indexOf("\xFF\xC0");
    bytes[sof + 5] = char(h >> 8);
    bytes[sof + 6] = char(h & 0xFF);
    bytes[sof + 7] = char(w >> 8);
    bytes[sof + 8] = char(w & 0xFF);
    return bytes;
}

const char *const Drawing = R"(<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="96" height="48" viewBox="0 0 96 48">
  <rect x="0" y="0" width="48" height="48" fill="#ff0000"/>
  <rect x="48" y="0" width="48" height="48" fill="#0000ff"/>
</svg>
)";

QByteArray Gzipped(const QByteArray &data)
{
    z_stream z{};
    deflateInit2(&z, 9, Z_DEFLATED, 16 + MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    QByteArray out(int(deflateBound(&z, uLong(data.size()))), '\0');
    z.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.constData()));
    z.avail_in = uInt(data.size());
    z.next_out = reinterpret_cast<Bytef *>(out.data());
    z.avail_out = uInt(out.size());
    deflate(&z, Z_FINISH);
    out.resize(qsizetype(z.total_out));
    deflateEnd(&z);
    return out;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2)
        return 2;
    g_out = QDir(QString::fromLocal8Bit(argv[1]));
    const QImage blocks = Blocks();
    const QByteArray png = Encoded(blocks, "png"), jpeg = Encoded(blocks, "jpeg", 95);
    Write("format_png.png", png);
    Write("format_jpeg.jpg", jpeg);
    Write("format_gif.gif", Gif(blocks));
    Write("format_tiff.tif", Encoded(blocks, "tiff"));
    Write("format_webp.webp", Encoded(blocks, "webp", 100));
    Write("format_tga.tga", Targa(blocks));
    Write("format_svg.svg", Drawing);
    Write("format_svgz.svgz", Gzipped(Drawing));
    Write("png_named_as_bitmap.bmp", png);
    for (int o = 1; o <= 8; ++o)
        Write(qPrintable(QStringLiteral("exif_orientation_%1.jpg").arg(o)), WithOrientation(Encoded(StoredFor(o), "jpeg", 95), o));
    // A grey tagged with a wide-gamut profile of another tone curve: it
    // shows lighter once brought to sRGB.
    QImage tagged(16, 16, QImage::Format_RGB32);
    tagged.fill(qRgb(100, 100, 100));
    tagged.setColorSpace(QColorSpace(QColorSpace::ProPhotoRgb));
    Write("profile_prophoto.png", Encoded(tagged, "png"));

    Write("png_truncated.png", png.left(png.size() / 2));
    Write("png_huge_dimensions.png", PngDeclaring(png, 60000, 60000));
    Write("jpeg_huge_dimensions.jpg", JpegDeclaring(jpeg, 60000, 60000));
    Write("jpeg_garbage_after_header.jpg", jpeg.left(20) + QByteArray(300, '\x5A'));
    Write("gif_bad_data.gif", QByteArray("GIF89a\x30\0\x20\0", 10) + QByteArray(40, '\xFF'));
    Write("webp_bad_data.webp", QByteArray("RIFF\x40\0\0\0WEBPVP8 ", 16) + QByteArray(56, '\x11'));
    Write("tiff_bad_data.tif", QByteArray("II\x2A\0\xFF\xFF\xFF\x0F", 8) + QByteArray(32, '\0'));
    Write("svg_bad_xml.svg", "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"10\" height=\"10\"><rect></svg>");
    Write("svg_use_itself.svg", R"(<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" width="10" height="10">
<g id="a"><rect width="5" height="5"/><use xlink:href="#a"/></g></svg>)");
    Write("svg_use_cycle.svg", R"(<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" width="10" height="10">
<defs><g id="a"><use xlink:href="#b"/></g><g id="b"><use xlink:href="#a"/></g></defs><use xlink:href="#a"/></svg>)");
    Write("svg_image_itself.svg", R"(<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" width="10" height="10">
<image width="10" height="10" xlink:href="svg_image_itself.svg"/></svg>)");
    // Ten levels of ten copies each: 10^10 elements once expanded.
    QByteArray laughs = "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" width=\"10\" height=\"10\"><defs><rect id=\"l0\" width=\"1\" height=\"1\"/>";
    for (int level = 1; level <= 10; ++level) {
        laughs += "<g id=\"l" + QByteArray::number(level) + "\">";
        for (int i = 0; i < 10; ++i)
            laughs += "<use xlink:href=\"#l" + QByteArray::number(level - 1) + "\"/>";
        laughs += "</g>";
    }
    Write("svg_use_explosion.svg", laughs + "</defs><use xlink:href=\"#l10\"/></svg>");
    Write("svgz_truncated.svgz", Gzipped(Drawing).left(40));
    return 0;
}
