// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

// The splash window and About box, and the order of the start-up windows in
// the real program (splash first, the tip of the day only once it has gone).
#include "imaging/ResourceU.h"
#include "shell/ProgramU.h"
#include "shell/AppStateU.h"
#include "shell/PaintBoxU.h"
#include "shell/SettingsU.h"
#include "shell/SplashU.h"
#include "tests/support/TestSupport.h"
#include "tests/support/WindowProbe.h"

#include <QApplication>
#include <QMap>
#include <QProcess>
#include <QSettings>
#include <QTimer>
#include <QtTest>

using namespace Irisonde;

namespace {

QColor Face()
{
    return QApplication::palette().color(QPalette::Button);
}

// Columns of the zone holding anything but the background, in rows top..bottom.
std::pair<int, int> InkColumns(const QImage &img, int top, int bottom)
{
    int first = img.width(), last = -1;
    const QRgb face = Face().rgb() & 0xFFFFFF;
    for (int y = top; y <= bottom; ++y)
        for (int x = 0; x < img.width(); ++x)
            if ((img.pixel(x, y) & 0xFFFFFF) != face) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
    return {first, last};
}

struct TRun {
    QMap<QString, qint64> at; // first time of each event, in ms
    QStringList lines;

    // Ticks of the tip timer seen after the first `from` and before the first `to`.
    [[nodiscard]] int TicksBetween(const QString &from, const QString &to) const
    {
        int ticks = 0;
        bool counting = false;
        for (const QString &line : lines) {
            const QString event = line.section(QLatin1Char(' '), 0, 0);
            if (event == to)
                break;
            if (event == from)
                counting = true;
            else if (counting && event == QLatin1String("tip-tick"))
                ++ticks;
        }
        return ticks;
    }
};

// The splash keeps its box and timer to itself.
const QString kTitle = QStringLiteral("Irisonde - Couleurs et perception visuelle");

QWidget *Zone(const TSplashF &splash)
{
    return testsupport::Control<QWidget>(splash, "Zone");
}
QTimer *StopTimer(const TSplashF &splash)
{
    return testsupport::Control<QTimer>(splash, "StopTimer");
}

using namespace std::chrono_literals;
// Longer than any test: a timer that must not fire never does.
constexpr auto kNever = 1h;

} // namespace

class TstSplash : public QObject {
    Q_OBJECT

