// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// One showing of a dialog, from its show to its hide, whichever way each
// comes (show, exec; a button, the close box, Escape): the dialog is centred
// on the screen and set up once as it shows, and let go once as it hides.
// The window system's own show and hide events (a window unminimised) are no
// showing of their own.
#include <QObject>

#include <functional>

class QWidget;

namespace Irisonde {

class TShowing : public QObject {
public:
    // Watches `window`. A member of the window: gone before the window's
    // own destruction hides it, so that `end` never runs on a half-destroyed window.
    TShowing(QWidget &window, std::function<void()> begin, std::function<void()> end = {});

    // Between the start of a showing and its end.
    [[nodiscard]] bool Showing() const { return m_showing; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget &m_window;
    std::function<void()> m_begin;
    std::function<void()> m_end;
    bool m_showing = false;
};

} // namespace Irisonde
