// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What a workshop window gives out besides the clipboard: its image saved to
// a file (a toolbar button and Ctrl+S) and printed (a toolbar button and
// Ctrl+P). Both use the very image the copy button puts on the clipboard.
// The two buttons stand at the right end of the toolbar, after the
// workshop's own controls when the window is too narrow for both.
#include <QIcon>
#include <QList>
#include <QImage>
#include <QObject>
#include <QString>

#include <functional>

class QFrame;
class QToolButton;
class QWidget;

namespace Irisonde {

class TWorkshopOutput : public QObject {
    Q_OBJECT
public:
    // `image` gives the image to save and print; `stem` names the saved
    // file (the workshop's caption without what follows it); the printed
    // page bears the window's caption as it is then.
    TWorkshopOutput(QWidget *window, QFrame *toolBar, std::function<QImage()> image, const QString &stem);

    // Places the buttons; run whenever the toolbar's size changes.
    void Place();
    // Where the buttons end when placed as far left as they go: the least
    // width of the toolbar that shows every control whole.
    [[nodiscard]] int LeastRight() const;

    void Save();
    void Print();

    // Toolbar children the window places beside and under the buttons,
    // which the buttons do not follow.
    void SetLodgers(const QList<const QWidget *> &lodgers) { m_lodgers = lodgers; }
    // The right edge of the workshop's own controls on the toolbar, of
    // those that reach into the rows from `top` to `bottom` when given.
    [[nodiscard]] int OthersRight(int top = 0, int bottom = 1 << 20) const;

    [[nodiscard]] QToolButton *SaveBout() const { return m_saveBout; }
    [[nodiscard]] QToolButton *PrintBout() const { return m_printBout; }

private:
    QWidget *m_window;
    QFrame *m_toolBar;
    QToolButton *m_saveBout;
    QToolButton *m_printBout;
    QList<const QWidget *> m_lodgers;
    std::function<QImage()> m_image;
    QString m_stem;
};

// The buttons' glyphs: a floppy disc, a printer.
[[nodiscard]] QIcon SaveGlyph();
[[nodiscard]] QIcon PrintGlyph();

} // namespace Irisonde
