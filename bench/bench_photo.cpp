// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

// A teacher's phone photo, 4000 x 3000 JPEG, opened into the scene-lighting
// workshop at 1920 x 1080 (read, told from its content, decoded for the size
// it is shown at, placed, drawn, the scene rendered and repainted), beside
// decoding the same file with Qt alone at full size, measured in the same
// run: read the figures as ratios (open / decode); the aim is at most 1.
//
// Times are wall-clock (a teacher waits for the screen), CPU times those of
// the whole process.
#include "app/WorkshopTableU.h"
#include "shell/ProgramU.h"
#include "workshops/EclaireU.h"
#include "bench/BenchSupport.h"
#include "bench/BenchWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>
#include <QWindow>

#include <random>

using namespace Irisonde;

namespace {

// A photo-like picture (smooth gradients, shapes and grain), written once.
const QString &PhotoPath()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        QImage photo(4000, 3000, QImage::Format_RGB32);
        QPainter p(&photo);
        QLinearGradient sky(0, 0, 0, 3000);
        sky.setColorAt(0, QColor(70, 130, 210));
        sky.setColorAt(0.6, QColor(220, 200, 170));
        sky.setColorAt(1, QColor(60, 90, 40));
        p.fillRect(photo.rect(), sky);
        std::mt19937 random(7);
        for (int i = 0; i < 400; ++i) {
            p.setBrush(QColor(int(random() % 256), int(random() % 256), int(random() % 256), 160));
            p.setPen(Qt::NoPen);
            p.drawEllipse(QPoint(int(random() % 4000), int(random() % 3000)), int(random() % 200) + 10, int(random() % 200) + 10);
        }
        p.end();
        for (int y = 0; y < photo.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(photo.scanLine(y));
            for (int x = 0; x < photo.width(); ++x) {
                const int grain = int(random() % 17) - 8;
                const QRgb c = line[x];
                line[x] = qRgb(std::clamp(qRed(c) + grain, 0, 255), std::clamp(qGreen(c) + grain, 0, 255),
                               std::clamp(qBlue(c) + grain, 0, 255));
            }
        }
        const QString file = dir.filePath(QStringLiteral("photo.jpg"));
        photo.save(file, "JPEG", 90);
        return file;
    }();
    return path;
}

void BM_QtDecodeJpeg_4000x3000(benchmark::State &state)
{
    const QString path = PhotoPath();
    for (auto _ : state) {
        QImageReader reader(path);
        QImage image = reader.read();
        if (image.width() != 4000)
            state.SkipWithError("photo not decoded");
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_QtDecodeJpeg_4000x3000)->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_OpenJpegInWorkshop_1920x1080(benchmark::State &state)
{
    const QString path = PhotoPath();
    TProgram program;
    TEclaireF win(program, WorkshopRow(EWorkshop::Eclaire));
    benchsupport::ShowAtSize(win, 1920, 1080);
    for (auto _ : state) {
        win.OpenPictureFile(path);
        QCoreApplication::processEvents(); // the repaint
        if (win.Picture().PictureKind() != EPictureKind::Raster)
            state.SkipWithError("photo not opened");
    }
    state.counters["shown_w"] = RasterPlacement(QSize(4000, 3000), win.Picture().PictureWidth(), win.Picture().PictureHeight(), false).width();
    state.counters["decoded_w"] = win.Picture().PictureRaster()->Decoded().width();
}
BENCHMARK(BM_OpenJpegInWorkshop_1920x1080)->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return benchsupport::Main<QApplication>(argc, argv);
}
