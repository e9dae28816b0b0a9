// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Shared set-up of the picture fuzz targets: a GUI application on the
// offscreen platform (fonts for metafile text) and a small canvas.
#include "imaging/PictureU.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdlib>

using namespace Irisonde;

// The picture object every input is loaded into.
inline Irisonde::TPicture &FuzzPicture()
{
    static Irisonde::TPicture picture;
    return picture;
}

inline void FuzzStartApplication()
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QGuiApplication app(argc, argv);
}

// Draws the current picture of `kind` fitted (or centred) and stretched.
template <typename Draw> void FuzzDrawBothWays(Draw draw)
{
    QImage canvasImage(64, 48, QImage::Format_BGR888);
    QPainter canvas(&canvasImage);
    FuzzPicture().SetPictureArea(64, 48);
    for (const bool stretch : {false, true}) {
        FuzzPicture().SetStretchFlag(stretch);
        draw(canvas);
    }
}
