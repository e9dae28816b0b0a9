#include "imaging/PictureFaultU.h"

QString PictureFaultMessage(TPictureFault fault, const QString &path)
{
    const QString named = QStringLiteral("[ ") + path + QStringLiteral(" ]");
    switch (fault) {
    case TPictureFault::None:
        return {};
    case TPictureFault::MissingMetafile:
        return QStringLiteral("Le métafichier que vous tentez d'ouvrir est introuvable\n") + named;
    case TPictureFault::InvalidMetafile:
        return QStringLiteral("Le métafichier que vous tentez d'ouvrir\n") + named
            + QStringLiteral("\npossède un format de fichier incorrect.");
    case TPictureFault::MissingBitmap:
        return QStringLiteral("Le fichier Bitmap que vous tentez d'ouvrir est introuvable\n") + named;
    case TPictureFault::InvalidBitmap:
        return QStringLiteral("Le fichier d'image Bitmap que vous tentez d'ouvrir\n") + named
            + QStringLiteral("\npossède un format de fichier incorrect.");
    // The three faults below have no message of their own in the original
    // design; they are worded in the same manner.
    case TPictureFault::Unreadable:
        return QStringLiteral("Le fichier que vous tentez d'ouvrir\n") + named
            + QStringLiteral("\nne peut pas être lu (accès refusé ou erreur de lecture).");
    case TPictureFault::TooLarge:
        return QStringLiteral("L'image que vous tentez d'ouvrir\n") + named
            + QStringLiteral("\nest trop grande pour être affichée.");
    case TPictureFault::UnknownKind:
        return QStringLiteral("Le fichier que vous tentez d'ouvrir\n") + named
            + QStringLiteral("\nn'est ni une image Bitmap (*.bmp) ni un métafichier (*.wmf).");
    }
    return {};
}
