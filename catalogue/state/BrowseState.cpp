// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "catalogue/state/BrowseState.h"
#include "catalogue/search/RawNameU.h"
#include "imaging/PictureFormatsU.h"
#include "imaging/WheelU.h"

#include <QDir>

#include <algorithm>
#include <cmath>

namespace Irisonde {

namespace {

constexpr std::array<int, TBrowseState::ThumbItems> ThumbSizes{60, 80, 100, 120};
constexpr int LeftColumnHeight = 106; // the fixed controls need this much of each row

// The word as it is for 0 and 1, with an "s" from 2 on (the shell has the
// same rule, in a library this one may not link).
QString PluralS(const QString &word, int count) { return count < 2 ? word : word + QLatin1Char('s'); }

// To the nearest integer, halves to the even neighbour (the default mode).
int RoundEven(double v) { return int(std::nearbyint(v)); }

} // namespace

int TBrowseState::ThumbItemOf(int wThumb)
{
    switch (wThumb) {
    case 60: return 0;
    case 100: return 2;
    case 120: return 3;
    default: return 1;
    }
}

int TBrowseState::ThumbOfItem(int item) { return ThumbSizes[std::clamp(item, 0, ThumbItems - 1)]; }

QString TBrowseState::ThumbItemCaption(int item)
{
    const int t = ThumbOfItem(item);
    return QStringLiteral(" Vignettes de %1 sur %1 pixels").arg(t);
}

int TBrowseState::ClampThumb(int wThumb) { return std::clamp(wThumb, MinThumb, MaxThumb); }

QSize TBrowseState::ClientSize() const
{
    // The original table gives the 60-pixel size the height of the 80 one:
    // read here as "never lower than the left column needs".
    const int h = std::max(SlotHeight(), LeftColumnHeight);
    return {4 * (SlotWidth() + 4) + 212, 3 * (h + 4) + 24};
}

QRect TBrowseState::SlotRect(int k) const
{
    const int r = (k - 1) / Columns, c = (k - 1) % Columns;
    return {209 + c * (SlotWidth() + 4), 4 + r * (SlotHeight() + 3), SlotWidth(), SlotHeight()};
}

QRect TBrowseState::FitPicture(int W, int H, int thumb)
{
    W = std::max(W, 0);
    H = std::max(H, 0);
    if (W < thumb && H < thumb)
        return {(thumb - W) / 2, (thumb - H) / 2, W, H};
    // A picture with no height (or no width) has no aspect: nothing is drawn.
    if (W == 0 || H == 0)
        return {thumb / 2, thumb / 2, 0, 0};
    // t / r and t x r with r = W / H, computed as t x H / W and t x W / H so
    // that an exact half stays exact and goes to the even side.
    if (W > H) {
        const int h = RoundEven(double(thumb) * H / W);
        return {0, (thumb - h) / 2, thumb, h};
    }
    const int w = RoundEven(double(thumb) * W / H);
    return {(thumb - w) / 2, 0, w, thumb};
}

void TBrowseState::Reset()
{
    FileList.clear();
    FileCount = BmpCount = MetaCount = 0;
    PageCount = CurrentPage = 0;
    Selected = -1;
    ForgetPicSizes();
    m_wheelRest = 0;
}

void TBrowseState::ForgetPicSizes()
{
    PicSize.fill(QSize());
    PicKnown.fill(false);
}

bool TBrowseState::BeginSearch()
{
    if (m_searching)
        return false;
    Reset();
    m_searching = true;
    return true;
}

void TBrowseState::FileFound(const QString &path)
{
    ++FileCount;
    if (IsMetafilePath(path))
        ++MetaCount;
    else
        ++BmpCount;
    FileList.append(path);
}

void TBrowseState::EndSearch()
{
    m_searching = false;
    PageCount = FileCount / SlotCount + (FileCount % SlotCount > 0 ? 1 : 0);
    CurrentPage = PageCount > 0 ? 1 : 0;
    Selected = -1;
}

std::optional<int> TBrowseState::FileIndexOfSlot(int k) const
{
    if (k < 1 || k > SlotCount || FileCount == 0 || CurrentPage < 1)
        return std::nullopt;
    const int i = k - 1 + SlotCount * (CurrentPage - 1);
    if (i >= std::min(FileCount, int(FileList.size())))
        return std::nullopt;
    return i;
}

QString TBrowseState::SlotFile(int k) const
{
    const auto i = FileIndexOfSlot(k);
    return i ? FileList.at(*i) : QString();
}

bool TBrowseState::PredPage()
{
    if (CurrentPage < 2)
        return false;
    --CurrentPage;
    return true;
}

bool TBrowseState::SuccPage()
{
    if (CurrentPage >= PageCount)
        return false;
    ++CurrentPage;
    return true;
}

EPageStep TBrowseState::WheelPage(int angleDelta)
{
    // A turn the other way forgets what was gathered the first way.
    if ((angleDelta > 0 && m_wheelRest < 0) || (angleDelta < 0 && m_wheelRest > 0))
        m_wheelRest = 0;
    m_wheelRest = std::clamp(m_wheelRest + angleDelta, -WheelNotch, WheelNotch);
    const int q = m_wheelRest / WheelNotch;
    if (q == 0)
        return EPageStep::None;
    m_wheelRest = 0; // one page at most per notification, whatever the turn
    return q > 0 ? EPageStep::Pred : EPageStep::Succ;
}

TSelectionChange TBrowseState::SlotClick(int k)
{
    const int old = Selected;
    if (k >= 1 && k <= SlotCount)
        Selected = k;
    if (Selected == old) {
        Selected = -1;
        return {old, -1};
    }
    return {old, Selected};
}

int TBrowseState::FilledSlots() const
{
    if (CurrentPage < 1)
        return 0;
    return std::clamp(int(std::min(qsizetype(FileCount), FileList.size())) - SlotCount * (CurrentPage - 1), 0, SlotCount);
}

int TBrowseState::SlotAfterMove(int from, ESlotMove move) const
{
    const int last = FilledSlots();
    if (last == 0)
        return -1;
    from = std::clamp(from, 1, last);
    int to = from;
    switch (move) {
    case ESlotMove::Left: to = from - 1; break;
    case ESlotMove::Right: to = from + 1; break;
    case ESlotMove::Up: to = from - Columns; break;
    case ESlotMove::Down: to = from + Columns; break;
    case ESlotMove::First: to = 1; break;
    case ESlotMove::Last: to = last; break;
    }
    // Up from the first row stays there; down below the last picture goes to it.
    if (to < 1)
        return from;
    return std::min(to, last);
}

int TBrowseState::ClearSelection()
{
    const int old = Selected;
    Selected = -1;
    return old;
}

QString TBrowseState::PageText() const
{
    return QStringLiteral("Page %1 sur %2").arg(CurrentPage).arg(PageCount);
}

QString TBrowseState::SummaryText() const
{
    return QString::number(FileCount) + QLatin1Char(' ') + PluralS(QStringLiteral("Fichier"), FileCount)
        + QStringLiteral(" image ") + PluralS(QStringLiteral("trouvé"), FileCount) + QStringLiteral(" - ( ")
        + QString::number(BmpCount) + PluralS(QStringLiteral(" BitMap"), BmpCount) + QStringLiteral(" et ")
        + QString::number(MetaCount) + PluralS(QStringLiteral(" Métafichier"), MetaCount) + QStringLiteral(" )");
}

QString TBrowseState::StatusText() const
{
    const auto i = FileIndexOfSlot(Selected);
    if (!i)
        return SummaryText();
    const QSize s = PicSize[std::size_t(Selected - 1)];
    const QString file = QStringLiteral("Fichier : ") + ShownName(FileList.at(*i));
    if (!PicKnown[std::size_t(Selected - 1)])
        return file;
    // Drawn as damaged: no size to give.
    if (!s.isValid())
        return file + QStringLiteral(" - Image illisible");
    return file + QStringLiteral(" - Taille : ") + QString::number(s.width()) + QStringLiteral(" sur ")
        + QString::number(s.height()) + QStringLiteral(" pixels");
}

QString TBrowseState::EndCaption(const QString &brwPath) const
{
    // Always this plural wording, whatever the count.
    return QStringLiteral(" Catalogue des images, dossier : ") + ShownName(brwPath) + QStringLiteral(" - ")
        + QString::number(FileCount) + QStringLiteral(" fichiers trouvés.");
}

QString TBrowseState::SearchingCaption() { return QStringLiteral(" Catalogue des images : Recherche en cours"); }

QString TBrowseState::FolderStatus(const QString &folder)
{
    return QStringLiteral("Recherche en cours : ") + ShownName(folder);
}

TSlotCaption TBrowseState::SlotCaption(int k, const std::function<int(const QString &)> &textWidth) const
{
    const auto i = FileIndexOfSlot(k);
    return CutCaption(i ? ShownName(FileName(FileList.at(*i))) : QStringLiteral("Pas d'image"), SlotWidth(), textWidth);
}

TSlotCaption TBrowseState::CutCaption(QString text, int slotWidth, const std::function<int(const QString &)> &textWidth)
{
    const QString dots = QStringLiteral("...");
    const int limit = slotWidth - 10;
    int w = textWidth(text);
    if (w > limit) {
        // Stops at the empty text too, so that a slot narrower than "..."
        // cannot keep it turning.
        do {
            const qsizetype n = text.size();
            const bool pair = n >= 2 && text.at(n - 1).isLowSurrogate() && text.at(n - 2).isHighSurrogate();
            text.chop(pair ? 2 : 1);
            w = textWidth(text + dots);
        } while (w > limit && !text.isEmpty());
        text += dots;
    }
    return {text, (slotWidth - w) / 2};
}

QString TBrowseState::Extension(const QString &path)
{
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot < 0 || path.indexOf(QDir::separator(), dot) >= 0)
        return {};
    return path.mid(dot);
}

QString TBrowseState::FileName(const QString &path)
{
    return path.mid(path.lastIndexOf(QDir::separator()) + 1);
}

bool TBrowseState::IsBitmapPath(const QString &path) { return IsRasterFamily(FamilyOfName(FileName(path))); }

bool TBrowseState::IsMetafilePath(const QString &path) { return IsVectorFamily(FamilyOfName(FileName(path))); }

} // namespace Irisonde
