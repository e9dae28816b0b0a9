// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/ToolGlyphU.h"

#include <QFont>
#include <QPainter>
#include <QPixmap>

namespace Irisonde {

QIcon ToolGlyph(EGlyph g)
{
    QPixmap pm(20, 20);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink(40, 40, 60);
    switch (g) {
    case EGlyph::Close: // an open door with an arrow leaving
        p.setPen(QPen(ink, 1.2));
        p.setBrush(QColor(190, 150, 90));
        p.drawRect(QRectF(3.5, 2.5, 9, 15));
        p.setBrush(QColor(120, 80, 40));
        p.drawPolygon(QPolygonF({{3.5, 2.5}, {9.5, 4.5}, {9.5, 19}, {3.5, 17.5}}));
        p.setPen(QPen(QColor(180, 30, 30), 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(12, 10), QPointF(18, 10));
        p.drawLine(QPointF(15.5, 7), QPointF(18.5, 10));
        p.drawLine(QPointF(15.5, 13), QPointF(18.5, 10));
        break;
    case EGlyph::Copy: // two sheets, the front one bearing the three lights
        p.setPen(QPen(ink, 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(2.5, 2.5, 10, 12));
        p.drawRect(QRectF(7.5, 6.5, 10, 12));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(230, 40, 40));
        p.drawEllipse(QPointF(11, 11), 2.3, 2.3);
        p.setBrush(QColor(40, 190, 60));
        p.drawEllipse(QPointF(14.3, 11), 2.3, 2.3);
        p.setBrush(QColor(50, 80, 230));
        p.drawEllipse(QPointF(12.6, 14.3), 2.3, 2.3);
        break;
    case EGlyph::Help: { // a blue disc with a question mark
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 90, 200));
        p.drawEllipse(QRectF(1.5, 1.5, 17, 17));
        QFont f(QStringLiteral("Liberation Sans"));
        f.setPixelSize(14);
        f.setBold(true);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(QRectF(1.5, 1.5, 17, 17), Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    case EGlyph::Open: // an open folder
        p.setPen(QPen(QColor(120, 90, 20), 1));
        p.setBrush(QColor(240, 200, 80));
        p.drawPolygon(QPolygonF({{1.5, 4.5}, {7.5, 4.5}, {9.5, 6.5}, {16.5, 6.5}, {16.5, 16.5}, {1.5, 16.5}}));
        p.setBrush(QColor(250, 225, 120));
        p.drawPolygon(QPolygonF({{4.5, 9.5}, {19, 9.5}, {16.5, 16.5}, {1.5, 16.5}}));
        break;
    case EGlyph::Default: { // a small test card: colour bars under a disc
        p.setPen(QPen(ink, 1));
        p.setBrush(QColor(128, 128, 128));
        p.drawRect(QRectF(1.5, 3.5, 17, 13));
        const QColor bars[] = {Qt::yellow, Qt::cyan, Qt::green, Qt::magenta, Qt::red, Qt::blue};
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 6; ++i) {
            p.setBrush(bars[i]);
            p.drawRect(QRectF(3 + 2.4 * i, 7, 2.4, 4));
        }
        p.setBrush(Qt::black);
        p.drawRect(QRectF(3, 11, 14.4, 3));
        break;
    }
    }
    return QIcon(pm);
}

} // namespace Irisonde
