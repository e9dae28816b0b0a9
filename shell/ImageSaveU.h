// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Saving a workshop's image to a file, for a handout or a slide: the name
// offered (the workshop and the date), the French save dialog, and the
// write itself, which never leaves a half-written file behind.
#include <QDate>
#include <QImage>
#include <QString>

class QWidget;

namespace Irisonde {

// " Synthèse additive" -> "synthese-additive": lower case, accents dropped,
// every other run of characters a single "-".
[[nodiscard]] QString SaveNameStem(const QString &caption);
// "synthese-additive-2026-12-09.png"
[[nodiscard]] QString SuggestedSaveName(const QString &caption, const QDate &date);
// Where the save dialog starts: the user's pictures folder, else the home folder.
[[nodiscard]] QString SaveFolder();

// Writes `image` to `path`: JPEG for a ".jpg" or ".jpeg" name, PNG for any
// other. An existing file is replaced only once the new one is whole. The
// French message to show on failure; empty on success.
[[nodiscard]] QString WriteImageFile(const QImage &image, const QString &path);

// Runs the save dialog offering `suggested` in SaveFolder(); the chosen
// path (".png" added when it names no format), or empty when cancelled.
[[nodiscard]] QString ChooseSaveFile(QWidget *parent, const QString &suggested);

// The whole of it for a window: dialog, write, and the warning on failure.
void SaveImageAs(QWidget *parent, const QImage &image, const QString &caption);

} // namespace Irisonde
