// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "workshops/RepaintU.h"

#include <QWidget>

namespace Irisonde {

bool RepaintDamage(const TDamage &damage, QWidget &area)
{
    const QRect place = area.geometry();
    bool touched = false;
    for (const QRect &r : damage.Rects()) {
        const QRect part = r & place;
        if (part.isEmpty())
            continue;
        area.update(part.translated(-place.topLeft()));
        touched = true;
    }
    return touched;
}

} // namespace Irisonde
