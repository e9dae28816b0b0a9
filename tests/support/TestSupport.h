// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Helpers shared by the tests.
#include <QImage>
#include <QString>
#include <QtTest>

#include <span>

namespace testsupport {

// Empty when both images have the same size and the same RGB at every pixel;
// otherwise a sentence naming the size mismatch or the first wrong pixel
// (x, y counted from the top-left, as QImage counts).
QString FirstWrongPixel(const QImage &actual, const QImage &expected);

// Empty when `damage` (rectangles in the images' coordinates) holds every
// pixel that differs between `before` and `after`, and each rectangle is no
// more than twice the box round the changes inside it (grown by `margin`),
// give or take one projector sprite, so that a spot's step cannot name the
// whole window; otherwise a sentence naming the first changed pixel left
// out, or the rectangle far larger than its changes.
QString DamageFault(const QImage &before, const QImage &after, std::span<const QRect> damage, int margin = 4);
// Path of a file under tests/data.
QString DataFile(const QString &name);

} // namespace testsupport

// Fails the test with the fault of DamageFault named.
#define IRISONDE_VERIFY_DAMAGE(before, after, damage)                                      \
    do {                                                                                    \
        const QString irisondeFault = testsupport::DamageFault((before), (after), (damage)); \
        QVERIFY2(irisondeFault.isEmpty(), qPrintable(irisondeFault));                       \
    } while (false)

// Fails the test with the first wrong pixel named.
#define IRISONDE_COMPARE_IMAGES(actual, expected)                                   \
    do {                                                                            \
        const QString irisondeDiff = testsupport::FirstWrongPixel((actual), (expected)); \
        QVERIFY2(irisondeDiff.isEmpty(), qPrintable(irisondeDiff));                 \
    } while (false)
