// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What every workshop window has in common: opened from the main window (which
// hides meanwhile), re-initialised on each show, releasing its images on each
// close, a bottom toolbar of glyph buttons (close, copy, help, and for the
// picture workshops open and default; save and print at its right end),
// bubble hints behind a switch, and a
// placement record kept by the main window. Without a mouse: the picture
// areas take the keyboard focus in turn (the first at every opening), framed
// while they hold it, and Tab reaches every control.
//
// Perception, alike in every workshop: a colour probe on the toolbar shows
// the colour shown under the pointer (or where the keys act), read from the
// window's backing store; a colour-vision view shows every paint area as a
// person with a colour-vision deficiency sees it, and the copy, the save and
// the print give that view too. "V" chooses the view, "C" has the probe's
// sentence said by a screen reader.
#include "imaging/ColourVisionU.h"
#include "shell/ToolGlyphU.h"

#include <QImage>
#include <QPoint>
#include <QString>
#include <QWidget>

class QFrame;
class QKeyEvent;
class QMouseEvent;
class QToolButton;

namespace Irisonde {

class TProgram;
class TWorkshopOutput;
struct TWorkshopRow;
class TWorkshopPerception;

class TWorkshopF : public QWidget {
    Q_OBJECT
public:
    struct Frame {
        QString caption;     // window caption, with its leading blank
        QString helpTopic;   // "ADDITIVE", "RGB"...
        int toolbarHeight;   // 93 or 63
        bool pictureButtons; // OuvreBout and DefautBout
    };

    // Named, captioned and helped as its table row says; `toolbarHeight` is
    // 93 or 63, `pictureButtons` adds OuvreBout and DefautBout.
    TWorkshopF(TProgram &program, const TWorkshopRow &row, int toolbarHeight, bool pictureButtons,
               QWidget *parent = nullptr);

    // The window's hint switch: its controls' hints show only while it is on.
    void SetShowHints(bool on) { m_showHints = on; }
    [[nodiscard]] bool ShowHints() const { return m_showHints; }
    [[nodiscard]] QString HelpTopic() const { return m_frame.helpTopic; }

    // The colour-vision view every paint area is shown through, for the run.
    [[nodiscard]] EVision Vision() const;
    void SetVision(EVision vision);

    // Keeps the window at its least size, as its frame is now known: the
    // larger of LeastOuterSize() and what the toolbar's controls need to
    // show whole. Without a window manager nothing else refuses a smaller
    // size, so a smaller window is brought back to it.
    void KeepLeastSize();

signals:
    // After FormClose: the main window shows itself again.
    void Closed();

protected:
    // What the whole program shares: its folders, settings and help.
    [[nodiscard]] TProgram &Program() const { return m_program; }
    // The bottom toolbar, where a workshop puts its own controls.
    [[nodiscard]] QFrame *ToolBarFrame() const { return m_toolBar; }
    // Re-initialise from scratch: allocate the working images, reset controls.
    virtual void FormShow() {}
    // Release what FormShow made.
    virtual void FormClose() {}
    // The least outer size at which the workshop's pictures make sense.
    [[nodiscard]] virtual QSize LeastOuterSize() const { return {400, 300}; }
    // The workshop's image, as computed; copy, save and print give it
    // through the colour-vision view.
    [[nodiscard]] virtual QImage CopyImage() const { return {}; }
    virtual void OuvreBoutClick() {}
    virtual void DefautBoutClick() {}
    // A picture area made reachable by the keyboard; the first one added
    // has the focus whenever the window opens.
    void AddPictureArea(QWidget *area);
    // Where the focus frame goes round `area`: its own place by default.
    [[nodiscard]] virtual QRect FocusFrameRect(const QWidget *area) const;
    // A wheel turned over `area` is the window's wheel (wheelEvent).
    void AddWheelArea(QWidget *area);
    // The pupil's hands on the first picture area while the window is open:
    // a press (a quick second press is a press too), a move, a release, and
    // a key while no mouse button is held (a disc or spot the mouse holds is
    // the mouse's until released); true when the key was taken.
    virtual void PictureMouseDown(const QMouseEvent & /*event*/) {}
    virtual void PictureMouseMove(const QMouseEvent & /*event*/) {}
    virtual void PictureMouseUp(const QMouseEvent & /*event*/) {}
    [[nodiscard]] virtual bool PictureKeyPress(const QKeyEvent & /*key*/) { return false; }

