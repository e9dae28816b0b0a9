// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The catalogue window without its widgets: the list of pictures a search
// found, its pages of twelve thumbnails, the selected slot, the slot and
// window geometry that follows from the thumbnail size, the fitting of a
// picture into its thumbnail square and every text the window shows.
//
// Slots are numbered 1 to 12 in reading order (four columns, three rows);
// Selected is a slot number or -1; CurrentPage counts from 1, and is 0 (as is
// PageCount) while nothing has been found.
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

namespace Irisonde {

enum class EPageStep { None, Pred, Succ };

// A move of the selection with the keyboard: the arrows, Home and End.
enum class ESlotMove { Left, Right, Up, Down, First, Last };

struct TSlotCaption {
    QString Text; // the file name, cut with "..." when too wide
    int Left = 0; // NameLab's left edge in the slot panel
};

// What a click on a slot changed: the slot to give back its button-face
// colour (or -1) and the slot now selected (or -1).
struct TSelectionChange {
    int Old = -1;
    int Selected = -1;
};

class TBrowseState {
public:
    static constexpr int SlotCount = 12;
    static constexpr int Columns = 4;
    static constexpr int ThumbItems = 4;
    // Stored thumbnail sizes are brought into this range: below it "..."
    // alone no longer fits a caption, above it the window outgrows a screen.
    static constexpr int MinThumb = 24;
    static constexpr int MaxThumb = 240;

    // --- thumbnail size and layout
    // The list item of a stored size: 60 -> 0, 100 -> 2, 120 -> 3, any other -> 1.
    [[nodiscard]] static int ThumbItemOf(int wThumb);
    [[nodiscard]] static int ThumbOfItem(int item); // 60, 80, 100 or 120
    [[nodiscard]] static QString ThumbItemCaption(int item); // " Vignettes de 60 sur 60 pixels"
    [[nodiscard]] static int ClampThumb(int wThumb);

    // The size the slots are laid out for; set from wThumb (clamped) at
    // show and at each change of the size list.
    void SetThumb(int wThumb) { m_thumb = ClampThumb(wThumb); }
    [[nodiscard]] int Thumb() const { return m_thumb; }
    [[nodiscard]] int SlotWidth() const { return m_thumb + 12; }
    [[nodiscard]] int SlotHeight() const { return m_thumb + 26; }
    [[nodiscard]] QSize ClientSize() const;
    [[nodiscard]] QRect SlotRect(int k) const; // the panel of slot k in the window
    [[nodiscard]] int NameLabTop() const { return SlotHeight() - 20; }

    // Where a W x H picture goes in the thumbnail square of edge `thumb`:
    // at its own size, centred, when it is smaller both ways; otherwise
    // scaled to the square's edge keeping its aspect, halves to even. A
    // picture without width or height gives an empty rectangle.
    [[nodiscard]] static QRect FitPicture(int W, int H, int thumb);
    [[nodiscard]] QRect FitPicture(int W, int H) const { return FitPicture(W, H, m_thumb); }

    // --- the search's results
    QStringList FileList;
    int FileCount = 0;
    int BmpCount = 0;
    int MetaCount = 0;
    int PageCount = 0;
    int CurrentPage = 0;
    int Selected = -1;
    // Size of the picture whose thumbnail each slot shows (slot k at k - 1),
    // invalid when it could not be shown; PicKnown once its thumbnail came.
    std::array<QSize, SlotCount> PicSize{};
    std::array<bool, SlotCount> PicKnown{};
    // The slots wait for their thumbnails again.
    void ForgetPicSizes();

    // Every showing and every search start empty.
    void Reset();
    // Empties the results for a new search; false while one is running
    // already (the caller must not start another: its hooks would mix both).
    [[nodiscard]] bool BeginSearch();
    void FileFound(const QString &path);
    // Pages from the results, page 1 shown, nothing selected. Call it once
    // the search returns, whether it ran to its end or was stopped.
    void EndSearch();
    [[nodiscard]] bool Searching() const { return m_searching; }

    // --- pages and selection
    // 0-based index in FileList of the file slot k stands for on the
    // current page, if any.
    [[nodiscard]] std::optional<int> FileIndexOfSlot(int k) const;
    [[nodiscard]] QString SlotFile(int k) const; // empty when none
    [[nodiscard]] bool PredEnabled() const { return CurrentPage > 1; }
    [[nodiscard]] bool SuccEnabled() const { return CurrentPage < PageCount; }
    // One page back (forward); false when there is none. The caller then
    // clears the selection and shows the page.
    [[nodiscard]] bool PredPage();
    [[nodiscard]] bool SuccPage();
    // The page step of one wheel notification of `angleDelta` (eighths of a
    // degree, positive away from the user): at most one page. Partial deltas
    // of fine-grained wheels add up until they make a notch.
    [[nodiscard]] EPageStep WheelPage(int angleDelta);
    [[nodiscard]] TSelectionChange SlotClick(int k);
    // The slot `move` leads to from slot `from` on the current page: a step
    // in reading order, a row up or down (a column that stops short leads to
    // the page's last picture), the first or the last picture. Slots without
    // a picture are never reached; -1 when the page has none.
    [[nodiscard]] int SlotAfterMove(int from, ESlotMove move) const;
    // The number of slots of the current page that show a picture.
    [[nodiscard]] int FilledSlots() const;
    // Returns the slot that was selected (or -1); nothing is selected after.
    int ClearSelection();

    // --- texts
    [[nodiscard]] QString PageText() const;    // "Page 2 sur 3"
    [[nodiscard]] QString SummaryText() const; // "3 Fichiers image trouvés - ( 2 BitMaps et 1 Métafichier )"
    // The selected file and its size ("Image illisible" when it could not be
    // drawn; the file alone while its thumbnail is being made), or the summary. Names are shown as ShownName shows them.
    [[nodiscard]] QString StatusText() const;
    [[nodiscard]] QString EndCaption(const QString &brwPath) const;
    [[nodiscard]] static QString SearchingCaption();
    [[nodiscard]] static QString FolderStatus(const QString &folder); // "Recherche en cours : " + folder
    // The caption of slot k, cut to SlotWidth - 10 pixels as `textWidth`
    // measures it in the window's font.
    [[nodiscard]] TSlotCaption SlotCaption(int k, const std::function<int(const QString &)> &textWidth) const;
    [[nodiscard]] static TSlotCaption CutCaption(QString text, int slotWidth,
                                                 const std::function<int(const QString &)> &textWidth);

    // --- paths
    // From the last "." when no separator follows it, else empty.
    [[nodiscard]] static QString Extension(const QString &path);
    [[nodiscard]] static QString FileName(const QString &path); // after the last separator
    // By the name's extension: counted among the "BitMaps" (every raster
    // format) or the "Métafichiers" (metafiles and SVG drawings).
    [[nodiscard]] static bool IsBitmapPath(const QString &path);
    [[nodiscard]] static bool IsMetafilePath(const QString &path);

private:
    int m_thumb = 80;
    bool m_searching = false;
    int m_wheelRest = 0; // eighths of a degree not yet turned into a page
};

} // namespace Irisonde
