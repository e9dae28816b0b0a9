// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/CheckBoxU.h"

#include <QCheckBox>
#include <QSignalBlocker>

namespace Irisonde {

void SetCheckSilently(QCheckBox &box, bool checked)
{
    const QSignalBlocker quiet(box);
    box.setChecked(checked);
}

} // namespace Irisonde
