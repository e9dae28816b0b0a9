// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The picture area the loaders draw into, in tests: a green image (so that
// what a drawing leaves untouched shows) set as the test picture's area.
#include "imaging/PictureU.h"

#include <QColor>
#include <QImage>
#include <QPainter>

using namespace Irisonde;

namespace testsupport {

// The picture object the picture tests drive, one per test program.
inline Irisonde::TPicture &TestPicture()
{
    static Irisonde::TPicture picture;
    return picture;
}

// Background the tests set for the area around a fitted picture.
inline const QColor PictureTestBack(0, 0, 128);

struct TCanvas {
    QImage Image;
    QPainter Painter;
    TCanvas(int w, int h) : Image(w, h, QImage::Format_BGR888)
    {
        Image.fill(Qt::green);
        Painter.begin(&Image);
        TestPicture().SetPictureArea(w, h);
    }
    // The colour at (x, y) from the top-left, once drawing is over.
    QColor At(int x, int y)
    {
        if (Painter.isActive())
            Painter.end();
        return Image.pixelColor(x, y);
    }
};

} // namespace testsupport
