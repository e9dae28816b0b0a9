// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

// The synthesis workshops' state without any window: dragging with its hit
// priority and clamps, the mixing of discs (OR of lights, AND of inks) on
// either path of the composition, the projector turning, the inks' strength,
// the raster combination clipped at every edge, and areas too small for the
// layout rules.
#include "tests/support/SynthProbe.h"
#include "tests/support/TestSupport.h"
#include "workshops/state/AddState.h"
#include "workshops/state/SubState.h"

#include <QtTest>

#include <cmath>

using namespace Irisonde;

namespace {

using testsupport::Away;
const auto At = testsupport::ColourAt;

enum class EKind { Add, Sub };

// A workshop's state as its window shows it at the design size.
std::unique_ptr<TSynthState> Shown(EKind kind)
{
    std::unique_ptr<TSynthState> s(kind == EKind::Add ? static_cast<TSynthState *>(new TAddState) : new TSubState);
    s->Show(592, 413);
    return s;
}

QPointF Centre(const TSynthState &s, int k) { return QPointF(s.Disc(k).X, s.Disc(k).Y); }
QColor Screen(const TSynthState &s, QPoint p) { return At(*s.FrameLayer(), p); }

// Disc k taken at its centre and dropped at `to`, released unless `hold`.
void Drag(TSynthState &s, int k, QPoint to, bool hold = false)
{
    s.StartDrag(s.Disc(k).X, s.Disc(k).Y);
    QCOMPARE(s.DragDisc(), k);
    QVERIFY(!s.DragTo(to.x(), to.y()).IsEmpty());
    if (!hold)
        s.EndDrag();
}

} // namespace

class TstSynthState : public QObject {
    Q_OBJECT
private slots:
    // The discs dragged into a triangle of side 24 (each pair overlapping well
    // inside both blot outlines), read while the last one is still held
    // (background layer plus the dragged disc) and once composed afresh.
    void mixing_data()
    {
        QTest::addColumn<EKind>("kind");
        QTest::addColumn<int>("region");
        QTest::addColumn<QColor>("expected");
        const QColor white(255, 255, 255), black(0, 0, 0);
        QTest::newRow("lights: all three, white") << EKind::Add << 0 << white;
        QTest::newRow("lights: red and green, yellow") << EKind::Add << 12 << QColor(255, 255, 0);
        QTest::newRow("lights: red and blue, magenta") << EKind::Add << 13 << QColor(255, 0, 255);
        QTest::newRow("lights: green and blue, cyan") << EKind::Add << 23 << QColor(0, 255, 255);
        QTest::newRow("lights: red alone") << EKind::Add << 1 << QColor(255, 0, 0);
        QTest::newRow("inks: all three, black") << EKind::Sub << 0 << black;
        QTest::newRow("inks: cyan and magenta, blue") << EKind::Sub << 12 << QColor(0, 0, 255);
        QTest::newRow("inks: cyan and yellow, green") << EKind::Sub << 13 << QColor(0, 255, 0);
        QTest::newRow("inks: magenta and yellow, red") << EKind::Sub << 23 << QColor(255, 0, 0);
        QTest::newRow("inks: cyan alone") << EKind::Sub << 1 << QColor(0, 255, 255);
        QTest::newRow("inks: outside, white") << EKind::Sub << -1 << white;
    }
    void mixing()
    {
        QFETCH(EKind, kind);
        QFETCH(int, region);
        QFETCH(QColor, expected);
        const auto s = Shown(kind);
        // In this order each press finds its own disc's centre uncovered.
        Drag(*s, 1, QPoint(200, 130));
        Drag(*s, 2, QPoint(224, 130));
        Drag(*s, 3, QPoint(212, 109), true);
        const QPointF c1 = Centre(*s, 1), c2 = Centre(*s, 2), c3 = Centre(*s, 3), g = (c1 + c2 + c3) / 3;
        QPoint p(5, 5);
        switch (region) {
        case 0: p = g.toPoint(); break;
        case 12: p = Away((c1 + c2) / 2, c3, 25); break;
        case 13: p = Away((c1 + c3) / 2, c2, 25); break;
        case 23: p = Away((c2 + c3) / 2, c1, 25); break;
        case 1: p = Away(c1, g, 28); break;
        }
        QCOMPARE(Screen(*s, p), expected);
        s->EndDrag();
        s->Compose();
        QCOMPARE(Screen(*s, p), expected);
    }

