// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Enter on a focused push button presses it, as Space does. The catalogue's
// buttons are not "auto default" (Enter in a list or on a thumbnail must
// not press one), so Qt would leave Enter on them unanswered.
#include <QObject>

class QPushButton;

namespace Irisonde {

class TEnterPress : public QObject {
    Q_OBJECT
public:
    // Makes Enter and Return press `button`; the filter lives as its child.
    static void Install(QPushButton *button);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    using QObject::QObject;
};

} // namespace Irisonde
