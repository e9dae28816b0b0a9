// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/ImagePrintU.h"
#include "shell/AppStateU.h"

#include <QFont>
#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include <algorithm>

namespace Irisonde {

bool PrintImagePage(QPagedPaintDevice &device, const QImage &image, const QString &caption)
{
    if (image.isNull())
        return false;
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    // The painter's window is the printable area in device pixels.
    const QRect page = painter.viewport();
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(12);
    painter.setFont(font);
    const QFontMetrics metrics(painter.font(), &device);
    const QString text = metrics.elidedText(caption.trimmed(), Qt::ElideMiddle, page.width());
    const int captionHeight = metrics.height();
    painter.drawText(QRect(page.left(), page.top(), page.width(), captionHeight), Qt::AlignHCenter | Qt::AlignTop, text);
    // Half a line between caption and image.
    const int gap = captionHeight / 2;
    const QRect room(page.left(), page.top() + captionHeight + gap, page.width(),
                     std::max(1, page.height() - captionHeight - gap));
    const QSize fitted = image.size().scaled(room.size(), Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
    const QRect target(room.left() + (room.width() - fitted.width()) / 2, room.top(), fitted.width(), fitted.height());
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(target, image);
    return painter.end();
}

void PrintImage(QWidget *parent, const QImage &image, const QString &caption)
{
    if (image.isNull())
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(caption.trimmed());
    printer.setPageOrientation(image.width() > image.height() ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral(" Imprimer l'image"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!PrintImagePage(printer, image, caption))
        App::ShowWarning(QStringLiteral("L'image n'a pas pu être imprimée.\nVérifiez l'imprimante choisie ou le fichier PDF demandé."), parent);
}

} // namespace Irisonde
