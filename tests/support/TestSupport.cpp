// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/support/TestSupport.h"

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

QString DataFile(const QString &name)
{
    return QStringLiteral(IRISONDE_TEST_DATA "/") + name;
}

} // namespace testsupport
