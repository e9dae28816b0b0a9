// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tips/TipListU.h"

#include "imaging/ResourceU.h"

#include <array>

namespace Irisonde {

namespace Tips {

namespace {

// Bytes 0x80 to 0x9F; the rest of the code page is Latin-1.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98-9F
};

constexpr char kCR = 13;

} // namespace

QString DecodeWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        *out++ = (b >= 0x80 && b <= 0x9F) ? QChar(kHigh[b - 0x80]) : QChar(b);
    }
    return text;
}

QStringList ParseTips(QByteArrayView resource)
{
    QStringList tips;
    const qsizetype size = resource.size();
    qsizetype position = 0;
    while (position < size) {
        qsizetype end = resource.indexOf(kCR, position);
        if (end < 0)
            end = size;
        const QByteArrayView line = resource.sliced(position, end - position);
        if (line == QByteArrayView("FIN"))
            break;
        tips.append(DecodeWindows1252(line));
        // Past the CR and the LF that follows it.
        position = end + 2;
    }
    return tips;
}

QStringList LoadTips()
{
    return ParseTips(LoadResourceBytes(kResourceFile));
}

std::int32_t NextTipIndex(std::int32_t index, qsizetype count)
{
    if (count <= 0 || index < 0 || index >= count - 1)
        return 0;
    return index + 1;
}

std::int32_t PredTipIndex(std::int32_t index, qsizetype count)
{
    if (count <= 0)
        return 0;
    if (index <= 0 || index > count - 1)
        return static_cast<std::int32_t>(count - 1);
    return index - 1;
}

std::int32_t ShownTipIndex(std::int32_t stored, qsizetype count)
{
    return (stored < 0 || stored > count - 1) ? 0 : stored;
}

QString NumeroText(std::int32_t index, qsizetype count)
{
    return QStringLiteral("Astuce n° %1 sur %2").arg(qint64(index) + 1).arg(count);
}

} // namespace Tips

} // namespace Irisonde