    // Where the keys put the colour probe after a key was taken: an area and
    // a point in it (the spot, the magnifier, the chosen disc); no area
    // leaves the probe where it is.
    struct TProbeSpot {
        QWidget *Area = nullptr;
        QPoint At;
    };
    [[nodiscard]] virtual TProbeSpot KeyProbeSpot() const { return {}; }
    // The probe's second line for a colour shown on `area` (the inks of the
    // four-colour plates, a mixture's name); empty by default. ProbeMoreLongest() is
    // the widest that line can be, which the toolbar keeps room for.
    [[nodiscard]] virtual QString ProbeMore(const QWidget * /*area*/, QRgb /*shown*/) const { return {}; }
    [[nodiscard]] virtual QString ProbeMoreLongest() const { return {}; }
    // The view has changed to `vision`: for a workshop that draws what a
    // view lacks (the light workshop's missing cones); the view itself is
    // the frame's.
    virtual void VisionChosen(EVision /*vision*/) {}

    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void CloseBoutClick();
    void CopierBoutClick();
    void AideBoutClick();
    // CopyImage() as the view shows it.
    [[nodiscard]] QImage ShownImage() const;
    // The caption with the view's name after it while it is not normal.
    void SayVisionInCaption();
    // The view box and the probe after the workshop's controls.
    void PlacePerception();
    // The toolbar's least width for the view's button and the probe to
    // show whole.
    [[nodiscard]] int PerceptionLeastWidth() const;

    QToolButton *MakeButton(const QString &name, int left, const QString &hint, const QIcon &glyph);
    // The picture areas first, then the workshop's own controls as made,
    // then the toolbar's buttons.
    void OrderTabs();
    [[nodiscard]] QRect FocusBand(const QWidget *area) const;
    // Tests and the scripts find these by the object names given where they
    // are made ("ToolBar", "CloseBout", "CopierBout"...).
    QFrame *m_toolBar; // renamed by the workshops that fill it ("Panel1", "Panel2")
    QToolButton *m_closeBout;
    QToolButton *m_copierBout;
    QToolButton *m_aideBout;
    QToolButton *m_ouvreBout = nullptr;
    QToolButton *m_defautBout = nullptr;
    TWorkshopOutput *m_output; // save and print: "EnregistrerBout", "ImprimerBout", Ctrl+S, Ctrl+P
    QList<QWidget *> m_pictureAreas;
    QList<QWidget *> m_wheelAreas;
    TProgram &m_program;
    Frame m_frame;
    bool m_showHints = true;
    bool m_shown = false;
    // Shown before the window manager framed the window: its placement is met
    // again once it is, which may change the client area the show laid out.
    bool m_awaitingFrame = false;

    TWorkshopPerception *m_perception = nullptr; // the view box and the probe, on the toolbar
    bool m_titling = false;
};

// The keys that drive a picture area, the same in every workshop.
// Arrows: one pixel a press, ten with Shift; (0, 0) for any other key.
[[nodiscard]] QPoint ArrowStep(const QKeyEvent &key);
// +1 for "+" (or "=", its unshifted key), -1 for "-", 0 otherwise; the
// numeric keypad's alike.
[[nodiscard]] int PlusMinus(const QKeyEvent &key);
// 1, 2 or 3 for those keys, their keypad keys and their unshifted French
// keyboard characters (&, é, "); 0 otherwise.
[[nodiscard]] int ChoiceKey(const QKeyEvent &key);
// A text of the window's hint, as a name a screen reader says: without the
// blank that leads the bubble.
[[nodiscard]] QString SpokenHint(const QString &hint);

} // namespace Irisonde
