// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The etched line that parts groups of controls in the layouts: a light and
// a dark line, sunken by default, across (HLine) or down (VLine) its place.
#include <QFrame>

namespace Irisonde {

// A bevel named `name` (tests and the scripts find it so) at `place` in `parent`.
QFrame *MakeBevel(QWidget *parent, const char *name, const QRect &place, QFrame::Shape shape = QFrame::VLine,
                  QFrame::Shadow shadow = QFrame::Sunken);

} // namespace Irisonde
