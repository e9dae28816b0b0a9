#pragma once
// Reading the synthesis workshops' pictures in tests: a pixel of an
// off-screen image counted from the top-left, and points placed between
// disc centres.
#include "imaging/ColourU.h"
#include "imaging/DibPlusU.h"

#include <QColor>
#include <QPoint>
#include <QPointF>

#include <cmath>

namespace testsupport {

// The colour at (x, y) from the top-left of `layer`.
inline QColor ColourAt(const TDibPlus &layer, QPoint p)
{
    auto &l = const_cast<TDibPlus &>(layer); // reading a pixel may end its canvas
    return PixelToQColor(l.GetPixelFast(p.x(), l.Height() - 1 - p.y()));
}

// The point `offset` away from m, on the side away from c.
inline QPoint Away(QPointF m, QPointF c, double offset)
{
    const QPointF u = (m - c) / std::hypot(m.x() - c.x(), m.y() - c.y());
    return (m + offset * u).toPoint();
}

} // namespace testsupport
