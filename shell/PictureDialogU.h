// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The open-picture dialog of the picture workshops (`OuvreBout`).
#include <QString>
#include <QStringList>

class QWidget;

namespace Irisonde {

// Runs the open dialog where pictures start; the chosen path, or an empty
// string when cancelled. Choosing and loading are two steps on purpose: the
// dialog runs an event loop, and the caller takes its painter only once it
// has returned.
[[nodiscard]] QString ChoosePictureFile(QWidget *parent, const QString &startFolder);

// The dialog's filters: every kind the program reads first, then one per
// family (photos and other raster pictures, bitmaps, drawings, metafiles).
[[nodiscard]] QStringList PictureNameFilters();

} // namespace Irisonde