    // A press takes the first of discs 1, 2, 3 under it, or none; a move
    // puts the taken disc's centre under the pointer, no further than half a
    // radius off the screen at the top and the sides and a radius above the
    // strip; the screen is then the same as one composed afresh.
    void drag_data()
    {
        QTest::addColumn<EKind>("kind");
        QTest::addColumn<int>("region"); // where the press is
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<int>("disc");
        QTest::addColumn<QPoint>("centre");
        const QPoint p(100, 100);
        QTest::newRow("red over blue") << EKind::Add << 13 << p << 1 << p;
        QTest::newRow("green over blue") << EKind::Add << 23 << p << 2 << p;
        QTest::newRow("exactly at the radius") << EKind::Add << 100 << p << 1 << p;
        QTest::newRow("one beyond the radius") << EKind::Add << 101 << p << 0 << p;
        QTest::newRow("outside every disc") << EKind::Sub << -1 << p << 0 << p;
        QTest::newRow("lights: far left") << EKind::Add << 1 << QPoint(-500, 100) << 1 << QPoint(-19, 100);
        QTest::newRow("lights: far right") << EKind::Add << 1 << QPoint(5000, 100) << 1 << QPoint(582 + 19, 100);
        QTest::newRow("lights: far up") << EKind::Add << 1 << QPoint(100, -500) << 1 << QPoint(100, -19);
        QTest::newRow("lights: far down") << EKind::Add << 1 << QPoint(100, 5000) << 1 << QPoint(100, 233 - 38);
        QTest::newRow("inks: far left and down") << EKind::Sub << 1 << QPoint(-500, 5000) << 1 << QPoint(-21, 261 - 43);
        QTest::newRow("inks: far right and up") << EKind::Sub << 1 << QPoint(5000, -500) << 1 << QPoint(582 + 21, -21);
    }
    void drag()
    {
        QFETCH(EKind, kind);
        QFETCH(int, region);
        QFETCH(QPoint, to);
        QFETCH(int, disc);
        QFETCH(QPoint, centre);
        const auto s = Shown(kind);
        const QPointF c1 = Centre(*s, 1), c2 = Centre(*s, 2), c3 = Centre(*s, 3);
        QPoint p(5, 5);
        if (region == 1 || region == 13)
            p = region == 1 ? c1.toPoint() : Away((c1 + c3) / 2, c2, 24);
        else if (region == 23)
            p = Away((c2 + c3) / 2, c1, 24);
        else if (region >= 100)
            p = (c1 + QPointF(0, 38 + region - 100)).toPoint();
        const QImage before = s->FrameLayer()->Image();
        s->StartDrag(p.x(), p.y());
        QCOMPARE(s->DragDisc(), disc);
        QCOMPARE(!s->DragTo(to.x(), to.y()).IsEmpty(), disc != 0);
        const QImage shown = s->FrameLayer()->Image();
        if (disc == 0)
            IRISONDE_COMPARE_IMAGES(shown, before);
        else
            QCOMPARE(Centre(*s, disc).toPoint(), centre);
        s->EndDrag();
        QCOMPARE(s->DragDisc(), 0);
        s->Compose();
        IRISONDE_COMPARE_IMAGES(shown, s->FrameLayer()->Image());
    }

    // Which discs a screen reader says overlap, radius 38: pairs closer than
    // 76, and all three when the least circle round the centres is smaller
    // than 38.
    void overlaps_data()
    {
        QTest::addColumn<QList<QPoint>>("centres");
        QTest::addColumn<QList<bool>>("pairs"); // (1, 2), (1, 3), (2, 3)
        QTest::addColumn<bool>("all");
        QTest::newRow("far apart") << QList<QPoint>{{50, 50}, {300, 50}, {500, 190}} << QList<bool>{false, false, false} << false;
        QTest::newRow("red and green only") << QList<QPoint>{{100, 100}, {170, 100}, {400, 100}} << QList<bool>{true, false, false} << false;
        QTest::newRow("in a row, the ends apart") << QList<QPoint>{{100, 100}, {170, 100}, {240, 100}} << QList<bool>{true, false, true} << false;
        QTest::newRow("close triangle") << QList<QPoint>{{100, 100}, {140, 100}, {120, 130}} << QList<bool>{true, true, true} << true;
        // Sides 70, circumradius 40.4: each pair meets, no point is in all three.
        QTest::newRow("wide equilateral") << QList<QPoint>{{100, 100}, {170, 100}, {135, 161}} << QList<bool>{true, true, true} << false;
        QTest::newRow("obtuse, within reach") << QList<QPoint>{{100, 100}, {170, 100}, {135, 110}} << QList<bool>{true, true, true} << true;
    }
    void overlaps()
    {
        QFETCH(QList<QPoint>, centres);
        QFETCH(QList<bool>, pairs);
        QFETCH(bool, all);
        const auto s = Shown(EKind::Add);
        QCOMPARE(s->DiscRadius(), 38);
        // Each disc taken by the keys to its place, inside the clamps.
        for (int k = 1; k <= 3; ++k) {
            s->SetKeyDisc(k);
            (void)s->KeyMove(centres[k - 1].x() - s->Disc(k).X, centres[k - 1].y() - s->Disc(k).Y);
            QCOMPARE(QPoint(s->Disc(k).X, s->Disc(k).Y), centres[k - 1]);
        }
        const TSynthState::TOverlaps o = s->Overlaps();
        QCOMPARE((QList<bool>{o.Pairs[0], o.Pairs[1], o.Pairs[2]}), pairs);
        QCOMPARE(o.All, all);
    }

