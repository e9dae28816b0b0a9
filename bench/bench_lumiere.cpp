// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

// A pupil's step in the light-and-colour-vision workshop through the real
// window on the offscreen platform, client area 1920 x 1080: a source moved
// by 1 nm (an arrow key on the picture, or a drag by the mouse), the cones
// and the colour integrated anew, the plot's strips, the bars and the patch
// repainted into the backing store and flushed. Beside it, a memcpy of the
// bytes of the window's frame (1920 x 1080 x 4) in the same run: read the
// figures as ratios (step / memcpy).
#include "app/WorkshopTableU.h"
#include "shell/ProgramU.h"
#include "workshops/LumiereU.h"

#include "bench/BenchSupport.h"
#include "bench/BenchWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWindow>

using namespace Irisonde;

namespace {

constexpr int ClientW = 1920, ClientH = 1080;
constexpr int64_t FrameBytes = int64_t(ClientW) * ClientH * 4;

using benchsupport::TPaintCounter;

// The window shown at the bench's size, in the light of the sources.
struct TShownWindow {
    TProgram program;
    std::unique_ptr<TWorkshopF> window;
    TLumiereF *win;
    QWidget *zone;
    TShownWindow()
        : window(MakeWorkshop(program, EWorkshop::Lumiere)),
          win(static_cast<TLumiereF *>(window.get())), zone(win->findChild<QWidget *>(QStringLiteral("Zone")))
    {
        benchsupport::ShowAtSize(*win, ClientW, ClientH);
        win->findChild<QComboBox *>(QStringLiteral("LightCombo"))->setCurrentIndex(int(ELight::Sources));
        QCoreApplication::processEvents();
    }
    // The repaint the handler asked for, into the backing store, flushed.
    void Flush() const
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
        QCoreApplication::sendPostedEvents(win->windowHandle(), QEvent::UpdateRequest);
    }
};

void BM_MemcpyFrame(benchmark::State &bench)
{
    benchsupport::Memcpy(bench, size_t(FrameBytes));
}

// The arrow keys, 1 nm a press, to and fro over 100 nm around 580 nm.
void BM_KeyStep(benchmark::State &bench)
{
    TShownWindow w;
    TPaintCounter counter;
    w.zone->installEventFilter(&counter);
    int done = 0;
    Qt::Key key = Qt::Key_Left;
    for (auto _ : bench) {
        if (++done % 100 == 50)
            key = key == Qt::Key_Right ? Qt::Key_Left : Qt::Key_Right;
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(w.zone, &press);
        w.Flush();
    }
    w.zone->removeEventFilter(&counter);
    bench.counters["paints/step"] = double(counter.Paints) / double(std::max<int64_t>(1, int64_t(bench.iterations())));
    bench.SetBytesProcessed(int64_t(bench.iterations()) * FrameBytes);
}

void Send(QWidget *zone, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent ev(type, QPointF(at), QPointF(zone->mapToGlobal(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(zone, &ev);
}

// The source's line dragged by the mouse, one pixel a step, to and fro.
void BM_DragStep(benchmark::State &bench)
{
    TShownWindow w;
    const TLumiereScreen &screen = w.win->Screen();
    const QPoint origin = w.zone->pos();
    const int y = screen.Places().Band.center().y() - origin.y();
    int x = screen.XOf(580) - origin.x(), dx = 1;
    Send(w.zone, QEvent::MouseButtonPress, QPoint(x, y), Qt::LeftButton, Qt::LeftButton);
    TPaintCounter counter;
    w.zone->installEventFilter(&counter);
    int done = 0;
    for (auto _ : bench) {
        if (++done % 200 == 100)
            dx = -dx;
        x += dx;
        Send(w.zone, QEvent::MouseMove, QPoint(x, y), Qt::NoButton, Qt::LeftButton);
        w.Flush();
    }
    w.zone->removeEventFilter(&counter);
    Send(w.zone, QEvent::MouseButtonRelease, QPoint(x, y), Qt::LeftButton, Qt::NoButton);
    bench.counters["paints/step"] = double(counter.Paints) / double(std::max<int64_t>(1, int64_t(bench.iterations())));
    bench.SetBytesProcessed(int64_t(bench.iterations()) * FrameBytes);
}

BENCHMARK(BM_MemcpyFrame)->MeasureProcessCPUTime()->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_KeyStep)->MeasureProcessCPUTime()->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_DragStep)->MeasureProcessCPUTime()->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    return benchsupport::Main<QApplication>(argc, argv);
}
