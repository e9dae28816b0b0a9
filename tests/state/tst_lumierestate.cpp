// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

// The light-and-colour-vision workshop's state without any window: the
// published tables, the colours of single wavelengths, the white, a pair of
// metamers, the filters, the bounds of the sources and the keyboard, and
// what a screen reader hears; on screen, what a step repaints and the
// colour-vision view's missing cones.
#include "workshops/state/ColourMatchTables.h"
#include "workshops/state/LumiereScreen.h"
#include "workshops/state/LumiereState.h"

#include <QtTest>

#include <cmath>

using namespace Irisonde;

namespace {

using ColourMatchTables::CieXyz1931;
using ColourMatchTables::ConesLms2000;

size_t Row(int32_t nm) { return size_t((nm - ColourMatchTables::FirstNm) / ColourMatchTables::StepNm); }

double ColumnSum(const std::array<ColourMatchTables::TTriple, ColourMatchTables::Count> &table, size_t c)
{
    double sum = 0;
    for (const auto &row : table)
        sum += row[c];
    return sum;
}

// One source alone at the given strength.
void Lone(TLumiereState &s, int32_t nm, double percent)
{
    s.SetLight(ELight::Sources);
    QVERIFY(s.SetSourceOn(1, true) && s.SetSourceOn(2, false) && s.SetSourceOn(3, false));
    QVERIFY(s.SetWavelength(1, nm) && s.SetStrength(1, percent));
}

// Sources 1 and 2 together.
void Pair(TLumiereState &s, int32_t nm1, double percent1, int32_t nm2, double percent2)
{
    Lone(s, nm1, percent1);
    QVERIFY(s.SetSourceOn(2, true) && s.SetWavelength(2, nm2) && s.SetStrength(2, percent2));
}

bool Within(const TRgb8 &a, const TRgb8 &b, int d)
{
    return std::abs(a.R - b.R) <= d && std::abs(a.G - b.G) <= d && std::abs(a.B - b.B) <= d;
}

} // namespace

class TstLumiereState : public QObject {
    Q_OBJECT
private slots:
    // Published anchors and the CIE's own column sums: a mistyped row moves one.
    void tableAnchors()
    {
        QCOMPARE(CieXyz1931[Row(555)][1], 1.0);
        QCOMPARE(CieXyz1931[Row(600)][0], 1.0622);
        QCOMPARE(CieXyz1931[Row(380)][0], 0.001368);
        QVERIFY(std::abs(ColumnSum(CieXyz1931, 0) - 21.371524) < 2e-6);
        QVERIFY(std::abs(ColumnSum(CieXyz1931, 1) - 21.371327) < 2e-6);
        QVERIFY(std::abs(ColumnSum(CieXyz1931, 2) - 21.371540) < 2e-6);
        // Each cone's peak on the 5 nm grid: L at 570, M at 545, S at 445.
        QCOMPARE(ConesLms2000[Row(570)][0], 0.999993);
        QCOMPARE(ConesLms2000[Row(545)][1], 0.997193);
        QCOMPARE(ConesLms2000[Row(445)][2], 0.991515);
        QCOMPARE(ConesLms2000[Row(390)][2], 9.54729e-03);
        QCOMPARE(ConesLms2000[Row(385)][0], 0.0);
        QCOMPARE(ConesLms2000[Row(620)][2], 0.0);
        // Checksums of the cone table as checked against its source.
        QVERIFY(std::abs(ColumnSum(ConesLms2000, 0) - 23.195818) < 2e-6);
        QVERIFY(std::abs(ColumnSum(ConesLms2000, 1) - 18.964404) < 2e-6);
        QVERIFY(std::abs(ColumnSum(ConesLms2000, 2) - 11.688048) < 2e-6);
    }

