// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the program knows about itself (TAppState, held by the program object
// of ProgramU.h), the shared bitmaps and cursor, and the warning box.
#include <QColor>
#include <QCursor>
#include <QImage>
#include <QString>

class QWidget;

namespace Irisonde {

// What the program learns about itself and its screen while the main window
// is created; read by every window afterwards.
struct TAppState {
    QString ProgramFolder;      // executable's folder, no trailing separator
    // Where the open dialog and the catalogue start when installed (the
    // program's own folder holds no pictures then); empty: ProgramFolder.
    QString PictureFolder;
    QString HelpFile;           // the HTML help document beside the program
    QString DisplayTitle;       // main window caption, splash line
    QString ShortTitle;         // mode label prefix, e-mail subject
    QString DisplayModeText;    // "Affichage W sur H pixels, ..."
    bool LowColourFlag = false; // the screen shows too few colours

    [[nodiscard]] QString PicturesStart() const { return PictureFolder.isEmpty() ? ProgramFolder : PictureFolder; }
};

namespace App {

// The tip window's pale yellow.
[[nodiscard]] QColor TipColour();

// The program's shared bitmaps, made from the resources on first use.
[[nodiscard]] const QImage &Logo();     // 123 x 44, background turned to button face
[[nodiscard]] const QImage &MiniLogo(); // 79 x 29, likewise
[[nodiscard]] const QImage &PuceR();    // 13 x 9 bullets, olive turned to silver
[[nodiscard]] const QImage &PuceB();
[[nodiscard]] const QImage &Motif();    // 189 x 111 background tile

// The link cursor, custom cursor number 1 ("C_Main").
const QCursor &LinkCursor();

// The default beep, then a modal "Avertissement" box with a warning icon.
// Line breaks in `text` show as line breaks.
void ShowWarning(const QString &text, QWidget *parent = nullptr);

} // namespace App

} // namespace Irisonde
