// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// One workshop as the shell sees it: its window's names and caption, where the
// main window lists it, which link opens it, where its placement is kept, and
// how it is made. The program's table of them lives in app/, the only folder
// that knows every window; the main window is handed that table, and each
// workshop its own row.
#include <memory>

namespace Irisonde {

class TProgram;
class TWorkshopF;

struct TWorkshopRow {
    const char *ClassName;   // the window's class, "TAddF"
    const char *Section;     // its object name and the settings section of its placement, "AddF"
    const char *Caption;     // window caption with its leading blank, UTF-8
    const char *HelpTopic;   // anchor of its help topic, "ADDITIVE"
    const char *MenuName;    // object name of its "Fichier" menu item, "AddMenu"
    const char *MenuCaption; // that item's caption, UTF-8
    bool SeparatorBefore;    // a separator line above the item and a gap above its link
    int LinkLabel;           // the LinkLabN number that opens it on the main window
    const char *LinkCaption; // that link's text, UTF-8
    // Makes the window from its row; null while the workshop is not built
    // yet, and its commands then stay greyed out.
    std::unique_ptr<TWorkshopF> (*Make)(TProgram &program, const TWorkshopRow &row);
};

} // namespace Irisonde
