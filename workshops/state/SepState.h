// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the four-colour printing and the RGB decomposition workshops share: a
// picture split into plates (printing inks or screen lights), shown in six
// panes of one size in two rows beside the picture and the plates laid over
// each other again. One state class serves both; everything that differs
// between them (texts, box places, plate rules, how plates recombine, the
// copy's background, the logo cell) is a row of values, a TSeparation, so
// that a new separation is a new table and not a new window.
//
// Cells are numbered 0..5: top row left to right, then bottom row. Places
// count from the top-left of the client area, y downwards.
#include "imaging/DibPlusU.h"
#include "workshops/state/Damage.h"
#include "workshops/state/SepPlates.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QStringView>

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <utility>
#include <vector>

namespace Irisonde {

inline constexpr int32_t SepCellCount = 6;
inline constexpr int32_t SepMaxModes = 4;
inline constexpr int32_t SepMaxInks = 4;

// A control of the panel under the panes, as the window builds it.
struct TSepControl {
    QStringView Name;    // object name, "CMYKCheck"
    QStringView Caption; // exactly as shown, blanks included
    QStringView Hint;    // empty: the control has no hint
    QPoint Place;        // top-left in the bottom panel
};

// What a cell holds: the picture, a plate, the recomposition, the program's
// logo at its own size, or nothing (a separation with fewer plates).
enum class ESepCell : uint8_t { Picture, Plate, Recomposed, Logo, Empty };

struct TSepCell {
    ESepCell Kind;
    int32_t Plate;        // the plate shown, for ESepCell::Plate; else -1
    QStringView ZoneName; // "OriginZone", "Zone1", "LogoZone"
    QStringView LabelName; // "Lab1"; empty for the logo, which has no label
    QStringView Label;    // the text centred under the pane
};

// Writes the plates of one mode from the picture in a single pass over its
// pixels; plates[i] is the plate of ink i. Does nothing unless the picture
// and every plate the mode writes have a store of the same size.
using TSeparator = void (*)(const TDibPlus &picture, std::span<TDibPlus *const> plates);

struct TSepMode {
    TSepControl Box;           // its check box; the modes exclude each other
    QStringView FlagName;      // "FourColourMode"
    QStringView OperationName; // "SeparateFourColours"
    uint32_t PlateMask;        // bit i: the mode makes plate i and recombines it
    TSeparator Separate;
};

struct TSepInk {
    TSepControl Box;       // "CCheck": recompose with this plate
    QStringView FlagName;  // "UseCyan"
    QStringView PlateName; // "CyanPlate"
};

struct TSeparation {
    QStringView BaseCaption;  // picture captions begin with it
    int32_t ToolbarHeight;    // the bottom panel
    QSize InitialClient;      // client area at the first opening
    QSize MinWindow;          // smallest outer window on a resize
    TSepControl ModeLabel;    // "Label1"; Caption only
    TSepControl InkLabel;     // "Label2"
    TSepControl StretchBox;   // "StretchCheck"
    std::span<const TSepMode> Modes;
    std::span<const TSepInk> Inks; // recombined in this order; ink i owns plate i
    std::array<TSepCell, SepCellCount> Cells;
    ELayOp RecomposeOp;       // Ink for inks on paper, Or for lights on a screen
    uint32_t StartPixel;      // the recomposition before any plate: white paper, black screen
    uint32_t CopyBackPixel;   // the copy's cells left out
    QSize LogoSize;           // the logo cell's size (ESepCell::Logo)
};

// The two workshops, and the names of their modes and inks as indices.
extern const TSeparation QuadriSeparation;
extern const TSeparation RGBSeparation;
namespace Quadri {
inline constexpr int32_t FourColourMode = 0, ThreeColourMode = 1;
inline constexpr int32_t CyanPlate = 0, MagentaPlate = 1, YellowPlate = 2, BlackPlate = 3;
inline constexpr int32_t UseCyan = CyanPlate, UseMagenta = MagentaPlate, UseYellow = YellowPlate,
                         UseBlack = BlackPlate;
} // namespace Quadri
namespace RGB {
inline constexpr int32_t DecomposeMode = 0;
inline constexpr int32_t RedPlate = 0, GreenPlate = 1, BluePlate = 2;
inline constexpr int32_t UseRed = RedPlate, UseGreen = GreenPlate, UseBlue = BluePlate;
} // namespace RGB

class TSepState {
public:
    explicit TSepState(const TSeparation &table);
    TSepState(const TSepState &) = delete;
    TSepState &operator=(const TSepState &) = delete;