    void singleWavelengthHue_data()
    {
        QTest::addColumn<int>("nm");
        QTest::addColumn<int>("channel");
        QTest::newRow("700 nm: a red") << 700 << 0;
        QTest::newRow("530 nm: a green") << 530 << 1;
        QTest::newRow("450 nm: a blue") << 450 << 2;
    }
    void singleWavelengthHue()
    {
        QFETCH(int, nm);
        QFETCH(int, channel);
        TLumiereState s;
        Lone(s, nm, 100);
        const TRgb8 c = s.Colour().Rgb;
        const std::array<int, 3> v{c.R, c.G, c.B};
        const int top = v[size_t(channel)];
        QVERIFY2(top >= 30, qPrintable(c.Hex()));
        for (size_t k = 0; k < 3; ++k)
            if (int(k) != channel)
                QVERIFY2(top >= 2 * v[k] + 10, qPrintable(c.Hex()));
        // Every single wavelength is beyond a screen's primaries.
        QVERIFY(s.Colour().OutOfGamut);
    }

    // The equal-energy white, and the screen's three LEDs at full, both white:
    // two very different spectra seen alike.
    void whiteIsWhite()
    {
        TLumiereState s;
        QCOMPARE(s.Light(), ELight::White);
        QCOMPARE(s.Colour().Rgb, (TRgb8{255, 255, 255}));
        QVERIFY(!s.Colour().OutOfGamut);
        QVERIFY(std::abs(s.Cones().L - 100) < 1e-9 && std::abs(s.Cones().M - 100) < 1e-9
                && std::abs(s.Cones().S - 100) < 1e-9);
        QVERIFY(std::abs(s.Xyz().Y - 1) < 1e-12);
        s.SetLight(ELight::Screen);
        QCOMPARE(s.Colour().Rgb, (TRgb8{255, 255, 255}));
        QVERIFY(s.SetStrength(3, 0)); // blue LED off: yellow
        const TRgb8 c = s.Colour().Rgb;
        QVERIFY2(c.R > 200 && c.G > 200 && c.B < 60, qPrintable(c.Hex()));
    }

    // 580 nm alone against 545 + 615 nm. Cone responses are linear in the
    // strengths, so the 2 x 2 systems are solved from one source at a time:
    // once on L and M (the cones), once on X and Y (the colour-matching
    // functions). The two observers differ slightly, so the strengths are
    // searched between both solutions for one that matches both ways.
    void metamers()
    {
        TLumiereState s;
        Lone(s, 580, 100);
        const TConeResponse target = s.Cones();
        const TXyz targetXyz = s.Xyz();
        const TRgb8 seen = s.Colour().Rgb;
        Lone(s, 545, 100);
        const TConeResponse a = s.Cones();
        const TXyz ax = s.Xyz();
        Lone(s, 615, 100);
        const TConeResponse b = s.Cones();
        const TXyz bx = s.Xyz();
        const auto solve = [](double a1, double b1, double a2, double b2, double t1, double t2) {
            const double det = a1 * b2 - a2 * b1;
            return std::pair{100 * (t1 * b2 - t2 * b1) / det, 100 * (a1 * t2 - a2 * t1) / det};
        };
        const auto [coneA, coneB] = solve(a.L, b.L, a.M, b.M, target.L, target.M);
        const auto [xyzA, xyzB] = solve(ax.X, bx.X, ax.Y, bx.Y, targetXyz.X, targetXyz.Y);
        bool found = false;
        for (int step = 0; step <= 10 && !found; ++step) {
            const double t = step / 10.0;
            const double pa = coneA + t * (xyzA - coneA), pb = coneB + t * (xyzB - coneB);
            Pair(s, 545, pa, 615, pb);
            const TConeResponse c = s.Cones();
            const double worst = std::max({std::abs(c.L - target.L), std::abs(c.M - target.M), std::abs(c.S - target.S)});
            if (worst < 0.01 * target.Largest() && Within(s.Colour().Rgb, seen, 1)) {
                found = true;
                qInfo("545 nm at %.2f %% + 615 nm at %.2f %%: cones within %.2f %% of the largest, %s against %s", pa,
                      pb, 100 * worst / target.Largest(), qPrintable(s.Colour().Rgb.Hex()), qPrintable(seen.Hex()));
            }
        }
        QVERIFY(found);
    }

