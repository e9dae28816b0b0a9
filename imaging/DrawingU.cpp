// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "imaging/DrawingU.h"
#include "imaging/DrawingGuardU.h"

#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>
#include <cctype>
#include <cmath>

namespace Irisonde {

namespace {

// Sizes beyond this are taken for their proportions only.
constexpr double MaxNaturalEdge = 1e6;

} // namespace

bool LooksLikeDrawing(const QByteArray &head)
{
    QByteArray text = head;
    if (head.startsWith("\x1F\x8B")) {
        // The start of the inflated text is enough; a short head stops it early.
        QByteArray inflated;
        const EPictureFault fault = InflateDrawing(head, inflated);
        if (fault == EPictureFault::TooLarge)
            return true; // inflating on and on: the loader says so
        if (fault != EPictureFault::None && inflated.isEmpty())
            return false;
        text = inflated;
    }
    text = text.left(4096);
    // XML (past a byte-order mark and blanks) naming an <svg> element early
    // on, past its declaration, comments and document type; the loader's
    // checks then want it for the root.
    qsizetype at = text.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at])))
        ++at;
    return at < text.size() && text[at] == '<' && text.contains("<svg");
}

TPictureDrawing::TPictureDrawing() = default;
TPictureDrawing::~TPictureDrawing() = default;

EPictureFault TPictureDrawing::LoadFromBytes(const QByteArray &bytes)
{
    QByteArray xml;
    if (const EPictureFault fault = InflateDrawing(bytes, xml); fault != EPictureFault::None)
        return fault;
    if (const EPictureFault fault = CheckDrawing(xml); fault != EPictureFault::None)
        return fault;
    auto renderer = std::make_unique<QSvgRenderer>();
    if (!renderer->load(xml) || !renderer->isValid())
        return EPictureFault::InvalidDrawing;
    // Drawn through its view box: its proportions are those of the box, its
    // size the width and height it declares.
    const QRectF box = renderer->viewBoxF();
    QSizeF size = renderer->defaultSize();
    if (size.isEmpty())
        size = box.size();
    if (!(size.width() > 0 && size.height() > 0) || !std::isfinite(size.width()) || !std::isfinite(size.height()))
        return EPictureFault::InvalidDrawing;
    if (box.width() > 0 && box.height() > 0 && std::isfinite(box.width()) && std::isfinite(box.height()))
        size.setHeight(size.width() * box.height() / box.width());
    const double scale = std::min(1.0, MaxNaturalEdge / std::max(size.width(), size.height()));
    m_natural = QSize(std::max(1, int(std::lround(size.width() * scale))), std::max(1, int(std::lround(size.height() * scale))));
    renderer->setAspectRatioMode(Qt::IgnoreAspectRatio);
    m_renderer = std::move(renderer);
    return EPictureFault::None;
}

void TPictureDrawing::Draw(QPainter &canvas, const QRectF &target) const
{
    if (!m_renderer || target.isEmpty())
        return;
    canvas.save();
    canvas.setClipRect(target, Qt::IntersectClip);
    canvas.setRenderHint(QPainter::Antialiasing);
    m_renderer->render(&canvas, target);
    canvas.restore();
}

void TPictureDrawing::Clear()
{
    m_renderer.reset();
    m_natural = QSize();
}

} // namespace Irisonde
