// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The user's preferences and window placements, kept between runs in the
// per-user settings store (organisation "Veltrane", application "Irisonde").
// They are a plain value: read once when the main window is created, which
// owns them and lends them to the windows that change them, and written once
// when it closes.
#include <QSize>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <map>

class QWidget;
class QSettings;

namespace Irisonde {

struct TAppState;

struct TPlacement {
    std::int32_t X = 1;
    std::int32_t Y = 1;
    std::int32_t W = 510;
    std::int32_t H = 400;
    bool Maxis = false;
    // The size came from the store: a workshop opened for the first time
    // takes the larger of this record's size and its own.
    bool SizeStored = false;
    bool operator==(const TPlacement &o) const { return X == o.X && Y == o.Y && W == o.W && H == o.H && Maxis == o.Maxis; }
};

struct TSettings {
    // Window placements by settings section ("MainF", "AddF"...).
    std::map<QString, TPlacement> Placements;

    std::int32_t TipIndex = 0;
    bool TipFlag = true;
    bool BullesFlag = true;
    bool SplashFlag = true;

    std::int32_t wThumb = 80;
    bool brwRecurseFlag = true;
    bool brwMetaFlag = true;
    bool brwBmpFlag = true;
    QString brwPath;

    // The record of `section`; a section not there yet starts from the
    // default record.
    [[nodiscard]] TPlacement &Placement(const QString &section) { return Placements[section]; }
    [[nodiscard]] TPlacement Placement(const QString &section) const;

    bool operator==(const TSettings &) const = default;
};

// The placement section of the main window; the workshops' come from their
// table rows.
inline constexpr const char *kMainSection = "MainF";

// Reads every setting, the placements of `sections`; missing or unreadable
// values take their defaults, and brwPath defaults to `programFolder`.
[[nodiscard]] TSettings LoadSettings(const QString &programFolder, const QStringList &sections);

// Writes every setting as text, each placement under its section. Empty on
// success, otherwise the store's message ("Erreur de création de la clé ...",
// "Erreur à définition des données pour '...'") for the caller to show.
[[nodiscard]] QString SaveSettings(const TSettings &settings);


// The reading rule of stored integers: "0x"/"0X" hexadecimal, "$" hexadecimal,
// signed decimal; anything else, or an empty text, gives `def`.
[[nodiscard]] std::int32_t ParseStoredInteger(const QString &text, std::int32_t def);

[[nodiscard]] TPlacement GetPlacement(const QWidget &window);
// The record's bounds, met again once the window manager frames the window;
// the client area at least `leastClient` (none when empty).
void SetPlacement(QWidget &window, const TPlacement &p, QSize leastClient = QSize());

// Restores the two title texts from their scrambled form; once, at load.
void RestoreTitles(TAppState &state);

// Shared small utilities.
[[nodiscard]] constexpr std::int32_t Square(std::int32_t n) { return n * n; }
[[nodiscard]] QString PluralS(const QString &word, int count);

} // namespace Irisonde
