// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "workshops/SubU.h"

namespace Irisonde {

TSubF::TSubF(TProgram &program, const TWorkshopRow &row, QWidget *parent)
    : TSynthF(program, row,
              {QStringLiteral("PinceauZone"),
               {QStringLiteral("CLab"), QStringLiteral("MLab"), QStringLiteral("JLab")},
               {QStringLiteral("Cyan"), QStringLiteral("Magenta"), QStringLiteral("Jaune")},
               {QStringLiteral("CBar"), QStringLiteral("MBar"), QStringLiteral("JBar")},
               {QStringLiteral(" Ajuster la composante cyan"), QStringLiteral(" Ajuster la composante magenta"),
                QStringLiteral(" Ajuster la composante jaune")},
               QStringLiteral(" Lier les composantes cyan, magenta et jaune"),
               QStringLiteral(" Utiliser la synthèse soustractive étendue"),
               QStringLiteral("Feuille blanche de la synthèse soustractive"),
               QStringLiteral("Les trois pinceaux, chargés de leurs encres"),
               {QStringLiteral("disque cyan"), QStringLiteral("disque magenta"), QStringLiteral("disque jaune")},
               QStringLiteral("sans encre")},
              std::make_unique<TSubState>(), parent)
{
}

} // namespace Irisonde
