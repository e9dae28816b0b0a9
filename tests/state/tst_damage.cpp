// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

// What each workshop's operations say they changed on screen, against the
// client area drawn from the state before and after: every changed pixel
// inside the rectangles, and the rectangles no wider than the changes.
#include "tests/support/TestSupport.h"
#include "workshops/state/AddState.h"
#include "workshops/state/EclaireState.h"
#include "workshops/state/LoupState.h"
#include "workshops/state/SepState.h"
#include "workshops/state/SubState.h"

#include <QPainter>
#include <QtTest>

#include <functional>

using namespace Irisonde;

namespace {

constexpr int ClientW = 612, ClientH = 413;

enum class EOp { Drag, Key, Bar, Radius, Mode };

// Neighbouring pixels all differ, so that any shift or zoom shows.
void Pattern(TDibPlus &image)
{
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            image.SetPixelFast(x, y, uint32_t((x * 7 + y * 13) & 255) | uint32_t((x * 3 + 9) & 255) << 8
                                         | uint32_t((y * 5 + 200) & 255) << 16);
}

// The client area as the window shows it: each image at its place on grey.
struct TShot {
    QImage image{ClientW, ClientH, QImage::Format_RGB32};
    TShot() { image.fill(qRgb(90, 90, 90)); }
    void Put(const TDibPlus *from, QPoint at)
    {
        if (!from || !from->HasStore())
            return;
        QPainter p(&image);
        p.drawImage(at, from->Image());
    }
};

struct TStep {
    QImage before, after;
    TDamage damage;
};

TStep Lighting(EOp op)
{
    TEclaireState s;
    s.Show();
    const TEclaireZones z = s.LayoutZones(ClientW, ClientH);
    Pattern(*s.ScenePicture());
    s.RenderScene();
    // A small spot off the middle, so that the whole scene cannot pass.
    for (int i = 0; i < 5; ++i)
        (void)s.MouseRight(true);
    (void)s.MouseLeft(100, 90);
    const auto shot = [&] {
        TShot out;
        out.Put(s.LitImage(), z.Zone.topLeft());
        out.Put(s.ProjoStrip(), z.ProjoZone.topLeft());
        out.Put(s.ScenePicture(), z.OriginZone.topLeft());
        return out.image;
    };
    TStep step{shot(), {}, {}};
    switch (op) {
    case EOp::Drag: step.damage = s.MouseLeft(s.SpotX() + 9, s.SpotY() - 5); break;
    case EOp::Key: step.damage = s.KeyMove(0, 1); break;
    case EOp::Bar: step.damage = s.BarChange(1, {0, 128, 0}); break;
    case EOp::Radius: step.damage = s.MouseRight(true); break;
    case EOp::Mode: step.damage = s.SetWholeScene(true); break;
    }
    step.after = shot();
    return step;
}

TStep Synthesis(TSynthState &s, EOp op)
{
    s.Show(ClientW, ClientH);
    const auto shot = [&] {
        TShot out;
        out.Put(s.FrameLayer(), s.ScreenPlace().topLeft());
        out.Put(s.StripImage(), s.StripPlace().topLeft());
        return out.image;
    };
    if (op == EOp::Bar || op == EOp::Mode) {
        (void)s.SetExtended(true);
        (void)s.BarChange(3, {0, 0, 30});
    }
    TStep step{shot(), {}, {}};
    switch (op) {
    case EOp::Drag:
        s.StartDrag(s.Disc(1).X, s.Disc(1).Y);
        step.damage = s.DragTo(s.Disc(1).X + 9, s.Disc(1).Y + 5);
        break;
    case EOp::Key:
        s.SetKeyDisc(3);
        step.damage = s.KeyMove(-1, 0);
        break;
    case EOp::Bar: step.damage = s.BarChange(2, {0, 40, 30}); break;
    case EOp::Radius: step.damage = s.ChangeRadius(TSynthState::RadiusStep); break;
    case EOp::Mode: step.damage = s.SetExtended(false); break;
    }
    step.after = shot();
    return step;
}

TStep Magnifier(EOp op)
{
    TLoupState s;
    (void)s.Show(ClientW, ClientH);
    Pattern(*s.PictureImage());
    s.RenderMagnifier();
    const auto shot = [&] {
        TShot out;
        out.Put(s.ScreenImage(), QPoint(TLoupState::ZoneLeft, TLoupState::ZoneTop));
        return out.image;
    };
    TStep step{shot(), {}, {}};
    switch (op) {
    case EOp::Drag: step.damage = s.MouseMove(Qt::LeftButton, s.MagX() + 9, s.MagY() - 5); break;
    case EOp::Key: step.damage = s.MoveMagnifier(s.MagX() + 1, s.MagY()); break;
    case EOp::Radius: step.damage = s.ChangeMagSize(TLoupState::MagSizeStep); break;
    case EOp::Bar:
    case EOp::Mode: step.damage = s.ChangeZoomLevel(1); break;
    }
    step.after = shot();
    return step;
}

TStep Separation(const TSeparation &table, EOp op)
{
    TSepState s(table);
    s.LayoutZones(ClientW, ClientH);
    Pattern(*s.PictureImage());
    const auto shot = [&] {
        TShot out;
        for (int c = 0; c < SepCellCount; ++c)
            out.Put(s.CellImage(c), s.CellRect(c).topLeft());
        return out.image;
    };
    if (op == EOp::Bar)
        (void)s.ModeCheckClick(0, true);
    TStep step{shot(), {}, {}};
    // The ink box is the separation's bar: it changes the recomposition only.
    step.damage = op == EOp::Bar ? s.RecomposeCheck(0, true) : s.ModeCheckClick(0, true);
    step.after = shot();
    return step;
}

} // namespace

