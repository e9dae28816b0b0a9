// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/ImageSaveU.h"
#include "shell/FrenchFileModelU.h"
#include "shell/AppStateU.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>
#include <QStandardPaths>

namespace Irisonde {

namespace {

bool IsJpegName(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == u"jpg" || suffix == u"jpeg";
}

} // namespace

QString SaveNameStem(const QString &caption)
{
    const QString plain = caption.normalized(QString::NormalizationForm_KD);
    QString stem;
    for (const QChar c : plain) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        if (c.isLetterOrNumber() && c.unicode() < 128)
            stem += c.toLower();
        else if (!stem.isEmpty() && !stem.endsWith(u'-'))
            stem += u'-';
    }
    while (stem.endsWith(u'-'))
        stem.chop(1);
    return stem.isEmpty() ? QStringLiteral("irisonde") : stem;
}

QString SuggestedSaveName(const QString &caption, const QDate &date)
{
    return SaveNameStem(caption) + u'-' + date.toString(Qt::ISODate) + QStringLiteral(".png");
}

QString SaveFolder()
{
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return !pictures.isEmpty() && QFileInfo(pictures).isDir() ? pictures : QDir::homePath();
}

QString WriteImageFile(const QImage &image, const QString &path)
{
    const QString named = QStringLiteral("[ ") + path + QStringLiteral(" ]");
    const auto failed = [&named](const QString &why) {
        return QStringLiteral("L'image n'a pas pu être enregistrée dans le fichier\n") + named + u'\n' + why;
    };
    if (image.isNull())
        return failed(QStringLiteral("Il n'y a pas d'image à enregistrer."));
    // Written beside the target and renamed over it once whole: a failed
    // write leaves the old file, if any, as it was.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failed(QStringLiteral("Le fichier ne peut pas être créé (dossier absent, protégé ou plein)."));
    QImageWriter writer(&file, IsJpegName(path) ? "jpeg" : "png");
    if (IsJpegName(path))
        writer.setQuality(92);
    if (!writer.write(image)) {
        file.cancelWriting();
        return failed(QStringLiteral("L'écriture a échoué (disque plein ou erreur d'écriture)."));
    }
    if (!file.commit())
        return failed(QStringLiteral("L'écriture a échoué (disque plein ou erreur d'écriture)."));
    return {};
}

QString ChooseSaveFile(QWidget *parent, const QString &suggested)
{
    QFileDialog dialog(parent, QStringLiteral(" Enregistrer l'image"), SaveFolder());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters({QStringLiteral("Image PNG (*.png)"), QStringLiteral("Photo JPEG (*.jpg *.jpeg)")});
    dialog.setDefaultSuffix(QStringLiteral("png"));
    dialog.selectFile(suggested);
    MakeFileDialogFrench(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    QString path = dialog.selectedFiles().constFirst();
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != u"png" && !IsJpegName(path))
        path += QStringLiteral(".png");
    return path;
}

void SaveImageAs(QWidget *parent, const QImage &image, const QString &caption)
{
    if (image.isNull())
        return;
    const QString path = ChooseSaveFile(parent, SuggestedSaveName(caption, QDate::currentDate()));
    if (path.isEmpty())
        return;
    if (const QString message = WriteImageFile(image, path); !message.isEmpty())
        App::ShowWarning(message, parent);
}

} // namespace Irisonde
