// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/FocusRingU.h"

#include <QAbstractSlider>
#include <QApplication>
#include <QPainter>

namespace Irisonde {

namespace {
constexpr int Ring = 2;
}

TFocusRing::TFocusRing(QWidget &window) : QWidget(&window), m_window(window)
{
    setObjectName(QStringLiteral("FocusRing"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) { Follow(now); });
}

void TFocusRing::Follow(QWidget *focused)
{
    auto *slider = qobject_cast<QAbstractSlider *>(focused);
    if (!slider || slider->window() != &m_window || !slider->parentWidget()) {
        hide();
        return;
    }
    setParent(slider->parentWidget());
    setGeometry(slider->geometry().adjusted(-Ring, -Ring, Ring, Ring));
    // Under the control, so that the control itself is never covered.
    stackUnder(slider);
    show();
}

void TFocusRing::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRegion ring = QRegion(rect()).subtracted(QRegion(rect().adjusted(Ring, Ring, -Ring, -Ring)));
    for (const QRect &r : ring)
        p.fillRect(r, palette().color(QPalette::Highlight));
}

} // namespace Irisonde
