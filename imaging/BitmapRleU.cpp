#include "imaging/BitmapRleU.h"

#include <algorithm>

bool DecodeRleBitmap(const QByteArray &bytes, const TBitmapHeader &header, QImage &image)
{
    const bool four = header.Compression == 2;
    const int w = header.Width, h = header.Height;
    QImage out(w, h, QImage::Format_Indexed8);
    if (out.isNull())
        return false;
    out.fill(0);

    // Colour table; indices past its end show black.
    const auto *data = reinterpret_cast<const unsigned char *>(bytes.constData());
    const qsizetype size = bytes.size();
    QList<QRgb> table(256, qRgb(0, 0, 0));
    const qsizetype tableAt = 14 + header.InfoSize;
    for (int i = 0; i < header.Colours; ++i) {
        const unsigned char *e = data + tableAt + 4 * i;
        table[i] = qRgb(e[2], e[1], e[0]);
    }
    out.setColorTable(table);

    qsizetype pos = header.DataOffset;
    int x = 0, y = 0; // y counts rows from the bottom
    const auto put = [&](int value) {
        if (x < w) // pixels past the right edge are dropped
            out.scanLine(h - 1 - y)[x++] = uchar(value);
    };
    while (y < h) {
        if (pos + 2 > size)
            return false; // the data stops before its end mark
        const int count = data[pos], code = data[pos + 1];
        pos += 2;
        if (count > 0) {
            // Encoded run: one index, or two alternating ones for RLE4.
            for (int i = 0; i < count && x < w; ++i)
                put(four ? ((i & 1) ? (code & 0x0F) : (code >> 4)) : code);
            continue;
        }
        if (code == 0) { // end of line
            x = 0;
            ++y;
        } else if (code == 1) { // end of bitmap
            break;
        } else if (code == 2) { // delta
            if (pos + 2 > size)
                return false;
            x = std::min(x + data[pos], w);
            y += data[pos + 1];
            pos += 2;
        } else { // absolute run of `code` indices, padded to a 16-bit boundary
            const qsizetype runBytes = four ? (code + 1) / 2 : code;
            const qsizetype padded = runBytes + (runBytes & 1);
            if (pos + padded > size)
                return false;
            for (int i = 0; i < code; ++i) {
                const unsigned char b = data[pos + (four ? i / 2 : i)];
                put(four ? ((i & 1) ? (b & 0x0F) : (b >> 4)) : b);
            }
            pos += padded;
        }
    }
    image = std::move(out);
    return true;
}
