// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A catalogue slot's picture: painted and clicked through the catalogue
// window, and met by a screen reader as a picture that can be selected.
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

private:
    TBrowserF &m_owner;
    int m_k;
};

} // namespace Irisonde
