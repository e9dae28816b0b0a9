// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "imaging/PictureFaultU.h"

namespace Irisonde {

QString PictureFaultMessage(EPictureFault fault, const QString &path)
{
    const QString named = QStringLiteral("[ ") + path + QStringLiteral(" ]");
    switch (fault) {
    case EPictureFault::None:
        return {};
    case EPictureFault::MissingMetafile:
        return QStringLiteral("Le métafichier que vous tentez d'ouvrir est introuvable\n") + named;
    case EPictureFault::InvalidMetafile:
        return QStringLiteral("Le métafichier que vous tentez d'ouvrir\n") + named
            + QStringLiteral("\npossède un format de fichier incorrect.");
    case EPictureFault::MissingBitmap:
        return QStringLiteral("Le fichier Bitmap que vous tentez d'ouvrir est introuvable\n") + named;
    case EPictureFault::InvalidBitmap:
        return QStringLiteral("Le fichier d'image Bitmap que vous tentez d'ouvrir\n") + named
            + QStringLiteral("\npossède un format de fichier incorrect.");
    // The three faults below have no message of their own in the original
    // design; they are worded in the same manner.
    case EPictureFault::Unreadable:
        return QStringLiteral("Le fichier que vous tentez d'ouvrir\n") + named
            + QStringLiteral("\nne peut pas être lu (accès refusé ou erreur de lecture).");
    case EPictureFault::TooLarge:
        return QStringLiteral("L'image que vous tentez d'ouvrir\n") + named
            + QStringLiteral("\nest trop grande pour être affichée.");
    case EPictureFault::UnknownKind:
        return QStringLiteral("Le fichier que vous tentez d'ouvrir\n") + named
            + QStringLiteral("\nn'est ni une image Bitmap (*.bmp) ni un métafichier (*.wmf).");
    }
    return {};
}

} // namespace Irisonde