Q_DECLARE_METATYPE(EOp)

class TstDamage : public QObject {
    Q_OBJECT
private slots:
    void changesInsideDamage_data()
    {
        QTest::addColumn<std::function<TStep()>>("run");
        const std::pair<const char *, EOp> ops[] = {
            {"drag", EOp::Drag}, {"key step", EOp::Key}, {"bar step", EOp::Bar}, {"radius", EOp::Radius}, {"mode", EOp::Mode}};
        for (const auto &[name, op] : ops) {
            const EOp o = op;
            QTest::addRow("lighting: %s", name) << std::function<TStep()>([o] { return Lighting(o); });
            QTest::addRow("additive: %s", name) << std::function<TStep()>([o] {
                TAddState s;
                return Synthesis(s, o);
            });
            QTest::addRow("subtractive: %s", name) << std::function<TStep()>([o] {
                TSubState s;
                return Synthesis(s, o);
            });
            // The magnifier has no bars and no mode: its zoom level stands for both.
            if (o != EOp::Mode)
                QTest::addRow("magnifier: %s", o == EOp::Bar ? "zoom level" : name)
                    << std::function<TStep()>([o] { return Magnifier(o); });
        }
        QTest::newRow("four colours: mode box") << std::function<TStep()>([] { return Separation(QuadriSeparation, EOp::Mode); });
        QTest::newRow("four colours: ink box") << std::function<TStep()>([] { return Separation(QuadriSeparation, EOp::Bar); });
        QTest::newRow("RGB: mode box") << std::function<TStep()>([] { return Separation(RGBSeparation, EOp::Mode); });
        QTest::newRow("RGB: ink box") << std::function<TStep()>([] { return Separation(RGBSeparation, EOp::Bar); });
    }
    void changesInsideDamage()
    {
        QFETCH(std::function<TStep()>, run);
        const TStep step = run();
        QVERIFY2(step.before != step.after, "the operation changed nothing: the case tests nothing");
        IRISONDE_VERIFY_DAMAGE(step.before, step.after, step.damage.Rects());
    }

    // An operation that changes nothing names nothing.
    void nothingChanged()
    {
        TEclaireState e;
        e.Show();
        (void)e.LayoutZones(ClientW, ClientH);
        e.RenderScene();
        while (!e.MouseRight(false).IsEmpty()) {
        }
        QVERIFY(e.MouseRight(false).IsEmpty()); // the largest radius
        QVERIFY(e.Wheel(60).IsEmpty());         // half a notch
        TAddState a;
        a.Show(ClientW, ClientH);
        QVERIFY(a.DragTo(10, 10).IsEmpty()); // no disc taken
        QVERIFY(a.SetExtended(true).IsEmpty()); // full intensities look the same
        TSepState s(RGBSeparation);
        s.LayoutZones(ClientW, ClientH);
        QVERIFY(s.RecomposeCheck(0, true).IsEmpty()); // no mode on: the pane stays blank
    }
};

QTEST_MAIN(TstDamage)
#include "tst_damage.moc"
