// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The subtractive-synthesis workshop window " Synthèse soustractive": cyan,
// magenta and yellow ink blots mixing on a white sheet.
#include "workshops/state/SubState.h"
#include "workshops/SynthU.h"

namespace Irisonde {

class TSubF : public TSynthF {
    Q_OBJECT
public:
    TSubF(TProgram &program, const TWorkshopRow &row, QWidget *parent = nullptr);

    [[nodiscard]] const TSubState &State() const { return static_cast<const TSubState &>(Synth()); }

};

} // namespace Irisonde
