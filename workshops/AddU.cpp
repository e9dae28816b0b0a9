// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "workshops/AddU.h"

namespace Irisonde {

TAddF::TAddF(TProgram &program, const TWorkshopRow &row, QWidget *parent)
    : TSynthF(program, row,
              {QStringLiteral("ProjoZone"),
               {QStringLiteral("Label1"), QStringLiteral("Label2"), QStringLiteral("Label3")},
               {QStringLiteral("Rouge"), QStringLiteral("Vert"), QStringLiteral("Bleu")},
               {QStringLiteral("rBar"), QStringLiteral("gBar"), QStringLiteral("bBar")},
               {QStringLiteral(" Ajuster la composante rouge"), QStringLiteral(" Ajuster la composante verte"),
                QStringLiteral(" Ajuster la composante bleue")},
               QStringLiteral(" Lier les composantes rouge, verte et bleue"),
               QStringLiteral(" Utiliser la synthèse additive étendue"),
               QStringLiteral("Écran noir de la synthèse additive"),
               QStringLiteral("Les trois projecteurs, tournés vers leurs disques"),
               {QStringLiteral("disque rouge"), QStringLiteral("disque vert"), QStringLiteral("disque bleu")},
               QStringLiteral("éteint")},
              std::make_unique<TAddState>(), parent)
{
}

} // namespace Irisonde
