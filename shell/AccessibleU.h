// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A widget class that speaks to a screen reader otherwise than Qt's plain
// widget (another role, a state of its own, a live description) hands Qt its
// accessible interface through a factory, installed once for the class.
#include <QAccessible>
#include <QAccessibleWidget>
#include <QObject>
#include <QString>

namespace Irisonde {

// TAccess: a QAccessibleWidget made from a TWidget *.
template <class TWidget, class TAccess>
void InstallAccessible()
{
    static const bool installed = [] {
        QAccessible::installFactory([](const QString &className, QObject *object) -> QAccessibleInterface * {
            // Qt's accessibility cache owns what a factory makes.
            if (className == QLatin1String(TWidget::staticMetaObject.className()) && object && object->isWidgetType())
                return new TAccess(static_cast<TWidget *>(object));
            return nullptr;
        });
        return true;
    }();
    (void)installed;
}

// A top-level window that Qt would expose as a plain client area ("filler"
// on the accessibility bus): a screen reader announces a window, by its title.
class TWindowAccess : public QAccessibleWidget {
public:
    explicit TWindowAccess(QWidget *w) : QAccessibleWidget(w, QAccessible::Window) {}
};

// A control's name said through a label: on some platforms a list's name on
// the accessibility bus is its current text, and its label comes by the
// labelled-by relation. The label takes no room on screen.
void LabelForScreenReaders(QWidget &control, const QString &name);

} // namespace Irisonde
