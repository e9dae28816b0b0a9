// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

// One whole drag step through the real workshop window on the offscreen
// platform, as a pupil feels it: a mouse-move event sent to the paint area,
// the window's handler, the repaint of what it marked dirty into the
// window's backing store and the store's flush. Beside it, a memcpy of the
// bytes of the workshop's screen picture, measured in the same run: read
// the figures as ratios (window step / memcpy). Client area 1920 x 1080.
//
// Workshops: additive and subtractive synthesis (a disc dragged), scene
// lighting (the spot, and the whole scene lit), television magnifier (at
// level 2 and 8, the magnifier as large as the area allows).
//
// Times are wall-clock (a pupil waits for the screen), CPU times those of
// the whole process: Qt converts and draws large images on helper threads.
#include "shell/PaintBoxU.h"
#include "workshops/AddU.h"
#include "workshops/EclaireU.h"
#include "workshops/LoupU.h"
#include "workshops/SubU.h"

#include "app/WorkshopTableU.h"
#include "bench/BenchSupport.h"
#include "bench/BenchWindow.h"
#include "shell/ProgramU.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QWindow>

#include <functional>

using namespace Irisonde;

namespace {

constexpr int ClientW = 1920, ClientH = 1080;

using benchsupport::TPaintCounter;

// The program the windows share here; its help window is never opened.
TProgram &BenchProgram()
{
    static TProgram program;
    return program;
}

template <class Window>
constexpr EWorkshop KindOf = std::is_same_v<Window, TAddF>       ? EWorkshop::Add
                             : std::is_same_v<Window, TSubF>     ? EWorkshop::Sub
                             : std::is_same_v<Window, TEclaireF> ? EWorkshop::Eclaire
                                                                 : EWorkshop::Loup;

template <class Window>
std::unique_ptr<Window> ShowWindow()
{
    auto win = std::make_unique<Window>(BenchProgram(), WorkshopRow(KindOf<Window>));
    benchsupport::ShowAtSize(*win, ClientW, ClientH);
    return win;
}

void Send(QWidget *zone, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent ev(type, QPointF(at), QPointF(zone->mapToGlobal(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(zone, &ev);
}

// Moves with the left button held from `from`, to and fro along a line of
// `span` pixels, one step per iteration, each step painted and flushed.
void WindowSteps(benchmark::State &bench, QWidget *window, QWidget *zone, QPoint from, int span, int64_t bytes)
{
    TPaintCounter counter;
    zone->installEventFilter(&counter);
    Send(zone, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    QCoreApplication::sendPostedEvents();
    int dx = 0, step = 7;
    for (auto _ : bench) {
        dx += step;
        if (dx < -span / 2 || dx > span / 2)
            step = -step;
        Send(zone, QEvent::MouseMove, from + QPoint(dx, dx & 15), Qt::NoButton, Qt::LeftButton);
        // The repaint the handler asked for, into the backing store, flushed.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
        QCoreApplication::sendPostedEvents(window->windowHandle(), QEvent::UpdateRequest);
    }
    Send(zone, QEvent::MouseButtonRelease, from, Qt::LeftButton, Qt::NoButton);
    zone->removeEventFilter(&counter);
    bench.counters["paints/step"] = double(counter.Paints) / double(std::max<int64_t>(1, int64_t(bench.iterations())));
    bench.SetBytesProcessed(int64_t(bench.iterations()) * bytes);
}

// The same steps by the keyboard: Shift+arrow, ten pixels a press, to and
// fro over `presses` presses.
void KeySteps(benchmark::State &bench, QWidget *window, QWidget *zone, int presses, int64_t bytes)
{
    TPaintCounter counter;
    zone->installEventFilter(&counter);
    int done = 0;
    Qt::Key key = Qt::Key_Right;
    for (auto _ : bench) {
        if (++done % presses == 0)
            key = key == Qt::Key_Right ? Qt::Key_Left : Qt::Key_Right;
        QKeyEvent press(QEvent::KeyPress, key, Qt::ShiftModifier);
        QApplication::sendEvent(zone, &press);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
        QCoreApplication::sendPostedEvents(window->windowHandle(), QEvent::UpdateRequest);
    }
    zone->removeEventFilter(&counter);
    bench.counters["paints/step"] = double(counter.Paints) / double(std::max<int64_t>(1, int64_t(bench.iterations())));
    bench.SetBytesProcessed(int64_t(bench.iterations()) * bytes);
}

void BM_MemcpyAdd(benchmark::State &bench)
{
    auto win = ShowWindow<TAddF>();
    benchsupport::Memcpy(bench, size_t(win->State().FrameLayer()->ImageSize()));
}

template <class Window>
void BM_SynthWindowStep(benchmark::State &bench)
{
    auto win = ShowWindow<Window>();
    auto &s = win->State();
    WindowSteps(bench, win.get(), win->template findChild<QWidget *>(QStringLiteral("Zone")), QPoint(s.Disc(1).X, s.Disc(1).Y), s.DiscAreaW() / 2,
                s.FrameLayer()->ImageSize());
}

void BM_AddKeyStep(benchmark::State &bench)
{
    auto win = ShowWindow<TAddF>();
    KeySteps(bench, win.get(), win->findChild<QWidget *>(QStringLiteral("Zone")), win->State().DiscAreaW() / 20,
             win->State().FrameLayer()->ImageSize());
}

void BM_MemcpyEclaire(benchmark::State &bench)
{
    auto win = ShowWindow<Irisonde::TEclaireF>();
    benchsupport::Memcpy(bench, size_t(win->State().LitImage()->ImageSize()));
}

// Argument: 1 for the whole scene lit.
void BM_EclaireWindowStep(benchmark::State &bench)
{
    auto win = ShowWindow<Irisonde::TEclaireF>();
    auto &s = win->State();
    win->findChild<QCheckBox *>(QStringLiteral("FullSizeCheck"))->setChecked(bench.range(0) != 0);
    WindowSteps(bench, win.get(), win->findChild<QWidget *>(QStringLiteral("Zone")), QPoint(s.SpotX(), s.SpotY()),
                s.PictureWidth() / 2, s.LitImage()->ImageSize());
}

void BM_EclaireKeyStep(benchmark::State &bench)
{
    auto win = ShowWindow<Irisonde::TEclaireF>();
    KeySteps(bench, win.get(), win->findChild<QWidget *>(QStringLiteral("Zone")), win->State().PictureWidth() / 20,
             win->State().LitImage()->ImageSize());
}

void BM_MemcpyLoup(benchmark::State &bench)
{
    auto win = ShowWindow<Irisonde::TLoupF>();
    benchsupport::Memcpy(bench, size_t(win->State().ScreenImage()->ImageSize()));
}

// Argument: the zoom level; the magnifier as large as the area allows.
void BM_LoupWindowStep(benchmark::State &bench)
{
    auto win = ShowWindow<Irisonde::TLoupF>();
    const auto &s = win->State();
    // The level and the size by the wheel over the screen, as the pupil sets them.
    QWidget *zone = win->findChild<QWidget *>(QStringLiteral("Zone"));
    const auto wheel = [zone](int notches, Qt::KeyboardModifiers mods) {
        const QPointF at(zone->rect().center());
        QWheelEvent ev(at, zone->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton, mods,
                       Qt::NoScrollPhase, false);
        QApplication::sendEvent(zone, &ev);
    };
    wheel(int(bench.range(0)) - s.ZoomLevel(), Qt::NoModifier);
    wheel(Irisonde::TLoupState::MagSizeLimit / Irisonde::TLoupState::MagSizeStep, Qt::ShiftModifier);
    bench.counters["MagSize"] = s.MagSize();
    WindowSteps(bench, win.get(), win->findChild<QWidget *>(QStringLiteral("Zone")),
                QPoint(s.PictureWidth() / 2, s.PictureHeight() / 2), s.PictureWidth() / 2, s.ScreenImage()->ImageSize());
}

BENCHMARK(BM_MemcpyAdd)->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(BM_SynthWindowStep, TAddF)->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(BM_SynthWindowStep, TSubF)->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AddKeyStep)->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MemcpyEclaire)->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EclaireWindowStep)->Arg(0)->Arg(1)->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EclaireKeyStep)->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MemcpyLoup)->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoupWindowStep)->Arg(2)->Arg(8)->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    return benchsupport::Main<QApplication>(argc, argv);
}
