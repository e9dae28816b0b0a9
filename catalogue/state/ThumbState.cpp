// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "catalogue/state/ThumbState.h"

#include <QPainter>

namespace Irisonde {

namespace {

QImage SquareWithDiagonals(int thumb, const QColor &diagonals)
{
    thumb = std::max(thumb, 1);
    QImage image(thumb, thumb, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setPen(diagonals);
    p.drawLine(1, 1, thumb - 2, thumb - 2);
    p.drawLine(1, thumb - 2, thumb - 2, 1);
    p.setPen(Qt::black);
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, thumb - 1, thumb - 1);
    return image;
}

} // namespace

QImage TThumbState::MakeEmptyThumb(int thumb) { return SquareWithDiagonals(thumb, QColor(128, 128, 128)); }

QImage TThumbState::MakeFaultThumb(int thumb) { return SquareWithDiagonals(thumb, QColor(255, 0, 0)); }

TThumbDraw TThumbState::DrawThumb(QPainter &canvas, TBrowseState &browse, int k, const QColor &buttonFace)
{
    const int t = browse.Thumb();
    const QString path = browse.SlotFile(k);
    if (path.isEmpty()) {
        canvas.drawImage(0, 0, MakeEmptyThumb(t));
        return {};
    }
    canvas.fillRect(0, 0, t, t, k == browse.Selected ? QColor(0, 0, 255) : buttonFace);
    QSize size;
    EPictureFault fault;
    if (TBrowseState::IsBitmapPath(path)) {
        fault = m_bitmap.LoadFromFile(path);
        if (fault == EPictureFault::None) {
            size = QSize(m_bitmap.Width(), m_bitmap.Height());
            canvas.drawImage(browse.FitPicture(size.width(), size.height()), m_bitmap.Image());
        }
    } else {
        fault = m_metafile.LoadFromFile(path);
        if (fault == EPictureFault::None) {
            size = m_metafile.NaturalSize();
            const QRect fit = browse.FitPicture(size.width(), size.height());
            canvas.fillRect(fit, Qt::white);
            if (!fit.isEmpty())
                m_metafile.Draw(canvas, fit);
        }
    }
    if (k >= 1 && k <= TBrowseState::SlotCount)
        browse.PicSize[std::size_t(k - 1)] = size;
    if (fault == EPictureFault::None)
        return {};
    // A loader keeps its previous picture after a failure: never show that.
    canvas.drawImage(0, 0, MakeFaultThumb(t));
    bool first = false;
    if (!m_reported.contains(path)) {
        m_reported.insert(path);
        first = true;
    }
    return {fault, first};
}

void TThumbState::Release()
{
    m_bitmap.Clear();
    m_metafile.Clear();
    m_reported.clear();
}

} // namespace Irisonde
