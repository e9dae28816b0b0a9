// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

// The colour-vision views against a reference computed here in double
// precision from the published matrices and the exact sRGB curves, in every
// pixel format the views take; the frame they read left as it was; the
// light tables over all their inputs.
#include "imaging/ColourVisionU.h"

#include <QPainter>
#include <QtTest>

#include <array>
#include <cmath>

using namespace Irisonde;

namespace {

using TMatrix = std::array<double, 9>;

// Machado, Oliveira and Fernandes (2009), severity 1.0; Rec. 709 luminance.
TMatrix Reference(EVision v)
{
    switch (v) {
    case EVision::Normal:
        break;
    case EVision::Protanopia:
        return {0.152286, 1.052583, -0.204868, 0.114503, 0.786281, 0.099216, -0.003882, -0.048116, 1.051998};
    case EVision::Deuteranopia:
        return {0.367322, 0.860646, -0.227968, 0.280085, 0.672501, 0.047413, -0.011820, 0.042940, 0.968881};
    case EVision::Tritanopia:
        return {1.255528, -0.076749, -0.178779, -0.078411, 0.930809, 0.147602, 0.004733, 0.691367, 0.303900};
    case EVision::Achromatopsia:
        return {0.2126, 0.7152, 0.0722, 0.2126, 0.7152, 0.0722, 0.2126, 0.7152, 0.0722};
    }
    return {1, 0, 0, 0, 1, 0, 0, 0, 1};
}

double Decode(int v)
{
    const double c = v / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// The exact byte level (not rounded) of a linear light.
double Encode(double l)
{
    l = std::clamp(l, 0.0, 1.0);
    return 255.0 * (l <= 0.0031308 ? 12.92 * l : 1.055 * std::pow(l, 1.0 / 2.4) - 0.055);
}

QRgb Expected(EVision v, QRgb c)
{
    const TMatrix m = Reference(v);
    const double r = Decode(qRed(c)), g = Decode(qGreen(c)), b = Decode(qBlue(c));
    const auto out = [&](int row) {
        return int(std::lround(Encode(m[size_t(3 * row)] * r + m[size_t(3 * row + 1)] * g + m[size_t(3 * row + 2)] * b)));
    };
    return qRgba(out(0), out(1), out(2), qAlpha(c));
}

bool Near(QRgb a, QRgb b, int tolerance = 1)
{
    return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance
           && std::abs(qBlue(a) - qBlue(b)) <= tolerance && qAlpha(a) == qAlpha(b);
}

QString Text(QRgb c) { return QStringLiteral("(%1, %2, %3)").arg(qRed(c)).arg(qGreen(c)).arg(qBlue(c)); }

// Every pixel of `actual` within one level of the reference view of `source`.
void CompareToReference(EVision v, const QImage &source, const QImage &actual)
{
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x) {
            const QRgb want = Expected(v, source.pixel(x, y)), got = actual.pixel(x, y);
            QVERIFY2(Near(got, want), qPrintable(QStringLiteral("%1 at (%2, %3): %4, expected %5")
                                                      .arg(VisionName(v)).arg(x).arg(y).arg(Text(got), Text(want))));
        }
}

// Every level of every channel in many mixes, over more than one run of
// the pixel stage.
QImage Sweep(QImage::Format format)
{
    QImage out(301, 67, format);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x)
            out.setPixel(x, y, qRgb((x * 7 + y) & 255, (x * 3 + y * 5) & 255, (x + y * 11) & 255));
    return out;
}

} // namespace

class TstColourVision : public QObject {
    Q_OBJECT
private slots:
    void names()
    {
        const QStringList expected = {"Vision normale", "Protanopie", "Deutéranopie", "Tritanopie", "Achromatopsie"};
        for (int i = 0; i < VisionCount; ++i)
            QCOMPARE(VisionName(VisionFromIndex(i)), expected[i]);
        QCOMPARE(VisionFromIndex(-1), EVision::Normal);
        QCOMPARE(VisionFromIndex(VisionCount), EVision::Normal);
    }

    // The corners of the RGB cube and mid grey, in each format the views take.
    void corners_data()
    {
        QTest::addColumn<int>("vision");
        QTest::addColumn<QRgb>("colour");
        const std::array<std::pair<const char *, QRgb>, 9> colours = {{
            {"black", qRgb(0, 0, 0)}, {"red", qRgb(255, 0, 0)}, {"green", qRgb(0, 255, 0)},
            {"blue", qRgb(0, 0, 255)}, {"yellow", qRgb(255, 255, 0)}, {"cyan", qRgb(0, 255, 255)},
            {"magenta", qRgb(255, 0, 255)}, {"white", qRgb(255, 255, 255)}, {"mid grey", qRgb(128, 128, 128)},
        }};
        const std::array<const char *, VisionCount> views = {"normal", "protanopia", "deuteranopia", "tritanopia",
                                                              "achromatopsia"};
        for (int v = 0; v < VisionCount; ++v)
            for (const auto &[name, colour] : colours)
                QTest::addRow("%s, %s", views[size_t(v)], name) << v << colour;
    }
    void corners()
    {
        QFETCH(int, vision);
        QFETCH(QRgb, colour);
        const TColourVision view(VisionFromIndex(vision));
        QVERIFY(Near(view.Seen(colour), Expected(view.Vision(), colour)));
        for (const auto format : {QImage::Format_BGR888, QImage::Format_RGB32, QImage::Format_ARGB32_Premultiplied}) {
            QImage image(5, 3, format);
            image.fill(colour);
            const QImage plain = image.copy();
            QVERIFY(view.Apply(image, image.rect()));
            CompareToReference(view.Vision(), plain, image);
        }
    }

