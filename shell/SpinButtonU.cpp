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
    m_upButton = arrow(Qt::UpArrow, "UpButton");
    m_downButton = arrow(Qt::DownArrow, "DownButton");
    connect(m_upButton, &QToolButton::clicked, this, &TSpinButton::UpClick);
    connect(m_downButton, &QToolButton::clicked, this, &TSpinButton::DownClick);
    setGeometry(geometry);
}

void TSpinButton::SetSpoken(const QString &up, const QString &down)
{
    m_upButton->setAccessibleName(up);
    m_downButton->setAccessibleName(down);
}

void TSpinButton::resizeEvent(QResizeEvent *event)
{
    // The upper half (the larger, for an odd height) is the up arrow.
    const int half = (height() + 1) / 2;
    m_upButton->setGeometry(0, 0, width(), half);
    m_downButton->setGeometry(0, half, width(), height() - half);
    QWidget::resizeEvent(event);
}

} // namespace Irisonde
