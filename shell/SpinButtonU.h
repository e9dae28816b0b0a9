// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A spin button: an up arrow over a down arrow, each half of the control,
// each running its own handler; held down, an arrow repeats.
#include <QWidget>

class QToolButton;

namespace Irisonde {

class TSpinButton : public QWidget {
    Q_OBJECT
public:
    TSpinButton(QWidget *parent, const QRect &geometry);
    // What a screen reader says of each arrow: what a press does.
    void SetSpoken(const QString &up, const QString &down);

signals:
    void UpClick();
    void DownClick();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QToolButton *m_upButton;
    QToolButton *m_downButton;
};

} // namespace Irisonde
