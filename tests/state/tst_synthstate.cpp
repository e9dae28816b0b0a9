// The synthesis workshops' state without any window: the raster combination
// clipped at every edge, and areas too small for the layout rules.
#include "tests/support/SynthProbe.h"
#include "tests/support/TestSupport.h"
#include "workshops/state/AddState.h"
#include "workshops/state/SubState.h"

#include <QtTest>

using namespace Irisonde;

class TstSynthState : public QObject {
    Q_OBJECT
private slots:
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
            s->DragTo(-1000, 1000);
            s->EndDrag();
            (void)s->ChangeRadius(10);
            s->Resize(width + 1, height + 1, true);
            const QImage copy = s->CopyImage();
            QVERIFY(copy.isNull() || (copy.width() == s->DiscAreaW && copy.height() == s->DiscAreaH + s->StripHeight()));
            s->Close();
        }
    }
};

QTEST_MAIN(TstSynthState)
#include "tst_synthstate.moc"
