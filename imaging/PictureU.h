#pragma once
// The shared picture state of the four picture workshops (scene lighting,
// television magnifier, four-colour printing, RGB decomposition) and the
// operations that draw the test card or a picture file into their picture
// area. Only one workshop is open at a time, so one set of state serves all.
// Program-wide state, reached through this header only.
#include "imaging/BitmapFileU.h"
#include "imaging/DefaultPictureU.h"
#include "imaging/MetafileU.h"
#include "imaging/PictureFaultU.h"

#include <QColor>
#include <QString>

#include <cstdint>
#include <memory>

class QPainter;

enum class TPictureKind : std::uint8_t { None = 0, Default = 1, Metafile = 2, Bitmap = 3 };

inline int PictureWidth = 0;                 // the picture area, set by the workshop before drawing
inline int PictureHeight = 0;
inline QColor PictureBackColour = Qt::white; // around and behind the picture
inline bool StretchFlag = false;             // picture files fill the whole area, aspect not kept
inline TPictureKind PictureKind = TPictureKind::None;
inline int BitmapWidth = 0;                  // natural size of the bitmap last drawn, for the caption
inline int BitmapHeight = 0;
inline std::unique_ptr<TPictureMetafile> PictureMetafile; // made by the workshop's show, freed by its close
inline std::unique_ptr<TPictureBitmap> PictureBitmap;

// The workshop's show: no picture yet, not stretched, white background,
// empty picture objects.
void ResetPictureState();
// The workshop's close: frees the picture objects.
void FreePictureObjects();

// Draws the test card into (0, 0, PictureWidth, PictureHeight) of `canvas`.
void DrawDefaultPicture(QPainter &canvas);

// Load `path` into PictureMetafile (PictureBitmap); on failure the previous
// picture stays and the result names the message to show. PictureKind is
// not changed.
[[nodiscard]] TPictureFault OpenMetafileFile(const QString &path);
[[nodiscard]] TPictureFault OpenBitmapFile(const QString &path);

// PictureKind := Metafile, then the metafile fitted (or stretched) into the area.
void DrawMetafilePicture(QPainter &canvas);
// PictureKind := Bitmap, BitmapWidth/Height recorded, then the bitmap
// centred at its natural size (or stretched) in the area.
void DrawBitmapPicture(QPainter &canvas);

// The caption tails.
[[nodiscard]] QString DefaultPictureCaption(const QString &baseCaption); // base + " - Image par défaut"
[[nodiscard]] QString BitmapCaptionTail(int width, int height);          // " ( W sur H pixels )"
[[nodiscard]] QString MetafileCaptionTail();                             // " ( image vectorielle )"

struct TPictureLoad {
    QString Caption;      // the new caption (the current one after a failure)
    TPictureFault Fault = TPictureFault::None;
    QString Message;      // what to show the user; empty on success
};

// Loads and draws the file `path` by its extension (".bmp" or ".wmf", any
// case). A file of any other kind is refused with a message, as is a failed
// load; the caption, the picture and PictureKind then stay as they were.
[[nodiscard]] TPictureLoad LoadPictureFile(const QString &path, const QString &baseCaption,
                                           const QString &currentCaption, QPainter &canvas);
