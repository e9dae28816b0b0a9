// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/WorkshopTableU.h"

#include "shell/SettingsU.h"
#include "workshops/AddU.h"
#include "workshops/EclaireU.h"
#include "workshops/LoupU.h"
#include "workshops/QuadriU.h"
#include "workshops/RGBU.h"
#include "workshops/SubU.h"

#include <array>

namespace Irisonde {

namespace {

template <class T>
std::unique_ptr<TWorkshopF> Make()
{
    return std::make_unique<T>();
}

const std::array kTable = {
    TWorkshopRow{"TAddF", "AddMenu", "Synthèse trichromique &additive", false, 1, "AddF", &Make<TAddF>},
    TWorkshopRow{"TSubF", "SubMenu", "Synthèse trichromique &soustractive", false, 2, "SubF", &Make<TSubF>},
    TWorkshopRow{"TEclaireF", "EclaireMenu", "&Eclairage d'une scène", false, 3, "EclaireF", &Make<TEclaireF>},
    TWorkshopRow{"TLoupF", "LoupMenu", "L'écran de télévision à la &Loupe", false, 4, "LoupF", &Make<TLoupF>},
    TWorkshopRow{"TQuadriF", "QuadriMenu", "&Impression par quadrichromie ou trichromie", true, 8, "QuadriF", &Make<TQuadriF>},
    TWorkshopRow{"TRGBF", "RGBMenu", "&Décomposition RVB d'une image", false, 9, "RGBF", &Make<TRGBF>},
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

QStringList PlacementSections()
{
    QStringList sections{QString::fromLatin1(kMainSection)};
    for (const TWorkshopRow &row : kTable)
        sections.append(QString::fromLatin1(row.Section));
    return sections;
}

} // namespace Irisonde
