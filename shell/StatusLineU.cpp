// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/StatusLineU.h"
#include "shell/AccessibleU.h"

namespace Irisonde {

namespace {

class TStatusLineAccess : public QAccessibleWidget {
public:
    explicit TStatusLineAccess(TStatusLine *line) : QAccessibleWidget(line, QAccessible::StatusBar) {}
    QString text(QAccessible::Text t) const override
    {
        // QLabel tells of each new text as a change of name.
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<const QLabel *>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

} // namespace

TStatusLine::TStatusLine(QWidget *parent) : QLabel(parent)
{
    InstallAccessible<TStatusLine, TStatusLineAccess>();
}

} // namespace Irisonde
