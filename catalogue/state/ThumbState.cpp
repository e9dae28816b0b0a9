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

bool InPage(int k) { return k >= 1 && k <= TBrowseState::SlotCount; }

} // namespace

QImage TThumbState::MakeEmptyThumb(int thumb) { return SquareWithDiagonals(thumb, QColor(128, 128, 128)); }

QImage TThumbState::MakeFaultThumb(int thumb) { return SquareWithDiagonals(thumb, QColor(255, 0, 0)); }

void TThumbState::DrawThumb(QPainter &canvas, const TBrowseState &browse, int k, const QColor &buttonFace) const
{
    const int t = browse.Thumb();
    if (browse.SlotFile(k).isEmpty()) {
        canvas.drawImage(0, 0, MakeEmptyThumb(t));
        return;
    }
    canvas.fillRect(0, 0, t, t, k == browse.Selected ? QColor(0, 0, 255) : buttonFace);
    if (!InPage(k) || !m_slots[std::size_t(k - 1)])
        return;
    const TThumbImage &thumb = *m_slots[std::size_t(k - 1)];
    if (thumb.Fault != EPictureFault::None) {
        canvas.drawImage(0, 0, MakeFaultThumb(t));
        return;
    }
    const QRect fit = browse.FitPicture(thumb.Natural.width(), thumb.Natural.height());
    // Made for another size (the list changed meanwhile): stretched until
    // its own comes.
    if (thumb.Picture.size() == fit.size())
        canvas.drawImage(fit.topLeft(), thumb.Picture);
    else if (!fit.isEmpty())
        canvas.drawImage(fit, thumb.Picture);
}

void TThumbState::Clear() { m_slots.fill(std::nullopt); }

bool TThumbState::Accept(TBrowseState &browse, int k, TThumbImage thumb)
{
    if (!InPage(k))
        return false;
    const QString path = browse.SlotFile(k);
    const bool fault = thumb.Fault != EPictureFault::None;
    browse.PicSize[std::size_t(k - 1)] = fault ? QSize() : thumb.Natural;
    browse.PicKnown[std::size_t(k - 1)] = true;
    m_slots[std::size_t(k - 1)] = std::move(thumb);
    if (!fault || m_reported.contains(path))
        return false;
    m_reported.insert(path);
    return true;
}

bool TThumbState::Waiting(int k) const { return InPage(k) && !m_slots[std::size_t(k - 1)]; }

void TThumbState::Release()
{
    Clear();
    m_reported.clear();
}

} // namespace Irisonde
