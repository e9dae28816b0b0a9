// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The picture a picture workshop (scene lighting, television magnifier,
// four-colour printing, RGB decomposition) shows in its picture area: the test
// card or a picture file (a bitmap, a photo or other raster picture, a
// metafile or an SVG drawing), fitted or stretched, on a background colour. Each
// workshop holds or shares one TPicture; only one such workshop is open at a
// time.
#include "imaging/BitmapFileU.h"
#include "imaging/DefaultPictureU.h"
#include "imaging/DrawingU.h"
#include "imaging/MetafileU.h"
#include "imaging/PictureFaultU.h"
#include "imaging/RasterU.h"

#include <QColor>
#include <QString>

#include <cstdint>
#include <memory>

class QPainter;

namespace Irisonde {

// Raster: any raster picture but a Windows bitmap; Drawing: an SVG drawing.
enum class EPictureKind : std::uint8_t { None = 0, Default = 1, Metafile = 2, Bitmap = 3, Raster = 4, Drawing = 5 };

// What loading a picture file by its path gives.
struct TPictureLoad {
    QString Caption;      // the new caption (the current one after a failure)
    EPictureFault Fault = EPictureFault::None;
    QString Message;      // what to show the user; empty on success
};

class TPicture {
public:
    // As after ResetPictureState, but with an empty area.
    TPicture();

    // The workshop's show: no picture yet, not stretched, white background,
    // empty picture objects.
    void ResetPictureState();
    // The workshop's close: frees the picture objects. Loading a file makes
    // them again.
    void FreePictureObjects();

    // The picture area, set by the workshop before drawing; drawing fills
    // (0, 0, PictureWidth, PictureHeight) of the painter it is given.
    void SetPictureArea(int width, int height);
    [[nodiscard]] int PictureWidth() const { return m_width; }
    [[nodiscard]] int PictureHeight() const { return m_height; }
    // Around and behind the picture.
    void SetPictureBackColour(const QColor &colour) { m_backColour = colour; }
    // Picture files fill the whole area, their aspect not kept.
    void SetStretchFlag(bool on) { m_stretch = on; }
    [[nodiscard]] bool StretchFlag() const { return m_stretch; }
    // What was drawn last; the workshop sets Default when it draws the card.
    void SetPictureKind(EPictureKind kind) { m_kind = kind; }
    [[nodiscard]] EPictureKind PictureKind() const { return m_kind; }
    // Natural size of the bitmap (or raster picture) last drawn, for the caption.
    [[nodiscard]] int BitmapWidth() const { return m_bitmapWidth; }
    [[nodiscard]] int BitmapHeight() const { return m_bitmapHeight; }
    // The loaded files; null after FreePictureObjects.
    [[nodiscard]] TPictureMetafile *PictureMetafile() const { return m_metafile.get(); }
    [[nodiscard]] TPictureBitmap *PictureBitmap() const { return m_bitmap.get(); }
    [[nodiscard]] TPictureRaster *PictureRaster() const { return m_raster.get(); }
    [[nodiscard]] TPictureDrawing *PictureDrawing() const { return m_drawing.get(); }

    // The test card in the area.
    void DrawDefaultPicture(QPainter &canvas) const;

    // Loads `path` into the metafile (bitmap); on failure the previous
    // picture stays and the result names the message to show. PictureKind
    // is not changed.
    [[nodiscard]] EPictureFault OpenMetafileFile(const QString &path);
    [[nodiscard]] EPictureFault OpenBitmapFile(const QString &path);

    // PictureKind := Metafile, then the metafile fitted (or stretched) into the area.
    void DrawMetafilePicture(QPainter &canvas);
    // PictureKind := Bitmap, BitmapWidth/Height recorded, then the bitmap
    // centred at its natural size (or stretched) in the area.
    void DrawBitmapPicture(QPainter &canvas);
    // PictureKind := Raster, BitmapWidth/Height recorded, then the picture
    // placed by RasterPlacement (scaled down smoothly when larger than the area).
    void DrawRasterPicture(QPainter &canvas);
    // PictureKind := Drawing, then the drawing fitted (or stretched) as a metafile is.
    void DrawDrawingPicture(QPainter &canvas);
    // The picture of PictureKind: the test card for None and Default.
    void DrawPicture(QPainter &canvas);

    // Loads and draws the file `path`, its format told from its content
    // (the extension only says which message a damaged file gets). A file
    // of no kind the program reads is refused with a message, as is a
    // failed load; the caption, the picture and PictureKind then stay as
    // they were. The caption on success is `baseCaption`, the path and the
    // kind's tail. A raster picture is decoded for the area as it stands.
    [[nodiscard]] TPictureLoad LoadPictureFile(const QString &path, const QString &baseCaption,
                                               const QString &currentCaption, QPainter &canvas);

private:
    int m_width = 0;
    int m_height = 0;
    QColor m_backColour = Qt::white;
    bool m_stretch = false;
    EPictureKind m_kind = EPictureKind::None;
    int m_bitmapWidth = 0;
    int m_bitmapHeight = 0;
    std::unique_ptr<TPictureMetafile> m_metafile;
    std::unique_ptr<TPictureBitmap> m_bitmap;
    std::unique_ptr<TPictureRaster> m_raster;
    std::unique_ptr<TPictureDrawing> m_drawing;
};

// The caption tails.
[[nodiscard]] QString DefaultPictureCaption(const QString &baseCaption); // base + " - Image par défaut"
[[nodiscard]] QString BitmapCaptionTail(int width, int height);          // " ( W sur H pixels )"
[[nodiscard]] QString MetafileCaptionTail();                             // " ( image vectorielle )"

} // namespace Irisonde
