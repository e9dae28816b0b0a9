// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The two perception tools of a workshop window, on its toolbar: the
// colour-vision button ("VisionBout", with its menu of views) beside the
// save and print buttons, and the colour probe ("SondeLab") under the three.
//
// The view: every paint area the window hands in is shown through it, and
// the window's output image is given through it; nothing the workshop
// computed changes. The probe: the colour shown at one point of a paint area,
// read from the window's backing store, so that it is what the pupil sees,
// view included; it is read again whenever that part of the area repaints.
// A screen reader hears it only when asked: the label's name is its sentence
// from then on, and the label's text changes say nothing.
#include "imaging/ColourVisionU.h"

#include <QImage>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>

#include <functional>
#include <optional>

class QAction;
class QFrame;
class QLabel;
class QToolButton;
class QWidget;

namespace Irisonde {

class TPaintBox;

class TWorkshopPerception : public QObject {
    Q_OBJECT
public:
    // `more` gives the probe's last line for a colour shown on an area.
    using More = std::function<QString(const QWidget *area, QRgb shown)>;
    TWorkshopPerception(QWidget *window, QFrame *toolBar, More more);
    // The widest that last line can be, and the probe's height: the probe
    // takes one line for the channels and another for the hexadecimal when
    // there is room for both, a line for both otherwise.
    void SetLongest(const QString &longest, int height);

    [[nodiscard]] EVision Vision() const { return m_vision.Vision(); }
    void SetVision(EVision vision);
    // `image` as the view shows it.
    [[nodiscard]] QImage Shown(const QImage &image) const;
    // `title` without a view's name, with the current one after it while
    // the view is not normal.
    [[nodiscard]] QString Caption(const QString &title) const;

    // The paint areas shown through the view and read by the probe.
    void Watch(const QList<TPaintBox *> &areas);
    // The probe at `at` of `area`; null clears it.
    void ProbeAt(QWidget *area, QPoint at);
    [[nodiscard]] QWidget *ProbeArea() const { return m_probeArea; }

    // The width the probe needs to show any colour whole.
    [[nodiscard]] int Width() const { return m_width; }
    // The button left of `saveLeft` on the top row; the probe from `left`
    // to `right`, under the buttons.
    void Place(int left, int right, int saveLeft);
    [[nodiscard]] QWidget *Button() const;
    [[nodiscard]] QWidget *Probe() const;

signals:
    void VisionChanged();

protected:
    // On a watched area: the pointer's moves and its leaving; "V" (Shift+V
    // backwards) and "C" while no mouse button is held.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    [[nodiscard]] std::optional<QRgb> ShownPixel() const;
    void ShowProbe();
    void QueueProbe();
    // The sentence said; on `area`'s middle when the probe is nowhere.
    void Speak(QWidget *area);
    [[nodiscard]] QString ProbeText(QRgb colour) const;
    void SayVision();

    QWidget *m_window;
    QToolButton *m_visionBout;
    QList<QAction *> m_visionActs; // one a view, in EVision's order
    QLabel *m_probeLab;
    More m_more;
    int m_width = 0;
    bool m_twoLines = true; // channels and hexadecimal apart
    TColourVision m_vision;
    QList<TPaintBox *> m_areas;
    QPointer<QWidget> m_probeArea;
    QPoint m_probePoint;
    bool m_probeQueued = false;
    mutable bool m_grabbing = false; // a pixel drawn aside: not a repaint of the screen
};

} // namespace Irisonde
