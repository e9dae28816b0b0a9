// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "catalogue/search/SearchU.h"

#include "catalogue/search/RawNameU.h"
#include "imaging/PictureFormatsU.h"


#include <algorithm>
#include <set>
#include <string_view>
#include <utility>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>

namespace Irisonde {

namespace {

const QLatin1Char Sep('/');

// The two passes' patterns: every raster format ("BitMaps"), then
// metafiles and drawings ("Métafichiers").
QStringList PatternsOf(std::initializer_list<QStringView> first, const auto &more)
{
    QStringList patterns;
    for (QStringView e : first)
        patterns.append(QStringLiteral("*.") + e.toString());
    for (QStringView e : more)
        patterns.append(QStringLiteral("*.") + e.toString());
    return patterns;
}
const QStringList &BmpPatterns()
{
    static const QStringList patterns = PatternsOf({u"bmp"}, RasterExtensions);
    return patterns;
}
const QStringList &MetaPatterns()
{
    static const QStringList patterns = PatternsOf({u"wmf"}, DrawingExtensions);
    return patterns;
}

using TFolderId = std::pair<dev_t, ino_t>;

// One entry of a folder, as read once for all the passes over that folder.
struct TEntry {
    QByteArray Native; // the name's bytes, to open it again whatever its encoding
    QString Name;
    QString Key;       // upper-cased name: the sort key
    bool Dir = false;
    bool Hidden = false;
    bool Known = false; // Id was read
    TFolderId Id{};    // folders only
};

// "*" runs and "?" single characters; letters compared without regard to
// case. "*.*" takes any name, as the original platform's matcher did.
bool WildMatch(QStringView name, QStringView pat)
{
    if (pat == QLatin1StringView("*.*"))
        return true;
    qsizetype n = 0, p = 0, starP = -1, starN = 0;
    while (n < name.size()) {
        if (p < pat.size() && pat[p] != QLatin1Char('*')
            && (pat[p] == QLatin1Char('?') || pat[p].toCaseFolded() == name[n].toCaseFolded())) {
            ++n;
            ++p;
        } else if (p < pat.size() && pat[p] == QLatin1Char('*')) {
            starP = p++;
            starN = n;
        } else if (starP >= 0) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pat.size() && pat[p] == QLatin1Char('*'))
        ++p;
    return p == pat.size();
}

// A cheap test on the raw name before it is decoded: could its extension
// be a picture's (any case)? Most entries of a tree are not.
bool MayBePicture(std::string_view name)
{
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos || name.size() - dot > 6)
        return false;
    const std::string_view tail = name.substr(dot);
    return FamilyOfName(QString::fromLatin1(tail.data(), qsizetype(tail.size()))) != EPictureFamily::None;
}

// Reads the folder `path` once. Keeps every entry when `all`, otherwise only
// those that may be pictures and the visible folders. Folders carry their
// identity (links followed) so that a walk can enter each only once. False
// when the folder cannot be opened or when `entered` holds it already.
bool ReadFolder(const QByteArray &path, bool all, std::vector<TEntry> &out, std::set<TFolderId> *entered)
{
    DIR *dir = ::opendir(path.constData());
    if (!dir)
        return false;
    const int fd = ::dirfd(dir);
    struct stat st {};
    if (entered && ::fstat(fd, &st) == 0 && !entered->insert({st.st_dev, st.st_ino}).second) {
        ::closedir(dir);
        return false;
    }
    while (const dirent *d = ::readdir(dir)) {
        const std::string_view name(d->d_name);
        if (name == "." || name == "..")
            continue;
        const bool hidden = name.front() == '.';
        bool dir_ = d->d_type == DT_DIR;
        // Links and file systems that do not give the type: ask, following
        // the link; a dangling link counts as a file.
        const bool ask = d->d_type == DT_LNK || d->d_type == DT_UNKNOWN;
        const bool keepAsFile = all || MayBePicture(name);
        if (!keepAsFile && hidden)
            continue; // a hidden folder is never entered, a hidden non-picture never reported
        if (!keepAsFile && !dir_ && !ask)
            continue;
        TEntry e;
        if (ask || (dir_ && !hidden)) {
            if (::fstatat(fd, d->d_name, &st, 0) == 0) {
                dir_ = S_ISDIR(st.st_mode);
                e.Id = {st.st_dev, st.st_ino};
                e.Known = true;
            } else if (ask) {
                dir_ = false;
            }
        }
        if (!keepAsFile && !dir_)
            continue;
        e.Native = QByteArray(name.data(), qsizetype(name.size()));
        e.Name = DecodeRawName(e.Native);
        e.Key = e.Name.toUpper();
        e.Dir = dir_;
        e.Hidden = hidden;
        out.push_back(std::move(e));
    }
    ::closedir(dir);
    std::sort(out.begin(), out.end(), [](const TEntry &a, const TEntry &b) {
        const int c = a.Key.compare(b.Key);
        return c != 0 ? c < 0 : a.Native < b.Native;
    });
    return true;
}

// A folder as reports show it (trailing separators dropped, so that the root
// gives "/Images") and as its bytes, to open it whatever its encoding.
struct TFolderPath {
    QString Shown;
    QByteArray Native; // empty for the root

    [[nodiscard]] QByteArray OpenPath() const { return Native.isEmpty() ? QByteArray("/") : Native; }
};

TFolderPath Trimmed(const QString &folder)
{
    QString shown = folder;
    while (shown.endsWith(Sep))
        shown.chop(1);
    return {shown, EncodeRawName(shown)};
}

} // namespace

