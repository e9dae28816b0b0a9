// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/PictureDialogU.h"
#include "shell/AppStateU.h"
#include "shell/FrenchFileModelU.h"
#include "imaging/PictureFormatsU.h"

#include <QFileDialog>

#include <array>
#include <vector>

namespace Irisonde {

namespace {

// "(*.png *.PNG *.jpg *.JPG ...)": the patterns behind a filter also take
// upper-case names (cameras write "IMG_0001.JPG"), which the file systems
// here tell apart.
template <typename List>
QString Patterns(const List &extensions)
{
    QStringList lower, upper;
    for (QStringView e : extensions) {
        lower.append(QStringLiteral("*.") + e.toString());
        upper.append(QStringLiteral("*.") + e.toString().toUpper());
    }
    return QStringLiteral("(") + (lower + upper).join(u' ') + QStringLiteral(")");
}

} // namespace

QStringList PictureNameFilters()
{
    // Room made first: growing the vector at each insert misleads GCC's
    // bounds warning about the copies.
    std::vector<QStringView> all;
    all.reserve(RasterExtensions.size() + DrawingExtensions.size() + 2);
    all.push_back(u"bmp");
    all.insert(all.end(), RasterExtensions.begin(), RasterExtensions.end());
    all.insert(all.end(), DrawingExtensions.begin(), DrawingExtensions.end());
    all.push_back(u"wmf");
    const std::array<QStringView, 1> bmp{u"bmp"}, wmf{u"wmf"};
    // Each filter shows its own description; the patterns follow it.
    return {QStringLiteral("Toutes les images (*.jpg, *.png, *.gif, *.tif, *.webp, *.bmp, *.svg, *.wmf...) ") + Patterns(all),
            QStringLiteral("Photos et images (*.jpg, *.png, *.gif, *.tif, *.webp, *.tga...) ") + Patterns(RasterExtensions),
            QStringLiteral("Images Bitmap (*.bmp) ") + Patterns(bmp),
            QStringLiteral("Dessins SVG (*.svg, *.svgz) ") + Patterns(DrawingExtensions),
            QStringLiteral("Métafichiers (*.wmf) ") + Patterns(wmf)};
}

QString ChoosePictureFile(QWidget *parent, const QString &startFolder)
{
    QFileDialog dialog(parent, QStringLiteral(" Ouvrir une image, une photo ou un dessin"), startFolder);
    dialog.setOption(QFileDialog::HideNameFilterDetails, true);
    dialog.setNameFilters(PictureNameFilters());
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    MakeFileDialogFrench(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace Irisonde