    static QString settingsFile()
    {
        return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Veltrane"),
                         QStringLiteral("Irisonde")).fileName();
    }
    static void StoreFlags(bool splash, bool tip)
    {
        QSettings s(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Veltrane"), QStringLiteral("Irisonde"));
        s.setValue(QStringLiteral("Tips/SplashFlag"), splash ? QStringLiteral("1") : QStringLiteral("0"));
        s.setValue(QStringLiteral("Tips/TipFlag"), tip ? QStringLiteral("1") : QStringLiteral("0"));
        s.sync();
    }
    // The real program, its tip timer ticking every 20 ms rather than every
    // half-second: the order of the windows is counted in ticks.
    static TRun Start(const QStringList &options)
    {
        TRun run;
        QProcess p;
        p.start(QStringLiteral(IRISONDE_BUILD_DIR "/tests/startup_probe"), options + QStringList{"tip-every=20"});
        if (!p.waitForFinished(60000)) {
            p.kill();
            p.waitForFinished();
        }
        const QString out = QString::fromUtf8(p.readAllStandardOutput());
        run.lines = out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        for (const QString &line : run.lines) {
            const QString event = line.section(QLatin1Char(' '), 0, 0);
            if (!run.at.contains(event))
                run.at[event] = line.section(QLatin1Char(' '), 1, 1).toLongLong();
        }
        return run;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(!App::Logo().isNull());
        QCOMPARE(App::Logo().pixelColor(0, 0), Face());
    }

    // A click ends the start-up splash at once, and its timer cannot close
    // the window later (for instance the About box shown in between).
    void clickBeatsTimer()
    {
        TSplashF splash(kTitle, nullptr, kNever);
        splash.ShowAtStartup();
        QVERIFY(splash.isVisible());
        QVERIFY(StopTimer(splash)->isActive());
        QTest::mouseClick(Zone(splash), Qt::LeftButton, {}, QPoint(50, 50));
        QVERIFY(!splash.isVisible());
        QVERIFY2(!StopTimer(splash)->isActive(), "a timer left running would close the window later");
    }

    // Left alone, the start-up splash goes when its stay is over, once; the
    // real program gives it seven seconds, promised to the millisecond.
    void timerClosesOnce()
    {
        QCOMPARE(StopTimer(TSplashF(kTitle))->interval(), 7000);
        QCOMPARE(StopTimer(TSplashF(kTitle))->timerType(), Qt::PreciseTimer);
        TSplashF splash(kTitle, nullptr, 1ms);
        splash.ShowAtStartup();
        QTRY_VERIFY_WITH_TIMEOUT(!splash.isVisible(), 10000);
        QVERIFY(!StopTimer(splash)->isActive());
    }

    // The About box is modal, without its timer, and goes at a click.
    void aboutIsModalUntilClicked()
    {
        TSplashF splash(kTitle);
        bool wasModal = false, timerRan = true;
        QTimer::singleShot(0, [&] {
            wasModal = QApplication::activeModalWidget() == &splash;
            timerRan = StopTimer(splash)->isActive();
            QTest::mouseClick(Zone(splash), Qt::LeftButton, {}, QPoint(10, 10));
        });
        splash.ShowAbout();
        QVERIFY(wasModal);
        QVERIFY(!timerRan);
        QVERIFY(!splash.isVisible());
        QVERIFY(!QApplication::activeModalWidget());
    }

    // Chosen while the start-up splash is up: no second showing, the splash
    // stays as the About box until a click, and nothing is left modal.
    void aboutWhileStartupSplashIsUp()
    {
        TSplashF splash(kTitle, nullptr, kNever);
        splash.ShowAtStartup();
        // Run only by a loop: if About waits in one of its own, this ends it.
        bool loopRan = false;
        QTimer::singleShot(0, &splash, [&] {
            loopRan = true;
            splash.close();
        });
        splash.ShowAbout();
        QVERIFY2(!loopRan, "About waited in a loop of its own");
        QVERIFY(splash.isVisible());
        QVERIFY(!StopTimer(splash)->isActive());
        QTest::mouseClick(Zone(splash), Qt::LeftButton, {}, QPoint(10, 10));
        QVERIFY(!splash.isVisible());
        QVERIFY(!QApplication::activeModalWidget());
    }

    void drawing_data()
    {
        QTest::addColumn<QString>("title");
        QTest::newRow("program title") << kTitle;
        QTest::newRow("longer title") << QStringLiteral("Irisonde - Couleurs, lumières et perception visuelle au lycée");
        QTest::newRow("short title") << QStringLiteral("Iris");
    }
    void drawing()
    {
        QFETCH(QString, title);
        TSplashF splash(title);
        QCOMPARE(Zone(splash)->size(), QSize(356, 218));
        const QImage img = Zone(splash)->grab().toImage().convertToFormat(QImage::Format_RGB32);
        IRISONDE_COMPARE_IMAGES(img.copy(18, 18, 123, 44), App::Logo().convertToFormat(QImage::Format_RGB32));
        // The title line, between the tops 100 and 116, is centred on the
        // box's middle, 178 pixels from its left edge.
        const auto [first, last] = InkColumns(img, 100, 115);
        QVERIFY2(last > first, "no title drawn");
        QVERIFY2(std::abs((first + last + 1) - 2 * 178) <= 4,
                 qPrintable(QStringLiteral("title ink from %1 to %2").arg(first).arg(last)));
        // Nothing but the logo and the four lines: blank between them and below.
        QCOMPARE(InkColumns(img, 64, 75).second, -1);
        QVERIFY(InkColumns(img, 76, 90).second >= 0);
        QCOMPARE(InkColumns(img, 150, 217).second, -1);
    }

    // The real program: the order of its windows at start.
    void startupOrder_data()
    {
        QTest::addColumn<bool>("splash");
        QTest::addColumn<bool>("tip");
        QTest::addColumn<QStringList>("options");
        QTest::newRow("splash clicked, then tip") << true << true << QStringList{"click-splash=0"};
        QTest::newRow("no splash: tip at the first tick") << false << true << QStringList{};
        QTest::newRow("tips off: no tip") << true << false << QStringList{"click-splash=0", "quit=50"};
        QTest::newRow("About during the splash, then tip") << true << true << QStringList{"about=0", "click-splash=0"};
    }
    void startupOrder()
    {
        QFETCH(bool, splash);
        QFETCH(bool, tip);
        QFETCH(QStringList, options);
        QFile::remove(settingsFile());
        StoreFlags(splash, tip);
        const TRun run = Start(options);
        const QString log = run.lines.join(QLatin1String("; "));
        QVERIFY2(run.at.contains(QStringLiteral("main-shown")), qPrintable(log));
        // The program's own tip timer ticks every half-second.
        QVERIFY2(run.lines.filter(QStringLiteral("tip-timer")).value(0).endsWith(QLatin1String(" interval=500")), qPrintable(log));
        QCOMPARE(run.at.contains(QStringLiteral("splash-shown")), splash);
        QCOMPARE(run.at.contains(QStringLiteral("tip-shown")), tip);
        // Without tips the tip timer never runs, so no wait is too short.
        QCOMPARE(run.at.contains(QStringLiteral("tip-tick")), tip);
        if (splash) {
            QVERIFY2(run.at[QStringLiteral("splash-shown")] <= run.at[QStringLiteral("main-shown")], qPrintable(log));
            QVERIFY2(run.lines.filter(QStringLiteral("splash-shown")).constFirst().endsWith(QLatin1String(" stay=7000")),
                     qPrintable(log));
        }
        if (tip) {
            const qint64 tipAt = run.at[QStringLiteral("tip-shown")];
            QVERIFY2(run.lines.filter(QStringLiteral("tip-shown")).constFirst().endsWith(QLatin1String(" modal")),
                     qPrintable(log));
            // At the first tick after the splash went (or the main window
            // showed), never while the splash is up: counted in ticks, not
            // in milliseconds that a loaded machine stretches.
            if (splash) {
                QVERIFY2(run.at.contains(QStringLiteral("splash-gone")) && run.at[QStringLiteral("splash-gone")] <= tipAt,
                         qPrintable(log));
                QVERIFY2(run.TicksBetween(QStringLiteral("splash-gone"), QStringLiteral("tip-shown")) <= 1, qPrintable(log));
            } else {
                QVERIFY2(run.TicksBetween(QStringLiteral("main-shown"), QStringLiteral("tip-shown")) <= 1, qPrintable(log));
            }
            QCOMPARE(run.lines.filter(QStringLiteral("tip-shown")).size(), 1);
        }
    }

    // The tip box unticked at one start leaves the next start without tip.
    void untickedTipStaysAwayNextStart()
    {
        QFile::remove(settingsFile());
        StoreFlags(false, true);
        const TRun first = Start({QStringLiteral("untick")});
        QVERIFY2(first.at.contains(QStringLiteral("tip-shown")), qPrintable(first.lines.join(QLatin1String("; "))));
        QSettings store(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Veltrane"), QStringLiteral("Irisonde"));
        QCOMPARE(store.value(QStringLiteral("Tips/TipFlag")).toString(), QStringLiteral("0"));
        QCOMPARE(store.value(QStringLiteral("Tips/TipIndex")).toString(), QStringLiteral("1"));
        const TRun second = Start({QStringLiteral("quit=50")});
        QVERIFY2(!second.at.contains(QStringLiteral("tip-shown")) && !second.at.contains(QStringLiteral("tip-tick")),
                 qPrintable(second.lines.join(QLatin1String("; "))));
    }
};

QTEST_MAIN(TstSplash)
#include "tst_splash.moc"