    void filterMultiplies_data()
    {
        QTest::addColumn<int>("filter");
        for (EFilter f : {EFilter::Red, EFilter::Green, EFilter::Blue, EFilter::Cyan, EFilter::Magenta, EFilter::Yellow})
            QTest::newRow(qPrintable(TFilteredLight::FilterName(f))) << int(f);
    }
    void filterMultiplies()
    {
        QFETCH(int, filter);
        TLumiereState s;
        Pair(s, 452, 60, 617, 80); // two lines between samples: four samples lit
        s.SetFilter(EFilter(filter));
        int lit = 0;
        for (int32_t i = 0; i < ColourMatchTables::Count; ++i) {
            const double t = TFilteredLight::Transmission(EFilter(filter), ColourMatchTables::WavelengthAt(i));
            QVERIFY(t >= 0 && t <= 1);
            QCOMPARE(s.Spectrum()[size_t(i)], s.LightSpectrum()[size_t(i)] * t);
            lit += s.LightSpectrum()[size_t(i)] > 0;
        }
        QCOMPARE(lit, 4);
        QCOMPARE(s.PlotSamples()[Row(615)].Power, s.Spectrum()[Row(615)]);
    }

    void sourceOutsideRefused()
    {
        TLumiereState s;
        Lone(s, 600, 50);
        const QString before = s.Describe();
        QVERIFY(!s.SetWavelength(1, 379));
        QVERIFY(!s.SetWavelength(1, 781));
        QVERIFY(!s.SetWavelength(4, 500));
        QVERIFY(!s.SetStrength(1, 100.5));
        QVERIFY(!s.SetStrength(1, std::nan("")));
        QCOMPARE(s.Source(1).Wavelength, 600);
        QCOMPARE(s.Describe(), before);
    }

    void outOfGamutMarked()
    {
        TLumiereState s;
        QVERIFY(!s.Describe().contains(QStringLiteral("Hors des couleurs de l'écran")));
        Lone(s, 520, 100);
        QVERIFY(s.Colour().OutOfGamut);
        QVERIFY(s.Describe().contains(QStringLiteral("Hors des couleurs de l'écran")));
        const TRgb8 c = s.Colour().Rgb;
        QVERIFY2(c.G == 255 && c.R < 60 && c.B < 60, qPrintable(c.Hex()));
    }

    // The line is shared between samples: every 1 nm step changes the
    // cones, none by a jump.
    void oneNanometreSmooth()
    {
        TLumiereState s;
        Lone(s, 500, 100);
        for (int nm = 501; nm <= 600; ++nm) {
            const TConeResponse before = s.Cones();
            QVERIFY(s.MoveSelected(1));
            const double dl = std::abs(s.Cones().L - before.L), dm = std::abs(s.Cones().M - before.M);
            QVERIFY2(dl + dm > 0.05 && dl < 3 && dm < 3, qPrintable(QString::number(nm)));
        }
    }

    void keyboard()
    {
        TLumiereState s;
        QVERIFY(!s.MoveSelected(1)); // white light: nothing to move
        QVERIFY(!s.ChangeStrength(5)); // already full
        QVERIFY(s.ChangeStrength(-TLumiereState::StrengthLargeStep));
        QCOMPARE(s.WhiteStrength(), 80.0);
        s.SetLight(ELight::Sources);
        QVERIFY(!s.SelectSource(1) && !s.SelectSource(0) && !s.SelectSource(4));
        QVERIFY(s.SelectSource(2));
        QVERIFY(s.MoveSelected(-TLumiereState::NmLargeStep));
        QCOMPARE(s.Source(2).Wavelength, 520);
        QVERIFY(s.SetWavelength(2, 779));
        QVERIFY(s.MoveSelected(TLumiereState::NmLargeStep));
        QCOMPARE(s.Source(2).Wavelength, 780);
        QVERIFY(!s.MoveSelected(1));
        QVERIFY(s.ChangeStrength(-200));
        QCOMPARE(s.Source(2).Strength, 0.0);
        QVERIFY(!s.ChangeStrength(-1));
    }

