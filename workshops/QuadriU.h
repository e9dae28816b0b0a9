// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The four-colour printing workshop window " Quadrichromie": a picture
// separated into the cyan, magenta, yellow (and black) plates a printer
// would lay down, and printed over itself again with the inks the pupil
// ticks. The separation window does all of it from the four-colour table.
#include "workshops/SepU.h"

namespace Irisonde {

class TQuadriF : public TSepF {
    Q_OBJECT
public:
    TQuadriF(TProgram &program, const TWorkshopRow &row, QWidget *parent = nullptr);

protected:
    // The probe also reads the inks the plates lay for the colour shown.
    [[nodiscard]] QString ProbeMore(const QWidget *area, QRgb shown) const override;
    [[nodiscard]] QString ProbeMoreLongest() const override;
};

} // namespace Irisonde
