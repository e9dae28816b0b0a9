// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Internal to the metafile player: the device layer that draws libwmf's
// records on a QPainter. Included only by the player's own sources, which
// alone see libwmf's headers.
extern "C" {
#include <libwmf/api.h>
#include <libwmf/defs.h>
#include <libwmf/ipa.h>
}
// libwmf names its integer types with macros that clash with Qt's own
// identifiers; its headers are done with them.
#undef U32
#undef S32
#undef U16
#undef S16
#undef U8
#include "imaging/WmfPlayerU.h"

#include <QImage>
#include <QPainterPath>
#include <QPainter>
#include <QString>

#include <map>
#include <memory>

namespace Irisonde {

// What the player said about a font when it was created. libwmf reuses the
// slot of a deleted object while the device context may still point at it,
// so a font is only ever described from this copy, never through the pointer.
struct TWmfFontCopy {
    QString Face;
    int Escapement = 0; // tenths of a degree, counter-clockwise
    int Weight = 400;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
};

class TWmfDevice {
public:
    TWmfDevice(QPainter *painter, const QRectF &target, const TWmfMapping &mapping)
        : Painter(painter), Target(target), Mapping(mapping)
    {
    }

    QPainter *Painter;       // null while only scanning
    QRectF Target;
    TWmfMapping Mapping;
    std::map<const wmfFont *, TWmfFontCopy> Fonts;
    // Bitmaps decoded for the player, owned here; wmfBMP::data points at them.
    std::map<const void *, std::unique_ptr<QImage>> Images;
    bool BitmapTooLarge = false;

    // A device point of the player into canvas coordinates.
    [[nodiscard]] QPointF Map(const wmfDC *dc, wmfD_Coord d) const;
    // A device length of the player into canvas pixels.
    [[nodiscard]] double Length(const wmfDC *dc, double length, bool vertical) const;
    // The image behind a wmfBMP::data pointer, if this device made it.
    [[nodiscard]] const QImage *Image(const void *data) const;
    [[nodiscard]] const TWmfFontCopy &Font(const wmfFont *font) const;
};

[[nodiscard]] inline TWmfDevice *Device(wmfAPI *api) { return static_cast<TWmfDevice *>(api->device_data); }

// Fills the drawing entries of the player's function table.
void InstallWmfDeviceDrawing(wmfFunctionReference *fr);

// Helpers shared by the device layer's sources.
[[nodiscard]] double Clamp(double v);                 // finite and within the canvas's reach
[[nodiscard]] QColor Colour(const wmfRGB &c);
[[nodiscard]] QPen MakePen(const TWmfDevice &dev, const wmfDC *dc);
// The brush of `dc`; `hatched` tells whether an opaque background goes under it.
[[nodiscard]] QBrush MakeBrush(const TWmfDevice &dev, const wmfDC *dc, bool &hatched);
[[nodiscard]] QRectF MappedRect(const TWmfDevice &dev, const wmfDC *dc, wmfD_Coord tl, wmfD_Coord br);
// Fills and outlines `path` with the pen and brush of `dc`.
void DrawShape(wmfAPI *api, const wmfDC *dc, const QPainterPath &path, bool fill);

// Fills every entry of the player's function table with the device layer's
// callbacks and gives it the font functions it requires.
void InstallWmfDevice(wmfAPI *api);

// The Qt family used for a metafile's face name (Arial and its kin map to
// the metric-compatible Liberation faces).
[[nodiscard]] QString WmfFontFamily(const QString &face);

} // namespace Irisonde