    void spokenAndCompared()
    {
        TLumiereState s;
        Lone(s, 580, 100);
        const QString said = s.Describe();
        QVERIFY2(said.startsWith(QStringLiteral("Lumière : 580 nm à 100 %. Filtre : aucun. Cônes L 89 %, M 74 %, S 0 %. "
                                                "Couleur perçue : jaune, R 255 V ")),
                 qPrintable(said));
        QVERIFY(said.contains(s.Colour().Rgb.Hex() + QStringLiteral(".")));
        QVERIFY(s.DescribeComparison().isEmpty());
        s.StoreComparison();
        const TLumiereMatch frozen = *s.Comparison();
        s.SetFilter(EFilter::Blue);
        QVERIFY(s.Describe().contains(QStringLiteral("Filtre : bleu.")));
        QVERIFY(s.Cones().L < frozen.Cones.L);
        QCOMPARE(s.Comparison()->Cones.L, frozen.Cones.L);
        QCOMPARE(s.Comparison()->Colour.Rgb, frozen.Colour.Rgb);
        QVERIFY(s.DescribeComparison().startsWith(QStringLiteral("Comparaison : lumière 580 nm à 100 %, filtre aucun.")));
        s.ClearComparison();
        QVERIFY(!s.Comparison());
    }
    // A source moved by 1 nm repaints strips round its line, the ends of
    // the bars and the patch; a vision repaints all; refused keys nothing.
    void stepDamage()
    {
        TLumiereScreen s;
        s.Place(720, 480);
        const TLumierePlaces &at = s.Places();
        QVERIFY(!s.ChooseLight(ELight::Sources).IsEmpty());
        const TDamage step = s.Move(1);
        QVERIFY(step.Contains(QPoint(s.XOf(581), at.Band.center().y())));
        const QRect lTrack = s.BarTrack(0);
        QVERIFY(step.Contains(QPoint(s.BarEnd(s.State().Cones().L), lTrack.center().y())) && step.Contains(at.Patch.center()));
        QVERIFY(!step.Contains(at.Compare.center()) && !step.Contains(lTrack.topLeft()));
        QVERIFY(!step.Contains(QPoint(s.XOf(450), at.Band.center().y())));
        QVERIFY(s.Move(-TLumiereState::MaxNm).Contains(QPoint(s.XOf(380), at.Band.center().y())));
        QVERIFY(s.Move(-1).IsEmpty());
        QVERIFY(s.Compare().Contains(at.Compare.center()));
        QCOMPARE(s.SetVision(EVision::Tritanopia).Bounds(), at.Zone);
    }

    void visionCones_data()
    {
        QTest::addColumn<EVision>("vision");
        QTest::addColumn<QString>("present");
        QTest::addColumn<QString>("said");
        QTest::newRow("normale") << EVision::Normal << "LMS" << "";
        QTest::newRow("protanopie") << EVision::Protanopia << "-MS" << " Vision simulée : protanopie, cônes L absents.";
        QTest::newRow("deutéranopie") << EVision::Deuteranopia << "L-S" << " Vision simulée : deutéranopie, cônes M absents.";
        QTest::newRow("tritanopie") << EVision::Tritanopia << "LM-" << " Vision simulée : tritanopie, cônes S absents.";
        QTest::newRow("achromatopsie") << EVision::Achromatopsia << "---"
                                      << " Vision simulée : achromatopsie, aucun cône ne répond, seuls les bâtonnets voient.";
    }
    void visionCones()
    {
        QFETCH(EVision, vision);
        QFETCH(QString, present);
        QFETCH(QString, said);
        TLumiereScreen s;
        (void)s.SetVision(vision);
        const std::array<bool, 3> cones = s.ConesPresent();
        QString shown;
        for (size_t c = 0; c < 3; ++c)
            shown += cones[c] ? QStringLiteral("LMS")[qsizetype(c)] : QChar(u'-');
        QCOMPARE(shown, present);
        QCOMPARE(s.Describe(), s.State().Describe() + said);
    }
};

QTEST_GUILESS_MAIN(TstLumiereState)
#include "tst_lumierestate.moc"
