// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/support/AccessTree.h"

#include <QWidget>

namespace testsupport {

namespace {

// Roles that group or decorate and say nothing by themselves.
bool IsContainer(const QAccessibleInterface &iface)
{
    switch (iface.role()) {
    case QAccessible::Border:
    case QAccessible::Pane:
    case QAccessible::Grouping:
    case QAccessible::Separator:
    case QAccessible::ToolBar:
    case QAccessible::Window:
    case QAccessible::Dialog:
    case QAccessible::Splitter:
    case QAccessible::LayeredPane:
    case QAccessible::Client:
        return iface.childCount() > 0 || iface.role() == QAccessible::Separator
            || iface.role() == QAccessible::Border;
    default:
        return false;
    }
}

void Walk(QAccessibleInterface *iface, QStringList &unnamed, int depth)
{
    if (!iface || !iface->isValid() || depth > 40)
        return;
    const QAccessible::State state = iface->state();
    const bool shown = !state.invisible && !state.offscreen;
    const bool control = state.focusable || (shown && !IsContainer(*iface));
    if (depth > 0 && control && iface->text(QAccessible::Name).trimmed().isEmpty()) {
        const QObject *o = iface->object();
        unnamed << QStringLiteral("%1 \"%2\" (role %3)")
                       .arg(QString::fromLatin1(o ? o->metaObject()->className() : "?"),
                            o ? o->objectName() : QString(), QString::number(int(iface->role()), 16));
    }
    for (int i = 0; i < iface->childCount(); ++i)
        Walk(iface->child(i), unnamed, depth + 1);
}

} // namespace

QStringList UnnamedControls(QWidget *window)
{
    QStringList unnamed;
    Walk(Access(window), unnamed, 0);
    return unnamed;
}

QAccessibleInterface *Access(QWidget *widget)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
    if (!iface)
        qFatal("no accessible interface for %s", widget ? widget->metaObject()->className() : "null");
    return iface;
}

} // namespace testsupport
