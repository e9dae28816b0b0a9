// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The accessibility tree of a window as a screen reader walks it.
#include <QAccessible>
#include <QStringList>

class QWidget;

namespace testsupport {

// Every control under `window` that a screen reader would announce or reach
// with the keyboard (focusable, or visible and not a mere container or
// decoration) yet has no name, described by class, object name and role.
// Empty when every such control is named.
QStringList UnnamedControls(QWidget *window);

// The accessible interface of `widget`; fails the program when there is none.
QAccessibleInterface *Access(QWidget *widget);

} // namespace testsupport