    // A key step is a drag step of the chosen disc: same centre, same
    // clamps, same screen; a colour change while the keys hold a disc
    // recolours the others too.
    void keyMove_data()
    {
        QTest::addColumn<EKind>("kind");
        QTest::addColumn<int>("disc");
        QTest::addColumn<QPoint>("step");
        QTest::newRow("lights: green, one right") << EKind::Add << 2 << QPoint(1, 0);
        QTest::newRow("lights: blue, ten up") << EKind::Add << 3 << QPoint(0, -10);
        QTest::newRow("lights: red, held far down") << EKind::Add << 1 << QPoint(0, 100000);
        QTest::newRow("inks: magenta, held far left") << EKind::Sub << 2 << QPoint(-2147483647, 0);
        QTest::newRow("inks: yellow, diagonal") << EKind::Sub << 3 << QPoint(-7, 5);
    }
    void keyMove()
    {
        QFETCH(EKind, kind);
        QFETCH(int, disc);
        QFETCH(QPoint, step);
        const auto byKey = Shown(kind), byMouse = Shown(kind);
        byKey->SetKeyDisc(disc);
        QVERIFY(!byKey->KeyMove(step.x(), step.y()).IsEmpty());
        // Taken where no other disc lies over it, as the pupil would; the
        // centre jumps under the pointer.
        const QPoint from = Centre(*byMouse, disc).toPoint();
        const QPoint grip = Away(from, (Centre(*byMouse, 1) + Centre(*byMouse, 2) + Centre(*byMouse, 3)) / 3, 30);
        byMouse->StartDrag(grip.x(), grip.y());
        QCOMPARE(byMouse->DragDisc(), disc);
        QVERIFY(!byMouse->DragTo(int(std::clamp<qint64>(qint64(from.x()) + step.x(), -100000, 100000)),
                                int(std::clamp<qint64>(qint64(from.y()) + step.y(), -100000, 100000))).IsEmpty());
        byMouse->EndDrag();
        QCOMPARE(Centre(*byKey, disc), Centre(*byMouse, disc));
        IRISONDE_COMPARE_IMAGES(byKey->FrameLayer()->Image(), byMouse->FrameLayer()->Image());

        for (auto *s : {byKey.get(), byMouse.get()}) {
            (void)s->SetExtended(true);
            (void)s->BarChange(1, {40, 70, 10});
        }
        IRISONDE_COMPARE_IMAGES(byKey->FrameLayer()->Image(), byMouse->FrameLayer()->Image());
        byKey->Close();
        QVERIFY(byKey->KeyMove(1, 0).IsEmpty());
    }

    // The lamp's lens (red pixels in the sprite's upper half) swings to the
    // side of the disc: upright under a disc straight above, to the right
    // (clockwise) when the disc goes right.
    void projectorTurns()
    {
        TAddState s;
        s.Show(592, 413);
        const int left = s.Projector(1).X, centreX = left + 40;
        auto lensX = [&] {
            double sum = 0;
            int n = 0;
            for (int y = 0; y < 40; ++y)
                for (int x = left; x < left + 81; ++x)
                    if (At(*s.StripImage(), QPoint(x, y)) == QColor(255, 0, 0)) {
                        sum += x;
                        ++n;
                    }
            return n ? sum / n - centreX : 1e9;
        };
        Drag(s, 1, QPoint(centreX, 60), true);
        QCOMPARE(s.Projector(1).Angle, 0.0);
        const double upright = lensX(); // on the sprite's middle column, give or take one
        QVERIFY2(std::abs(upright) <= 1.5, qPrintable(QString::number(upright)));
        QVERIFY(!s.DragTo(centreX + 150, 60).IsEmpty());
        QVERIFY(s.Projector(1).Angle > 0.3);
        QVERIFY2(lensX() > upright + 5.0, qPrintable(QString::number(lensX())));
        QVERIFY(!s.DragTo(centreX - 40, 60).IsEmpty());
        QVERIFY(s.Projector(1).Angle < 0);
        QVERIFY2(lensX() < upright - 2.0, qPrintable(QString::number(lensX())));
    }

