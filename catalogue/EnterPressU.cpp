// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "catalogue/EnterPressU.h"

#include <QKeyEvent>
#include <QPushButton>

namespace Irisonde {

void TEnterPress::Install(QPushButton *button)
{
    button->installEventFilter(new TEnterPress(button));
}

bool TEnterPress::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) || key->modifiers() & ~Qt::KeypadModifier)
        return false;
    auto *button = static_cast<QPushButton *>(watched);
    if (button->isEnabled())
        button->click();
    return true;
}

} // namespace Irisonde
