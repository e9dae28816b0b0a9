// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "imaging/PictureFaultU.h"
#include "imaging/PictureFormatsU.h"

namespace Irisonde {

QString PictureFaultMessage(EPictureFault fault, const QString &path)
{
    return PictureFaultMessage(fault, path, FormatNameOf(path));
}

QString PictureFaultMessage(EPictureFault fault, const QString &path, const QString &formatName)
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
    // The faults below have no message of their own in the original
    // design; they are worded in the same manner.
    case EPictureFault::Unreadable:
        return QStringLiteral("Le fichier que vous tentez d'ouvrir\n") + named
            + QStringLiteral("\nne peut pas être lu (accès refusé ou erreur de lecture).");
    case EPictureFault::TooLarge:
        return QStringLiteral("L'image que vous tentez d'ouvrir\n") + named
            + QStringLiteral("\nest trop grande pour être affichée.");
    case EPictureFault::UnknownKind:
        return QStringLiteral("Le fichier que vous tentez d'ouvrir\n") + named
            + QStringLiteral("\nn'est pas une image que le programme sait lire (photo JPEG, image PNG, GIF,"
                             " TIFF ou WebP, image Bitmap, dessin SVG ou métafichier).");
    case EPictureFault::MissingPicture:
        return QStringLiteral("Le fichier d'image que vous tentez d'ouvrir est introuvable\n") + named;
    case EPictureFault::InvalidPicture: {
        const QString kind = formatName.isEmpty() ? QString() : formatName + u' ';
        return QStringLiteral("Le fichier d'image ") + kind + QStringLiteral("que vous tentez d'ouvrir\n") + named
            + QStringLiteral("\npossède un format de fichier incorrect.");
    }
    case EPictureFault::InvalidDrawing:
        return QStringLiteral("Le dessin SVG que vous tentez d'ouvrir\n") + named
            + QStringLiteral("\npossède un format de fichier incorrect.");
    case EPictureFault::TooComplex:
        return QStringLiteral("Le dessin SVG que vous tentez d'ouvrir\n") + named
            + QStringLiteral("\nest trop complexe pour être affiché (éléments trop nombreux ou trop imbriqués,"
                             " ou qui se citent eux-mêmes).");
    case EPictureFault::LinkedPictures:
        return QStringLiteral("Le dessin SVG que vous tentez d'ouvrir\n") + named
            + QStringLiteral("\nmontre des images enregistrées dans d'autres fichiers, que le programme n'ouvre pas."
                             "\nEnregistrez le dessin avec ses images incorporées.");
    }
    return {};
}

} // namespace Irisonde
