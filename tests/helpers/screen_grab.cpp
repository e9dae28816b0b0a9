// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

// Saves the whole screen of the display to a PNG, for the real-program tests
// and for a person to look at; each further argument "x,y" prints the colour
// of that screen pixel as #rrggbb, one a line.
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <cstdio>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    QScreen *screen = QGuiApplication::primaryScreen();
    if (argc < 2 || !screen)
        return 2;
    const QImage image = screen->grabWindow(0).toImage();
    if (!image.save(QString::fromLocal8Bit(argv[1])))
        return 1;
    for (int i = 2; i < argc; ++i) {
        const QStringList xy = QString::fromLatin1(argv[i]).split(QLatin1Char(','));
        const QPoint p(xy.value(0).toInt(), xy.value(1).toInt());
        std::printf("%s\n", image.valid(p) ? qPrintable(image.pixelColor(p).name()) : "none");
    }
    return 0;
}
