// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "workshops/QuadriU.h"

namespace Irisonde {

TQuadriF::TQuadriF(TProgram &program, const TWorkshopRow &row, QWidget *parent)
    : TSepF(program, row, QuadriSeparation, parent)
{
}

} // namespace Irisonde
