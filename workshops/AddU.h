// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The additive-synthesis workshop window " Synthèse additive": red, green
// and blue light from three projectors mixing on a black screen.
#include "workshops/state/AddState.h"
#include "workshops/SynthU.h"

namespace Irisonde {

class TAddF : public TSynthF {
    Q_OBJECT
public:
    TAddF(TProgram &program, const TWorkshopRow &row, QWidget *parent = nullptr);

    [[nodiscard]] const TAddState &State() const { return static_cast<const TAddState &>(Synth()); }

};

} // namespace Irisonde
