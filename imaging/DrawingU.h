// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// SVG drawings (".svg", and ".svgz" compressed): the loaded drawing of the
// picture workshops and the catalogue, drawn as metafiles are (fitted
// keeping its proportions, or stretched). Loading runs the checks of
// DrawingGuardU first, so that no drawing can hang or exhaust the program.
#include "imaging/PictureFaultU.h"

#include <QByteArray>
#include <QRectF>
#include <QSize>

#include <memory>

class QPainter;
class QSvgRenderer;

namespace Irisonde {

// Whether the first bytes `head` of a file are an SVG drawing's: gzip data
// (inflated as far as `head` goes) or XML text whose first element is <svg>.
[[nodiscard]] bool LooksLikeDrawing(const QByteArray &head);

class TPictureDrawing {
public:
    TPictureDrawing();
    ~TPictureDrawing();
    TPictureDrawing(const TPictureDrawing &) = delete;
    TPictureDrawing &operator=(const TPictureDrawing &) = delete;

    // Loads a whole drawing held in memory, compressed or not; on failure
    // the previous drawing stays. InvalidDrawing, TooLarge, TooComplex or
    // LinkedPictures.
    [[nodiscard]] EPictureFault LoadFromBytes(const QByteArray &bytes);

    [[nodiscard]] bool IsEmpty() const { return !m_renderer; }
    // Its size in pixels as its width and height (or view box) give it;
    // its proportions are those of what Draw fills.
    [[nodiscard]] QSize NaturalSize() const { return m_natural; }
    // Draws the drawing stretched into `target` (canvas coordinates);
    // nothing is drawn outside it.
    void Draw(QPainter &canvas, const QRectF &target) const;
    void Clear();

private:
    std::unique_ptr<QSvgRenderer> m_renderer;
    QSize m_natural;
};

} // namespace Irisonde
