// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Printing a workshop's image for a handout: Qt's print dialog (in French
// with the program's translation; it also prints to a PDF file), and the
// page itself: the window's caption above the image, the image as large as
// the page allows, its proportions kept.
#include <QImage>
#include <QString>

class QPagedPaintDevice;
class QWidget;

namespace Irisonde {

// Draws the page on `device` (a printer, or a PDF writer in tests): the
// caption centred at the top of the printable area, the image under it,
// fitted and centred. False when the device cannot be painted on.
[[nodiscard]] bool PrintImagePage(QPagedPaintDevice &device, const QImage &image, const QString &caption);

// Runs the print dialog and prints the page if accepted; a French warning
// when the printer cannot be written to.
void PrintImage(QWidget *parent, const QImage &image, const QString &caption);

} // namespace Irisonde
