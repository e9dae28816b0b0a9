// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/ShowingU.h"

#include "shell/PlacementBoundsU.h"

#include <QEvent>
#include <QWidget>

namespace Irisonde {

TShowing::TShowing(QWidget &window, std::function<void()> begin, std::function<void()> end)
    : m_window(window), m_begin(std::move(begin)), m_end(std::move(end))
{
    window.installEventFilter(this);
}

bool TShowing::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_window && !event->spontaneous()) {
        if (event->type() == QEvent::Show) {
            CentreOnScreen(m_window);
            if (!m_showing) {
                m_showing = true;
                if (m_begin)
                    m_begin();
            }
        } else if (event->type() == QEvent::Hide && m_showing) {
            m_showing = false;
            if (m_end)
                m_end();
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace Irisonde
