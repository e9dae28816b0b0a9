// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/SpinButtonU.h"

#include <QToolButton>

namespace Irisonde {

TSpinButton::TSpinButton(QWidget *parent, const QRect &geometry) : QWidget(parent)
{
    const auto arrow = [this](Qt::ArrowType type, const char *name) {
        auto *b = new QToolButton(this);
        b->setObjectName(QLatin1String(name));
        b->setArrowType(type);
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
        return b;
    };
    UpButton = arrow(Qt::UpArrow, "UpButton");
    DownButton = arrow(Qt::DownArrow, "DownButton");
    connect(UpButton, &QToolButton::clicked, this, &TSpinButton::UpClick);
    connect(DownButton, &QToolButton::clicked, this, &TSpinButton::DownClick);
    setGeometry(geometry);
}

void TSpinButton::SetSpoken(const QString &up, const QString &down)
{
    UpButton->setAccessibleName(up);
    DownButton->setAccessibleName(down);
}

void TSpinButton::resizeEvent(QResizeEvent *event)
{
    // The upper half (the larger, for an odd height) is the up arrow.
    const int half = (height() + 1) / 2;
    UpButton->setGeometry(0, 0, width(), half);
    DownButton->setGeometry(0, half, width(), height() - half);
    QWidget::resizeEvent(event);
}

} // namespace Irisonde
