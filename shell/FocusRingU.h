// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A ring in the palette's highlight colour round the control that has the
// keyboard focus, for controls whose style shows no focus of its own (the
// scroll bars of the workshops' panels). It lies on the control's parent,
// outside the control, and lets the mouse through.
#include <QWidget>

namespace Irisonde {

class TFocusRing : public QWidget {
    Q_OBJECT
public:
    // Follows the focus among the scroll bars of `window`.
    explicit TFocusRing(QWidget &window);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void Follow(QWidget *focused);

    QWidget &m_window;
};

} // namespace Irisonde
