// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Helpers shared by the tests.
#include <QImage>
#include <QString>
#include <QtTest>

namespace testsupport {

// Empty when both images have the same size and the same RGB at every pixel;
// otherwise a sentence naming the size mismatch or the first wrong pixel
// (x, y counted from the top-left, as QImage counts).
QString FirstWrongPixel(const QImage &actual, const QImage &expected);

// Path of a file under tests/data.
QString DataFile(const QString &name);

} // namespace testsupport

// Fails the test with the first wrong pixel named.
#define IRISONDE_COMPARE_IMAGES(actual, expected)                                   \
    do {                                                                            \
        const QString irisondeDiff = testsupport::FirstWrongPixel((actual), (expected)); \
        QVERIFY2(irisondeDiff.isEmpty(), qPrintable(irisondeDiff));                 \
    } while (false)
