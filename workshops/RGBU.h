// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The RGB decomposition workshop window " Décomposition RVB d'une image": a
// picture split into its red, green and blue lights and added back together
// from the lights the pupil ticks. The separation window does all of it from
// the RGB table.
#include "workshops/SepU.h"

namespace Irisonde {

class TRGBF : public TSepF {
    Q_OBJECT
public:
    TRGBF(TProgram &program, const TWorkshopRow &row, QWidget *parent = nullptr);
};

} // namespace Irisonde