    // A full frame through each view, then normal vision again: the frame
    // the view reads is never written, and switching back gives it exactly.
    void frameUntouched_data()
    {
        QTest::addColumn<int>("format");
        QTest::newRow("BGR888") << int(QImage::Format_BGR888);
        QTest::newRow("RGB32") << int(QImage::Format_RGB32);
    }
    void frameUntouched()
    {
        QFETCH(int, format);
        const QImage frame = Sweep(QImage::Format(format));
        const QImage before = frame.copy();
        QImage shown = frame; // shares the store until written
        for (int v = 1; v < VisionCount; ++v) {
            const TColourVision view(VisionFromIndex(v));
            QVERIFY(view.Apply(frame, shown, frame.rect()));
            CompareToReference(view.Vision(), frame, shown);
            QCOMPARE(frame, before);
        }
        QVERIFY(TColourVision(EVision::Normal).Apply(frame, shown, frame.rect()));
        QCOMPARE(shown, before);
        QCOMPARE(frame, before);
    }

    // Only the area is written, in place; see-through pixels keep their alpha
    // and are simulated on their own colour.
    void areaAndAlpha()
    {
        const QImage frame = Sweep(QImage::Format_BGR888);
        QImage image = frame.copy();
        const TColourVision view(EVision::Tritanopia);
        const QRect area(10, 5, 270, 40);
        QVERIFY(view.Apply(image, area.adjusted(0, 0, 400, 0))); // clipped to the image
        const QRect clipped = area.adjusted(0, 0, 400, 0).intersected(frame.rect());
        CompareToReference(view.Vision(), frame.copy(clipped), image.copy(clipped));
        QImage outside = image, original = frame.copy();
        QPainter(&outside).fillRect(clipped, Qt::black);
        QPainter(&original).fillRect(clipped, Qt::black);
        QCOMPARE(outside, original);

        QImage glass(1, 1, QImage::Format_ARGB32_Premultiplied);
        const QRgb stored = qPremultiply(qRgba(200, 60, 30, 128));
        glass.setPixel(0, 0, stored);
        QVERIFY(view.Apply(glass, glass.rect()));
        // Premultiplying twice over costs up to two levels of the straight colour.
        QVERIFY(Near(qUnpremultiply(glass.pixel(0, 0)), Expected(view.Vision(), qUnpremultiply(stored)), 2));
    }

    void refused()
    {
        const TColourVision view(EVision::Deuteranopia);
        QImage indexed(4, 4, QImage::Format_Indexed8), null;
        QVERIFY(!view.Apply(indexed, indexed.rect()));
        QVERIFY(!view.Apply(null, QRect(0, 0, 4, 4)));
        const QImage frame = Sweep(QImage::Format_RGB32);
        QImage smaller(10, 10, QImage::Format_RGB32), other(frame.size(), QImage::Format_BGR888);
        smaller.fill(Qt::white);
        QVERIFY(!view.Apply(frame, smaller, frame.rect()));
        QVERIFY(!view.Apply(frame, other, frame.rect()));
        QCOMPARE(smaller.pixel(0, 0), qRgb(255, 255, 255));
    }

    // The tables against the exact curves: every byte decodes to its light
    // and encodes back to itself; every 16-bit light encodes within one level.
    void lightTables()
    {
        for (int b = 0; b < 256; ++b) {
            QVERIFY(std::abs(double(TColourVision::DecodeByte(uint8_t(b))) - Decode(b)) < 1e-6);
            QCOMPARE(int(TColourVision::EncodeLight(TColourVision::DecodeByte(uint8_t(b)))), b);
        }
        double worst = 0;
        for (int i = 0; i <= 65535; ++i) {
            const double l = i / 65535.0;
            worst = std::max(worst, std::abs(TColourVision::EncodeLight(float(l)) - Encode(l)));
        }
        QVERIFY2(worst <= 1.0, qPrintable(QString::number(worst)));
        QCOMPARE(int(TColourVision::EncodeLight(-0.5f)), 0);
        QCOMPARE(int(TColourVision::EncodeLight(2.0f)), 255);
    }
};

QTEST_GUILESS_MAIN(TstColourVision)
#include "tst_colourvision.moc"
