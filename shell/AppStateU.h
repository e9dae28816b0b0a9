#pragma once
// Application-wide state: set once while the main window is created, then read
// by every window. Reached through this header only.
#include <QColor>
#include <QCursor>
#include <QImage>
#include <QString>

class QWidget;

namespace Irisonde {

namespace App {

inline QString ProgramFolder;      // executable's folder, no trailing separator
inline QString WindowsFolder;      // where companion programs are looked for
inline QString HelpFile;           // the HTML help document beside the program
inline QString DisplayTitle;       // main window caption, splash line
inline QString ShortTitle;         // mode label prefix, e-mail subject
inline QString DisplayModeText;    // "Affichage W sur H pixels, ..."
inline bool LowColourFlag = false; // the screen shows too few colours

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

// Opens the help document at the topic `topic` ("Sommaire", "ADDITIVE"...)
// in the program's help window, reused for every request.
void ShowHelp(const QString &topic);

} // namespace App

} // namespace Irisonde
