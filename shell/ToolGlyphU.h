// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Glyphs of the workshop toolbar's buttons, drawn once.
#include <QIcon>

namespace Irisonde {

enum class EGlyph { Close, Copy, Help, Open, Default };
[[nodiscard]] QIcon ToolGlyph(EGlyph g);

} // namespace Irisonde
