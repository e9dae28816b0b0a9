// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Setting a check box from the program's state without running the handlers
// that a pupil's click runs.

class QCheckBox;

namespace Irisonde {

void SetCheckSilently(QCheckBox &box, bool checked);

} // namespace Irisonde
