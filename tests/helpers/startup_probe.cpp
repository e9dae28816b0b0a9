// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs the real program start and watches its windows from inside, for the
// start-up tests. Prints one "event milliseconds" line per change seen:
// splash-shown (with "stay=MS", the splash's own closing delay), splash-gone,
// main-shown, tip-timer (with "interval=MS", the program's own), tip-tick
// (each tick of the main window's tip timer), tip-shown (with "modal" when it
// is the modal window), tip-gone, end. Options:
//   click-splash=MS   click the splash box once it shows, MS ms after start at
//                     the earliest (and after About was chosen, when it is to be)
//   untick            untick the tip window's box before closing it
//   about=MS          choose "A &propos de..." once the splash shows, MS ms
//                     after start at the earliest
//   quit=MS           close the main window MS ms after it showed (default
//                     20000, for a loaded machine: a tip shown ends the run sooner)
//   tip-every=MS      the tip timer ticks every MS ms instead, so that a run
//                     waits for no real half-seconds: the order of the windows
//                     is counted in ticks, not in milliseconds
// The main window is closed right after the tip window, which saves the
// settings as at any end of the program.
#include "app/StartupU.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <functional>

using namespace Irisonde;

namespace {

QWidget *Window(const char *name)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(name))
            return w;
    return nullptr;
}

int Option(const QStringList &args, const QString &name, int def)
{
    for (const QString &a : args)
        if (a.startsWith(name + QLatin1Char('=')))
            return a.section(QLatin1Char('='), 1).toInt();
    return def;
}

// Sees a timer's ticks before the timer's own handler runs.
class TTickWatch : public QObject {
public:
    explicit TTickWatch(std::function<void()> onTick) : m_onTick(std::move(onTick)) {}
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Timer)
            m_onTick();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_onTick;
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int clickAt = Option(args, QStringLiteral("click-splash"), -1);
    const int aboutAt = Option(args, QStringLiteral("about"), -1);
    const int quitAt = Option(args, QStringLiteral("quit"), 20000);
    const int tipEvery = Option(args, QStringLiteral("tip-every"), -1);
    const bool untick = args.contains(QStringLiteral("untick"));

    QElapsedTimer clock;
    clock.start();
    bool splashUp = false, mainUp = false, tipUp = false, clicked = false, aboutAsked = false, tipClosed = false;
    const auto say = [&clock](const char *event, const char *extra = "") {
        std::printf("%s %lld%s\n", event, static_cast<long long>(clock.elapsed()), extra);
        std::fflush(stdout);
    };

    TTickWatch ticks([&say] { say("tip-tick"); });
    bool watching = false;
    qint64 mainShownAt = -1;

    QTimer probe;
    probe.setInterval(10);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        QWidget *splash = Window("SplashF");
        QWidget *main = Window("MainF");
        QWidget *tip = Window("TipF");
        const bool s = splash && splash->isVisible();
        if (s != splashUp) {
            const auto *stop = splash ? splash->findChild<QTimer *>(QStringLiteral("StopTimer")) : nullptr;
            const QByteArray stay = stop ? " stay=" + QByteArray::number(stop->interval()) : QByteArray();
            say(s ? "splash-shown" : "splash-gone", s ? stay.constData() : "");
        }
        splashUp = s;
        if (main && !watching) {
            if (auto *tipTime = main->findChild<QTimer *>(QStringLiteral("TipTime"))) {
                const QByteArray interval = " interval=" + QByteArray::number(tipTime->interval());
                say("tip-timer", interval.constData());
                tipTime->installEventFilter(&ticks);
                if (tipEvery >= 0)
                    tipTime->setInterval(tipEvery); // a running timer starts again
                watching = true;
            }
        }
        const bool m = main && main->isVisible();
        if (m != mainUp) {
            say(m ? "main-shown" : "main-gone");
            if (m && mainShownAt < 0)
                mainShownAt = clock.elapsed();
        }
        mainUp = m;
        const bool t = tip && tip->isVisible();
        if (t != tipUp)
            say(t ? "tip-shown" : "tip-gone", t && QApplication::activeModalWidget() == tip ? " modal" : "");
        tipUp = t;

        const qint64 now = clock.elapsed();
        if (s && clickAt >= 0 && !clicked && now >= clickAt && (aboutAt < 0 || aboutAsked)) {
            clicked = true;
            if (auto *zone = splash->findChild<QWidget *>(QStringLiteral("Zone")))
                QTest::mouseClick(zone, Qt::LeftButton, {}, QPoint(100, 100));
        }
        if (main && s && aboutAt >= 0 && !aboutAsked && now >= aboutAt) {
            aboutAsked = true;
            // Queued: the About box may run its own loop, and the probe must go on.
            if (auto *about = main->findChild<QAction *>(QStringLiteral("AboutMenu")))
                QTimer::singleShot(0, about, &QAction::trigger);
            say("about-chosen", QApplication::activeModalWidget() ? " while-modal" : "");
        }
        if (t && !tipClosed) {
            tipClosed = true;
            if (untick)
                tip->findChild<QCheckBox *>(QStringLiteral("TipCroix"))->setChecked(false);
            QTest::mouseClick(tip->findChild<QPushButton *>(QStringLiteral("CloseBout")), Qt::LeftButton);
            QTimer::singleShot(0, main, &QWidget::close);
        }
        if (main && mainShownAt >= 0 && now - mainShownAt >= quitAt) {
            say("end");
            if (QWidget *modal = QApplication::activeModalWidget())
                modal->close();
            main->close();
        }
    });
    probe.start();
    return RunIrisonde(app);
}
