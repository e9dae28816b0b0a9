// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/support/TestSupport.h"

#include <algorithm>

namespace testsupport {

QString FirstWrongPixel(const QImage &actual, const QImage &expected)
{
    if (actual.size() != expected.size())
        return QStringLiteral("size %1x%2, expected %3x%4")
            .arg(actual.width()).arg(actual.height())
            .arg(expected.width()).arg(expected.height());
    const QImage a = actual.convertToFormat(QImage::Format_RGB32);
    const QImage e = expected.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < a.height(); ++y) {
        const auto *ra = reinterpret_cast<const QRgb *>(a.constScanLine(y));
        const auto *re = reinterpret_cast<const QRgb *>(e.constScanLine(y));
        for (int x = 0; x < a.width(); ++x)
            if (qRgb(qRed(ra[x]), qGreen(ra[x]), qBlue(ra[x])) != qRgb(qRed(re[x]), qGreen(re[x]), qBlue(re[x])))
                return QStringLiteral("first wrong pixel at (%1, %2) from the top-left: RGB(%3, %4, %5), expected RGB(%6, %7, %8)")
                    .arg(x).arg(y)
                    .arg(qRed(ra[x])).arg(qGreen(ra[x])).arg(qBlue(ra[x]))
                    .arg(qRed(re[x])).arg(qGreen(re[x])).arg(qBlue(re[x]));
    }
    return {};
}

QString DamageFault(const QImage &before, const QImage &after, std::span<const QRect> damage, int margin)
{
    if (before.size() != after.size())
        return QStringLiteral("the images differ in size");
    const QImage b = before.convertToFormat(QImage::Format_RGB32);
    const QImage a = after.convertToFormat(QImage::Format_RGB32);
    const auto changedAt = [&a, &b](int x, int y) {
        return (reinterpret_cast<const QRgb *>(a.constScanLine(y))[x] & 0xFFFFFFu)
            != (reinterpret_cast<const QRgb *>(b.constScanLine(y))[x] & 0xFFFFFFu);
    };
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (changedAt(x, y) && std::none_of(damage.begin(), damage.end(), [x, y](const QRect &r) { return r.contains(x, y); }))
                return QStringLiteral("pixel (%1, %2) changed outside every rectangle").arg(x).arg(y);
    // A rectangle may hold a whole object that was redrawn (a projector's
    // sprite, a disc's square corners): one sprite's area of slack.
    constexpr qint64 slack = 81 * 81;
    for (const QRect &r : damage) {
        QRect inside;
        const QRect clipped = r & a.rect();
        for (int y = clipped.top(); y <= clipped.bottom(); ++y)
            for (int x = clipped.left(); x <= clipped.right(); ++x)
                if (changedAt(x, y))
                    inside |= QRect(x, y, 1, 1);
        const QRect grown = inside.adjusted(-margin, -margin, margin, margin) & r;
        const auto area = [](const QRect &q) { return qint64(q.width()) * q.height(); };
        if (inside.isEmpty() || area(r) > 2 * area(grown) + slack)
            return QStringLiteral("rectangle (%1, %2) %3x%4 is far larger than its changes (%5, %6) %7x%8")
                .arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height())
                .arg(inside.x()).arg(inside.y()).arg(inside.width()).arg(inside.height());
    }
    return {};
}

QString DataFile(const QString &name)
{
    return QStringLiteral(IRISONDE_TEST_DATA "/") + name;
}

} // namespace testsupport