    // The panes sized from the client area: every flag cleared, the images
    // made anew (black picture and plates, BlankBitmap drawn), the cells
    // placed. The window then unticks its boxes and draws the picture.
    void LayoutZones(int32_t clientWidth, int32_t clientHeight);
    // Where each cell's label goes, centred under its pane, given the
    // labels' widths in pixels (the logo cell's is not used).
    [[nodiscard]] std::array<QPoint, SepCellCount>
    PlaceLabels(const std::array<int32_t, SepCellCount> &labelWidths) const;
    // After a picture change: every flag cleared; the window unticks its
    // boxes and repaints the panes.
    void ResetModes();

    // A mode box clicked: the other modes go off; ticked, the mode's plates
    // are computed and recombined. Returns the panes that changed (see
    // Damage.h: CellRect places).
    [[nodiscard]] TDamage ModeCheckClick(int32_t mode, bool ticked);
    // An ink box clicked: recombined if a mode is on. Returns the
    // recomposition's pane when it changed.
    [[nodiscard]] TDamage RecomposeCheck(int32_t ink, bool ticked);
    // RecomposedBitmap: the start colour, then each ticked ink that the
    // active mode makes, in the table's order.
    void Recompose();

    // The mode on, or -1.
    [[nodiscard]] int32_t ActiveMode() const;
    // Whether the active mode makes plate `plate`.
    [[nodiscard]] bool PlateInUse(int32_t plate) const;
    // What cell `cell` shows now; null for the logo cell (the window draws
    // the logo there), an empty cell, and before the first layout.
    [[nodiscard]] const TDibPlus *CellImage(int32_t cell) const;
    // The same, for drawing it.
    [[nodiscard]] TDibPlus *CellImage(int32_t cell)
    {
        return const_cast<TDibPlus *>(std::as_const(*this).CellImage(cell));
    }
    // What the copy button puts on the clipboard: the six cells side by side
    // without gaps on CopyBackPixel, leaving out empty panes and the logo.
    // Null while the window is closed.
    [[nodiscard]] QImage CopyImage() const;
    // Every image released.
    void Close();

    [[nodiscard]] const TSeparation &Table() const { return m_table; }
    // Each pane's size.
    [[nodiscard]] int32_t PictureWidth() const { return m_pictureWidth; }
    [[nodiscard]] int32_t PictureHeight() const { return m_pictureHeight; }
    // Each cell's pane (the logo at its own size), in client-area coordinates.
    [[nodiscard]] QRect CellRect(int32_t cell) const { return m_cellRect[size_t(cell)]; }
    // The window draws the picture on its canvas; null while closed.
    [[nodiscard]] TDibPlus *PictureImage() const { return m_pictureImage.get(); }
    // One plate per ink of the table.
    [[nodiscard]] int32_t PlateCount() const { return int32_t(m_plates.size()); }
    [[nodiscard]] const TDibPlus *Plate(int32_t plate) const { return m_plates[size_t(plate)].get(); }
    [[nodiscard]] const TDibPlus *RecomposedBitmap() const { return m_recomposedBitmap.get(); }
    // The empty pane: white, a black border, two grey diagonals.
    [[nodiscard]] const TDibPlus *BlankBitmap() const { return m_blankBitmap.get(); }
    // States of the mode boxes (at most one true) and of the ink boxes.
    [[nodiscard]] const std::array<bool, SepMaxModes> &ModeFlags() const { return m_modeFlag; }
    [[nodiscard]] const std::array<bool, SepMaxInks> &InkFlags() const { return m_useInk; }

private:
    [[nodiscard]] std::vector<TDibPlus *> PlatePointers() const;
    [[nodiscard]] bool AnyInkInUse() const;

    const TSeparation &m_table;
    int32_t m_pictureWidth = 0;
    int32_t m_pictureHeight = 0;
    std::array<QRect, SepCellCount> m_cellRect{};
    std::unique_ptr<TDibPlus> m_pictureImage;
    std::vector<std::unique_ptr<TDibPlus>> m_plates;
    std::unique_ptr<TDibPlus> m_recomposedBitmap;
    std::unique_ptr<TDibPlus> m_blankBitmap;
    std::array<bool, SepMaxModes> m_modeFlag{};
    std::array<bool, SepMaxInks> m_useInk{};
};

} // namespace Irisonde
