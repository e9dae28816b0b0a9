// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/AccessibleU.h"

#include <QLabel>

namespace Irisonde {

void LabelForScreenReaders(QWidget &control, const QString &name)
{
    auto *label = new QLabel(name, control.parentWidget());
    label->setObjectName(control.objectName() + QStringLiteral("Label"));
    label->setBuddy(&control);
    label->setGeometry(control.x(), control.y(), 0, 0);
    control.setAccessibleName(name);
}

} // namespace Irisonde
