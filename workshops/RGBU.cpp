// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "workshops/RGBU.h"

namespace Irisonde {

TRGBF::TRGBF(TProgram &program, const TWorkshopRow &row, QWidget *parent)
    : TSepF(program, row, RGBSeparation, parent)
{
}

} // namespace Irisonde
