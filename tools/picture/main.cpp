// Developer tool: loads a picture file through the program's own code and
// draws it by the workshops' rules (fitted or centred on white, or
// stretched) into a PNG, printing its kind and natural size.
#include "imaging/PictureU.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextStream>

#include <cstdio>

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
    ResetPictureState();
    PictureWidth = width;
    PictureHeight = height;
    StretchFlag = args.size() == 6;
    QImage image(width, height, QImage::Format_BGR888);
    image.fill(Qt::white);
    QPainter canvas(&image);
    if (args[1] == u"--default") {
        DrawDefaultPicture(canvas);
        out << "default picture\n";
    } else {
        const TPictureLoad load = LoadPictureFile(args[1], QString(), QString(), canvas);
        if (load.Fault != TPictureFault::None) {
            err << load.Message << '\n';
            return 1;
        }
        if (PictureKind == TPictureKind::Bitmap)
            out << "bitmap " << BitmapWidth << " x " << BitmapHeight << '\n';
        else
            out << "metafile " << PictureMetafile->NaturalSize().width() << " x "
                << PictureMetafile->NaturalSize().height() << (PictureMetafile->Info().Placeable ? " (placeable)" : " (plain)")
                << '\n';
    }
    canvas.end();
    if (!image.save(args[4], "PNG")) {
        err << "irisonde-picture: cannot write " << args[4] << '\n';
        return 1;
    }
    return 0;
}
