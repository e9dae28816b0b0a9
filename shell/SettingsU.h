#pragma once
// The user's preferences and window placements, kept between runs in the
// per-user settings store (organisation "Veltrane", application "Irisonde").
// They are read once when the main window is created and written once when it
// closes; in between, windows read and change these variables directly.
#include <QString>
#include <cstdint>

class QCheckBox;
class QImage;
class QWidget;
class QSettings;
class QColor;

struct TPlacement {
    std::int32_t X = 1;
    std::int32_t Y = 1;
    std::int32_t W = 510;
    std::int32_t H = 400;
    bool Maxis = false;
    bool operator==(const TPlacement &) const = default;
};

namespace Settings {

inline TPlacement MainF, AddF, SubF, LoupF, EclaireF, QuadriF, RGBF;

inline std::int32_t TipIndex = 0;
inline bool TipFlag = true;
inline bool BullesFlag = true;
inline bool SplashFlag = true;

inline std::int32_t wThumb = 80;
inline bool brwRecurseFlag = true;
inline bool brwMetaFlag = true;
inline bool brwBmpFlag = true;
inline QString brwPath;

// The placement record kept under the settings section `section` ("MainF",
// "AddF"...); a section no window uses has a record of its own, never stored.
[[nodiscard]] TPlacement &Placement(const QString &section);

} // namespace Settings

// Reads every setting; missing or unreadable values take their defaults, and
// brwPath defaults to `programFolder`.
void LoadSettings(const QString &programFolder);

// Writes every setting as text. Empty on success, otherwise the store's
// message ("Erreur de création de la clé ...", "Erreur à définition des
// données pour '...'") for the caller to show.
[[nodiscard]] QString SaveSettings();

// The reading rule of stored integers: "0x"/"0X" hexadecimal, "$" hexadecimal,
// signed decimal; anything else, or an empty text, gives `def`.
[[nodiscard]] std::int32_t ParseStoredInteger(const QString &text, std::int32_t def);

[[nodiscard]] TPlacement GetPlacement(const QWidget &window);
void SetPlacement(QWidget &window, const TPlacement &p);

// Restores the two title texts from their scrambled form; once, at load.
void RestoreTitles();

// Shared small utilities.
void ReplaceBitmapColour(QImage &bitmap, const QColor &oldColour, const QColor &newColour);
void SetCheckSilently(QCheckBox &box, bool checked);
[[nodiscard]] constexpr std::int32_t Square(std::int32_t n) { return n * n; }
[[nodiscard]] QString PluralS(const QString &word, int count);
