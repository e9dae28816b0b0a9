// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A catalogue slot's picture: painted, clicked and driven from the keyboard
// through the catalogue window, and met by a screen reader as a picture that
// can be selected. One slot of the page at a time takes Tab (the window says
// which), so that Tab enters the page once and leaves it at the next press.
#include <QWidget>

namespace Irisonde {

class TBrowserF;

class TThumbBox : public QWidget {
    Q_OBJECT
public:
    // Slot `k` (1 to 12) of `owner`.
    TThumbBox(TBrowserF &owner, int k, QWidget *parent);

    [[nodiscard]] bool Selected() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    TBrowserF &m_owner;
    int m_k;
};

} // namespace Irisonde
