// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "imaging/RasterU.h"
#include "imaging/BitmapFileU.h"

#include <QBuffer>
#include <QColorSpace>
#include <QImageReader>

#include <algorithm>
#include <cmath>

namespace Irisonde {

namespace {

// The reader's own bound, in megabytes, for formats that cannot tell their
// size before decoding: the largest accepted picture at 32 bits a pixel.
constexpr int AllocationLimitMB = int(MaxBitmapPixels * 4 / (1024 * 1024)) + 1;

bool Swaps(QImageIOHandler::Transformations t) { return t.testFlag(QImageIOHandler::TransformationRotate90); }

// The decoded size for showing at `wanted` a picture stored at `stored`:
// the smallest eighth of it (1/8, 2/8... 8/8) no smaller than wanted, as
// JPEG decodes those directly.
QSize DecodeSize(QSize stored, QSize wanted)
{
    if (wanted.isEmpty() || wanted.width() >= stored.width() || wanted.height() >= stored.height())
        return stored;
    const double need = std::max(double(wanted.width()) / stored.width(), double(wanted.height()) / stored.height());
    const int eighths = std::clamp(int(std::ceil(need * 8 - 1e-9)), 1, 8);
    return QSize(std::max(1, (stored.width() * eighths + 7) / 8), std::max(1, (stored.height() * eighths + 7) / 8));
}

} // namespace

QRect RasterPlacement(QSize natural, int W0, int H0, bool stretch)
{
    if (natural.isEmpty() || W0 <= 0 || H0 <= 0)
        return {};
    if (stretch)
        return QRect(0, 0, W0, H0);
    QSize size = natural;
    if (size.width() > W0 || size.height() > H0)
        size = natural.scaled(W0, H0, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
    return QRect((W0 - size.width()) / 2, (H0 - size.height()) / 2, size.width(), size.height());
}

TRasterDecode DecodeRaster(const QByteArray &bytes, const QByteArray &format, QSize area, bool stretch)
{
    TRasterDecode result;
    QByteArray data = bytes; // shared, not copied
    QBuffer buffer(&data);
    if (!buffer.open(QIODevice::ReadOnly)) {
        result.Fault = EPictureFault::InvalidPicture;
        return result;
    }
    QImageReader reader(&buffer, format);
    reader.setAutoTransform(true);
    reader.setAllocationLimit(AllocationLimitMB);
    // The size the header declares decides, before anything is decoded.
    const QSize stored = reader.size();
    if (stored.isValid() && qint64(stored.width()) * stored.height() > MaxBitmapPixels) {
        result.Fault = EPictureFault::TooLarge;
        return result;
    }
    const bool swap = Swaps(reader.transformation());
    if (stored.isValid() && !area.isEmpty() && reader.supportsOption(QImageIOHandler::ScaledSize)) {
        const QSize natural = swap ? stored.transposed() : stored;
        const QSize wanted = RasterPlacement(natural, area.width(), area.height(), stretch).size();
        const QSize decode = DecodeSize(stored, swap ? wanted.transposed() : wanted);
        if (decode != stored)
            reader.setScaledSize(decode);
    }
    QImage image;
    if (!reader.read(&image) || image.isNull()) {
        // Sixteen bits a channel may need more than the reader's bound: too
        // large, not damaged.
        const bool beyondBound = stored.isValid() && qint64(stored.width()) * stored.height() * 8 > qint64(AllocationLimitMB) << 20;
        result.Fault = beyondBound ? EPictureFault::TooLarge : EPictureFault::InvalidPicture;
        return result;
    }
    if (qint64(image.width()) * image.height() > MaxBitmapPixels) {
        result.Fault = EPictureFault::TooLarge;
        return result;
    }
    // Shown as other programs show it: in sRGB, transparency over the background.
    const bool alpha = image.hasAlphaChannel();
    const QColorSpace space = image.colorSpace();
    if (space.isValid() && space != QColorSpace(QColorSpace::SRgb)) {
        image.convertTo(alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
        image.convertToColorSpace(QColorSpace::SRgb);
    }
    image.convertTo(alpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    if (image.isNull()) {
        result.Fault = EPictureFault::TooLarge;
        return result;
    }
    result.Natural = stored.isValid() ? (swap ? stored.transposed() : stored) : image.size();
    result.Image = std::move(image);
    return result;
}

EPictureFault TPictureRaster::LoadFromBytes(const QByteArray &bytes, const QByteArray &format, QSize area, bool stretch)
{
    TRasterDecode decoded = DecodeRaster(bytes, format, area, stretch);
    if (decoded.Fault != EPictureFault::None)
        return decoded.Fault;
    m_bytes = bytes;
    m_format = format;
    m_natural = decoded.Natural;
    m_decoded = std::move(decoded.Image);
    m_scaled = QImage();
    return EPictureFault::None;
}

const QImage &TPictureRaster::Scaled(QSize size)
{
    if (size.isEmpty() || m_decoded.isNull() || size == m_decoded.size())
        return m_decoded;
    if (m_scaled.size() == size)
        return m_scaled;
    const bool tooSmall = m_decoded.width() < std::min(size.width(), m_natural.width())
        || m_decoded.height() < std::min(size.height(), m_natural.height());
    if (tooSmall) {
        TRasterDecode again = DecodeRaster(m_bytes, m_format, size, true);
        if (again.Fault == EPictureFault::None)
            m_decoded = std::move(again.Image);
        if (size == m_decoded.size())
            return m_decoded;
    }
    m_scaled = m_decoded.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return m_scaled;
}

void TPictureRaster::Clear()
{
    m_bytes.clear();
    m_format.clear();
    m_natural = QSize();
    m_decoded = QImage();
    m_scaled = QImage();
}

} // namespace Irisonde
