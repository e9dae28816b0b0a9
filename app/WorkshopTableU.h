// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The program's workshops, one row each. Adding a workshop means its own
// files, one value here, one row in WorkshopTableU.cpp and its help topic.
#include "shell/WorkshopRowU.h"

#include <QStringList>

#include <span>

namespace Irisonde {

enum class EWorkshop { Add, Sub, Eclaire, Loup, Lumiere, Quadri, RGB };

// Every row, in EWorkshop order, which is also their order in the menu.
[[nodiscard]] std::span<const TWorkshopRow> WorkshopTable();
[[nodiscard]] const TWorkshopRow &WorkshopRow(EWorkshop kind);
// The window of `kind`, made from its row for `program`; null while that
// workshop is not built.
[[nodiscard]] std::unique_ptr<TWorkshopF> MakeWorkshop(TProgram &program, EWorkshop kind);
// The settings sections of every placement: the main window's, then the rows'.
[[nodiscard]] QStringList PlacementSections();

} // namespace Irisonde
