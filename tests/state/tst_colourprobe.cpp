// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

// The colour probe's texts, its mixture names, and its inks read from the
// four-colour plates themselves.
#include "imaging/ColourProbeU.h"
#include "imaging/ColourU.h"
#include "workshops/state/SepPlates.h"

#include <QtTest>

#include <array>
#include <memory>

using namespace Irisonde;

class TstColourProbe : public QObject {
    Q_OBJECT
private slots:
    void texts_data()
    {
        QTest::addColumn<QRgb>("colour");
        QTest::addColumn<QString>("channels");
        QTest::addColumn<QString>("hex");
        QTest::addColumn<QString>("inks");
        QTest::newRow("orange") << qRgb(255, 128, 0) << "R 255  V 128  B 0" << "#FF8000"
                                << "C 0 %  M 50 %  J 100 %  N 0 %";
        QTest::newRow("black") << qRgb(0, 0, 0) << "R 0  V 0  B 0" << "#000000" << "C 0 %  M 0 %  J 0 %  N 100 %";
        QTest::newRow("mid grey") << qRgb(128, 128, 128) << "R 128  V 128  B 128" << "#808080"
                                  << "C 0 %  M 0 %  J 0 %  N 50 %";
        // Black takes the common grey, 255 - 191; cyan keeps 191 - 64.
        QTest::newRow("muted cyan") << qRgb(64, 191, 191) << "R 64  V 191  B 191" << "#40BFBF"
                                    << "C 50 %  M 0 %  J 0 %  N 25 %";
        QTest::newRow("dark blue, alpha ignored") << qRgba(10, 20, 171, 0) << "R 10  V 20  B 171" << "#0A14AB"
                                                  << "C 63 %  M 59 %  J 0 %  N 33 %";
    }
    void texts()
    {
        QFETCH(QRgb, colour);
        QFETCH(QString, channels);
        QFETCH(QString, hex);
        QFETCH(QString, inks);
        QCOMPARE(ProbeChannelText(colour), channels);
        QCOMPARE(ProbeHexText(colour), hex);
        const auto p = FourColourInkPercents(SwapRB(QColorToColour(QColor::fromRgb(colour))));
        QCOMPARE(ProbeInkText(p[0], p[1], p[2], p[3]), inks);
    }

    void sentenceAndBounds()
    {
        QCOMPARE(ProbeSentence(qRgb(255, 128, 0)), QStringLiteral("Couleur sous le pointeur : rouge 255, vert 128, "
                                                                  "bleu 0, soit #FF8000."));
        QCOMPARE(ProbeInkText(-5, 140, 0, 100), QStringLiteral("C 0 %  M 100 %  J 0 %  N 100 %"));
    }

    void mixtures_data()
    {
        QTest::addColumn<QRgb>("colour");
        QTest::addColumn<QString>("additive");
        QTest::addColumn<QString>("subtractive");
        QTest::newRow("black") << qRgb(0, 0, 0) << "noir" << "noir = cyan + magenta + jaune";
        QTest::newRow("red") << qRgb(255, 0, 0) << "rouge" << "rouge = magenta + jaune";
        QTest::newRow("green") << qRgb(0, 255, 0) << "vert" << "vert = cyan + jaune";
        QTest::newRow("blue") << qRgb(0, 0, 255) << "bleu" << "bleu = cyan + magenta";
        QTest::newRow("yellow") << qRgb(255, 255, 0) << "jaune = rouge + vert" << "jaune";
        QTest::newRow("cyan") << qRgb(0, 255, 255) << "cyan = vert + bleu" << "cyan";
        QTest::newRow("magenta") << qRgb(255, 0, 255) << "magenta = rouge + bleu" << "magenta";
        QTest::newRow("white") << qRgb(255, 255, 255) << "blanc = rouge + vert + bleu" << "blanc";
        QTest::newRow("almost red") << qRgb(254, 0, 0) << "" << "";
        QTest::newRow("mid grey") << qRgb(128, 128, 128) << "" << "";
    }
    void mixtures()
    {
        QFETCH(QRgb, colour);
        QFETCH(QString, additive);
        QFETCH(QString, subtractive);
        QCOMPARE(MixtureName(colour, ESynthesis::Additive), additive);
        QCOMPARE(MixtureName(colour, ESynthesis::Subtractive), subtractive);
    }

    // The probe's inks are the plates' own: a row of colours wide enough for
    // both the plates' pixel and block paths, separated, each plate read back.
    void inksMatchPlates()
    {
        const std::array<uint32_t, 6> colours = {PackRGB(0, 128, 255), PackRGB(64, 191, 191), PackRGB(255, 255, 255),
                                                 PackRGB(0, 0, 0),     PackRGB(200, 30, 90),  PackRGB(7, 250, 13)};
        const int32_t width = 150;
        TDibPlus picture(width, 1);
        for (int32_t x = 0; x < width; ++x)
            picture.SetPixelFast(x, 0, colours[size_t(x) % colours.size()] ^ uint32_t(x)); // blue varies too
        std::array<std::unique_ptr<TDibPlus>, 4> plates;
        std::array<TDibPlus *, 4> ptrs{};
        for (size_t i = 0; i < plates.size(); ++i) {
            plates[i] = std::make_unique<TDibPlus>(width, 1);
            ptrs[i] = plates[i].get();
        }
        SeparateFourColours(picture, ptrs);
        for (int32_t x = 0; x < width; ++x) {
            const uint32_t pixel = picture.GetPixelFast(x, 0);
            const TFourInks ink = FourColourInks(pixel);
            // Each plate shows its ink as the light it takes from white.
            QCOMPARE(255 - int(HighByte(plates[0]->GetPixelFast(x, 0))), int(ink.Cyan));
            QCOMPARE(255 - int(MidByte(plates[1]->GetPixelFast(x, 0))), int(ink.Magenta));
            QCOMPARE(255 - int(LowByte(plates[2]->GetPixelFast(x, 0))), int(ink.Yellow));
            QCOMPARE(255 - int(LowByte(plates[3]->GetPixelFast(x, 0))), int(ink.Black));
        }
    }
};

QTEST_GUILESS_MAIN(TstColourProbe)
#include "tst_colourprobe.moc"