struct TPictureSearch::TWalk {
    TPathHook FileFound;
    TPathHook FolderFound;
    std::function<TSearchKinds()> Kinds;
    std::function<bool()> Step;
    bool Cancelled = false;
    std::set<TFolderId> Reported; // every folder reported so far, and the starting one
    std::set<TFolderId> Entered;  // every folder searched so far
    // The top folders of the system's file systems, and the devices of the
    // pseudo ones: never entered, never reported.
    std::set<TFolderId> SystemRoots;
    std::set<dev_t> SystemDevices;

    // Read once per walk: a stick plugged in meanwhile counts from the next.
    void Exclude(const QList<TMount> &mounts)
    {
        for (const TMount &m : mounts) {
            if (!IsSystemMount(m))
                continue;
            const QByteArray point = EncodeRawName(m.Point);
            struct stat st {}, up {};
            if (::stat(point.constData(), &st) != 0)
                continue;
            SystemRoots.insert({st.st_dev, st.st_ino});
            // A device of its own (a real mount, not a folder a table only
            // names): everything on it is the system's, by whatever link.
            if (IsPseudoMount(m) && ::stat((point + "/..").constData(), &up) == 0 && up.st_dev != st.st_dev)
                SystemDevices.insert(st.st_dev);
        }
    }

    [[nodiscard]] bool System(const TFolderId &id) const
    {
        return SystemRoots.count(id) > 0 || SystemDevices.count(id.first) > 0;
    }

    // The yield after an examined entry; false once the walk is to stop.
    bool Yield()
    {
        if (!Cancelled && !Step())
            Cancelled = true;
        return !Cancelled;
    }

    // The files of `entries` that one of `patterns` takes, in order; false when stopped.
    bool ReportFiles(const TFolderPath &folder, const std::vector<TEntry> &entries,
                     const QStringList &patterns, std::int32_t attrMask)
    {
        for (const TEntry &e : entries) {
            if (e.Hidden && !(attrMask & faHidden))
                continue;
            if (e.Dir && !(attrMask & faDirectory))
                continue;
            if (std::none_of(patterns.begin(), patterns.end(), [&e](const QString &p) { return WildMatch(e.Name, p); }))
                continue;
            if (!Yield())
                return false;
            if (e.Dir)
                continue; // a folder named photo.bmp is no picture
            FileFound(folder.Shown + Sep + e.Name);
            if (Cancelled)
                return false;
        }
        return true;
    }

    bool Folder(const TFolderPath &folder, std::int32_t attrMask, bool recurse)
    {
        struct stat st {};
        // Sub-folders are told apart as they are listed; the first one here.
        if (Reported.empty() && ::stat(folder.OpenPath().constData(), &st) == 0 && System({st.st_dev, st.st_ino}))
            return true;
        std::vector<TEntry> entries;
        if (!ReadFolder(folder.OpenPath(), false, entries, &Entered))
            return true; // unreadable, gone or searched already: the walk goes on
        if (Reported.empty())
            Reported = Entered; // the starting folder is never reported
        if (Kinds().Bmp && !ReportFiles(folder, entries, BmpPatterns(), attrMask))
            return false;
        if (Kinds().Meta && !ReportFiles(folder, entries, MetaPatterns(), attrMask))
            return false;
        for (const TEntry &e : entries) {
            if (!e.Dir || e.Hidden || (e.Known && System(e.Id)))
                continue;
            // Reached already by another path (a link, a loop of links).
            if (e.Known && !Reported.insert(e.Id).second)
                continue;
            const TFolderPath sub{folder.Shown + Sep + e.Name, folder.Native + '/' + e.Native};
            FolderFound(sub.Shown);
            if (Cancelled)
                return false;
            if (recurse && !Folder(sub, attrMask, recurse))
                return false;
            if (!Yield())
                return false;
        }
        return true;
    }
};

TPictureSearch::TPictureSearch() = default;
TPictureSearch::~TPictureSearch() = default;

namespace {

// A hook a client emptied (assigned nullptr) does nothing rather than throw.
template <typename F, typename D>
F OrDefault(const F &f, D fallback)
{
    return f ? f : F(fallback);
}

} // namespace

// Runs `walk` as the one walk of this object; the object is free again
// afterwards, even when a hook throws.
template <typename W>
bool TPictureSearch::Run(W walk)
{
    if (m_walk)
        return false;
    m_walk = std::make_unique<TWalk>(OrDefault(OnFileFound, [](const QString &) {}),
                                     OrDefault(OnFolderFound, [](const QString &) {}),
                                     OrDefault(Kinds, [] { return TSearchKinds{}; }),
                                     OrDefault(Step, [] { return true; }));
    m_walk->Exclude(Mounts ? Mounts() : QList<TMount>{});
    struct TFree {
        std::unique_ptr<TWalk> &Walk;
        ~TFree() { Walk.reset(); }
    } release{m_walk};
    return walk(*m_walk);
}

bool TPictureSearch::SearchFolder(const QString &Folder, std::int32_t AttrMask, bool Recurse)
{
    if (Folder.isEmpty())
        return !m_walk; // no folder named: nothing to search
    return Run([&](TWalk &w) { return w.Folder(Trimmed(Folder), AttrMask, Recurse); });
}

bool TPictureSearch::SearchFiles(const QString &Folder, const QString &Pattern, std::int32_t AttrMask)
{
    if (Folder.isEmpty())
        return !m_walk;
    return Run([&](TWalk &w) {
        const TFolderPath folder = Trimmed(Folder);
        std::vector<TEntry> entries;
        return !ReadFolder(folder.OpenPath(), true, entries, nullptr) || w.ReportFiles(folder, entries, {Pattern}, AttrMask);
    });
}

void TPictureSearch::Cancel()
{
    if (m_walk)
        m_walk->Cancelled = true;
}

bool TPictureSearch::Busy() const { return bool(m_walk); }

} // namespace Irisonde