    // The lowered channel of an ink rounds (1 - f) x 255; its blot and its
    // brush's paint take the colour, the other brushes keep theirs.
    void extendedInk_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("red");
        QTest::newRow("50 %: 128") << 50 << 128;
        QTest::newRow("30 %: 179") << 70 << 179;
        QTest::newRow("10 %: 229") << 90 << 229;
        QTest::newRow("0 %: white") << 100 << 255;
        QTest::newRow("100 %: full cyan") << 0 << 0;
    }
    void extendedInk()
    {
        QFETCH(int, position);
        QFETCH(int, red);
        TSubState s;
        s.Show(592, 413);
        (void)s.SetExtended(true);
        (void)s.BarChange(1, {position, 0, 0});
        const QPoint paint(20, 24); // on the paint, from a brush's top-left
        QCOMPARE(Screen(s, Away(Centre(s, 1), (Centre(s, 2) + Centre(s, 3)) / 2, 30)), QColor(red, 255, 255));
        QCOMPARE(At(*s.StripImage(), QPoint(TSubState::BrushLeft(1), 0) + paint), QColor(red, 255, 255));
        QCOMPARE(At(*s.StripImage(), QPoint(TSubState::BrushLeft(2), 0) + paint), QColor(255, 0, 255));
    }


    void combineClipped_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<int>("op");
        QTest::newRow("inside, OR") << QPoint(3, 2) << int(ERasterOp::Or);
        QTest::newRow("over the top-left, AND") << QPoint(-4, -3) << int(ERasterOp::And);
        QTest::newRow("over the bottom-right, copy") << QPoint(12, 8) << int(ERasterOp::Copy);
        QTest::newRow("wholly outside") << QPoint(-20, 40) << int(ERasterOp::Or);
    }
    void combineClipped()
    {
        QFETCH(QPoint, at);
        QFETCH(int, op);
        TDibPlus dst(15, 11), src(7, 5);
        for (int y = 0; y < 11; ++y)
            for (int x = 0; x < 15; ++x)
                dst.SetPixelFast(x, y, 0x10305Au * uint32_t(x + 3 * y + 1) & 0xFFFFFF);
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 7; ++x)
                src.SetPixelFast(x, y, 0xA5C3E1u ^ uint32_t(0x010101 * (x * 5 + y)));
        QImage expected = dst.Image();
        const QImage s = src.Image();
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 7; ++x) {
                const QPoint d = at + QPoint(x, y);
                if (!expected.rect().contains(d))
                    continue;
                const QRgb a = expected.pixel(d), b = s.pixel(x, y);
                const QRgb r = op == int(ERasterOp::Or) ? (a | b) : op == int(ERasterOp::And) ? (a & b) : b;
                expected.setPixel(d, r | 0xFF000000u);
            }
        CombineImage(dst, src, at.x(), at.y(), ERasterOp(op));
        IRISONDE_COMPARE_IMAGES(dst.Image(), expected);
    }

    // A window squeezed below the layout's needs: no picture, no crash, and
    // drags and radius changes do nothing harmful.
    void tooSmallAreas_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::newRow("no screen left") << 12 << 100;
        QTest::newRow("negative height") << 300 << 40;
        QTest::newRow("a sliver") << 300 << 185;
    }
    void tooSmallAreas()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        TAddState add;
        TSubState sub;
        for (TSynthState *s : {static_cast<TSynthState *>(&add), static_cast<TSynthState *>(&sub)}) {
            s->Show(width, height);
            s->StartDrag(s->Disc(1).X, s->Disc(1).Y);
            (void)s->DragTo(-1000, 1000);
            s->EndDrag();
            (void)s->ChangeRadius(10);
            s->Resize(width + 1, height + 1, true);
            const QImage copy = s->CopyImage();
            QVERIFY(copy.isNull() || (copy.width() == s->DiscAreaW() && copy.height() == s->DiscAreaH() + s->StripHeight()));
            s->Close();
        }
    }
};

QTEST_MAIN(TstSynthState)
#include "tst_synthstate.moc"
