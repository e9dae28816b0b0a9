// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/WorkshopTableU.h"

#include "shell/SettingsU.h"
#include "workshops/AddU.h"
#include "workshops/EclaireU.h"
#include "workshops/LoupU.h"
#include "workshops/QuadriU.h"
#include "workshops/RGBU.h"
#include "workshops/LumiereU.h"
#include "workshops/SubU.h"

#include <array>

namespace Irisonde {

namespace {

template <class T>
std::unique_ptr<TWorkshopF> Make(TProgram &program, const TWorkshopRow &row)
{
    return std::make_unique<T>(program, row);
}

// The link captions keep their trailing blanks: the links' hover areas
// reach that far.
const std::array kTable = {
    TWorkshopRow{"TAddF", "AddF", " Synthèse additive", "ADDITIVE", "AddMenu", "Synthèse trichromique &additive", false,
                 1, "Synthèse trichromique additive  ", &Make<TAddF>},
    TWorkshopRow{"TSubF", "SubF", " Synthèse soustractive", "SOUSTRACTIVE", "SubMenu", "Synthèse trichromique &soustractive",
                 false, 2, "Synthèse trichromique soustractive ", &Make<TSubF>},
    TWorkshopRow{"TEclaireF", "EclaireF", " Eclairage d'une scène", "ECLAIRAGE", "EclaireMenu", "&Eclairage d'une scène", false, 3,
                 "Eclairage d'une scène ", &Make<TEclaireF>},
    TWorkshopRow{"TLoupF", "LoupF", " Une loupe sur un écran de télévision", "TVLOUPE", "LoupMenu", "L'écran de télévision à la &Loupe", false, 4,
                 "La télévision à la loupe ", &Make<TLoupF>},
    TWorkshopRow{"TLumiereF", "LumiereF", " Lumière, filtres et vision des couleurs", "SPECTRE", "LumiereMenu",
                 "Lumière, &filtres et vision des couleurs", false, 10, "Lumière, filtres et vision des couleurs ",
                 &Make<TLumiereF>},
    TWorkshopRow{"TQuadriF", "QuadriF", " Quadrichromie", "QUADRICHRO", "QuadriMenu",
                 "&Impression par quadrichromie ou trichromie", true, 8, "Impression en trichromie ou quadrichromie ",
                 &Make<TQuadriF>},
    TWorkshopRow{"TRGBF", "RGBF", " Décomposition RVB d'une image", "RGB", "RGBMenu", "&Décomposition RVB d'une image",
                 false, 9, " Décomposition RVB d'une image ", &Make<TRGBF>},
};
static_assert(kTable.size() == static_cast<std::size_t>(EWorkshop::RGB) + 1, "one row per workshop");

} // namespace

std::span<const TWorkshopRow> WorkshopTable()
{
    return kTable;
}

const TWorkshopRow &WorkshopRow(EWorkshop kind)
{
    return kTable[static_cast<std::size_t>(kind)];
}

std::unique_ptr<TWorkshopF> MakeWorkshop(TProgram &program, EWorkshop kind)
{
    const TWorkshopRow &row = WorkshopRow(kind);
    return row.Make ? row.Make(program, row) : nullptr;
}

QStringList PlacementSections()
{
    QStringList sections{QString::fromLatin1(kMainSection)};
    for (const TWorkshopRow &row : kTable)
        sections.append(QString::fromLatin1(row.Section));
    return sections;
}

} // namespace Irisonde
