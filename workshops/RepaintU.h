// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// How a workshop window repaints what its state's operation changed: the
// state names client-area rectangles (TDamage), the window hands them to each
// of its paint areas, which repaints its own part of them and no more.
#include "workshops/state/Damage.h"

class QWidget;

namespace Irisonde {

// The part of `damage` on `area` (a child placed in the client area)
// repainted; true when some part of it fell there.
bool RepaintDamage(const TDamage &damage, QWidget &area);

} // namespace Irisonde
