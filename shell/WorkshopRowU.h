// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// One workshop as the shell sees it: where the main window lists it, which
// link opens it, where its placement is kept, and how it is made. The
// program's table of them lives in app/, the only folder that knows every
// window; the main window is handed that table.
#include <memory>

namespace Irisonde {

class TWorkshopF;

struct TWorkshopRow {
    const char *SpecName;    // the window's class name, "TAddF"
    const char *MenuName;    // object name of its "Fichier" menu item, "AddMenu"
    const char *MenuCaption; // that item's caption, UTF-8
    bool SeparatorBefore;    // a separator line above the item
    int LinkLabel;           // the LinkLab1..9 number that opens it
    const char *Section;     // settings section of its placement, "AddF"
    // Makes the window; null while the workshop is not built yet, and its
    // commands then stay greyed out.
    std::unique_ptr<TWorkshopF> (*Make)();
};

} // namespace Irisonde
