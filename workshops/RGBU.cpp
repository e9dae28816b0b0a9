// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "workshops/RGBU.h"

namespace Irisonde {

TRGBF::TRGBF(QWidget *parent)
    : TSepF(RGBSeparation, parent)
{
}

} // namespace Irisonde
