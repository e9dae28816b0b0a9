// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

// Developer tool: loads a picture file of any format the program reads
// through the program's own code and draws it by the workshops' rules
// (bitmaps centred, other raster pictures scaled down to fit, metafiles and
// drawings fitted, on white; or stretched) into a PNG, printing its kind and
// natural size.
#include "imaging/PictureU.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextStream>

#include <cstdio>

using namespace Irisonde;

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTextStream out(stdout), err(stderr);
    if (args.size() < 5 || args.size() > 6 || (args.size() == 6 && args[5] != u"--stretch")) {
        err << "usage: irisonde-picture FILE|--default WIDTH HEIGHT OUT.png [--stretch]\n";
        return 2;
    }
    bool okW = false, okH = false;
    const int width = args[2].toInt(&okW), height = args[3].toInt(&okH);
    if (!okW || !okH || width <= 0 || height <= 0 || qint64(width) * height > 100'000'000) {
        err << "irisonde-picture: WIDTH and HEIGHT must be positive and not too large\n";
        return 2;
    }
    Irisonde::TPicture picture;
    picture.SetPictureArea(width, height);
    picture.SetStretchFlag(args.size() == 6);
    QImage image(width, height, QImage::Format_BGR888);
    image.fill(Qt::white);
    QPainter canvas(&image);
    if (args[1] == u"--default") {
        picture.DrawDefaultPicture(canvas);
        out << "default picture\n";
    } else {
        const Irisonde::TPictureLoad load = picture.LoadPictureFile(args[1], QString(), QString(), canvas);
        if (load.Fault != EPictureFault::None) {
            err << load.Message << '\n';
            return 1;
        }
        switch (picture.PictureKind()) {
        case Irisonde::EPictureKind::Bitmap:
            out << "bitmap " << picture.BitmapWidth() << " x " << picture.BitmapHeight() << '\n';
            break;
        case Irisonde::EPictureKind::Raster:
            out << "raster " << picture.BitmapWidth() << " x " << picture.BitmapHeight() << '\n';
            break;
        case Irisonde::EPictureKind::Drawing:
            out << "drawing " << picture.PictureDrawing()->NaturalSize().width() << " x "
                << picture.PictureDrawing()->NaturalSize().height() << '\n';
            break;
        default:
            out << "metafile " << picture.PictureMetafile()->NaturalSize().width() << " x "
                << picture.PictureMetafile()->NaturalSize().height() << (picture.PictureMetafile()->Info().Placeable ? " (placeable)" : " (plain)")
                << '\n';
            break;
        }
    }
    canvas.end();
    if (!image.save(args[4], "PNG")) {
        err << "irisonde-picture: cannot write " << args[4] << '\n';
        return 1;
    }
    return 0;
}
