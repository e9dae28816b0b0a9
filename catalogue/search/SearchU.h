// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The picture file search: walks a folder, and optionally every folder below
// it, and hands each raster picture ("*.bmp", "*.jpg", "*.png"... every
// format of RasterExtensions) and each metafile or drawing ("*.wmf", "*.svg",
// "*.svgz") it finds, and each sub-folder it enters, to the client's hooks.
// It keeps no results.
//
// The walk runs on the caller's thread and calls `Step` after every entry it
// examines; a step that returns false, or a call of Cancel() from a hook or
// a step, ends the walk. The catalogue walks on a thread of its own
// (TSearchRun), whose step says whether the walk is still wanted.
//
// Report order: for each folder its raster pictures, then its metafiles and
// drawings, then each
// sub-folder in turn followed (when recursing) by everything below it: a
// depth-first, pre-order walk. Within one folder, names come in the order an
// NTFS volume lists them (case-insensitive, by upper-cased characters), the
// order the catalogue was first written against; nothing is sorted across
// folders.
//
// On this platform: the separator is "/"; hidden means a name beginning with
// a dot; hidden files are reported, hidden folders are neither reported nor
// entered. Symbolic links are followed, but each folder is reported and
// entered at most once per walk, so links back up the tree (or any loop of
// them) neither make the walk endless nor report a folder twice; the first
// path met in walk order is the one reported. A folder that cannot be opened
// yields nothing and the walk goes on.
//
// The system's file systems (see IsSystemMount) are neither entered nor
// reported, nor is any folder of a pseudo one reached through a link: a
// search of "/" reports pictures by their real paths only. Names are kept
// with their bytes (DecodeRawName), so that a picture whose name is not
// valid in the system's encoding can still be opened.
#include "catalogue/search/MountsU.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

namespace Irisonde {

// File attribute bits of an attribute mask, as the original platform numbers
// them. Only the hidden and directory bits mean something here (there are no
// system or volume-label entries); faAnyFile admits every entry.
inline constexpr std::int32_t faReadOnly = 1;
inline constexpr std::int32_t faHidden = 2;
inline constexpr std::int32_t faSysFile = 4;
inline constexpr std::int32_t faVolumeID = 8;
inline constexpr std::int32_t faDirectory = 16;
inline constexpr std::int32_t faArchive = 32;
inline constexpr std::int32_t faAnyFile = 63;

// Which kinds of picture a folder is searched for (the catalogue's settings
// brwBmpFlag and brwMetaFlag): Bmp every raster format, Meta metafiles and
// SVG drawings.
struct TSearchKinds {
    bool Bmp = true;
    bool Meta = true;
};

class TPictureSearch {
public:
    using TPathHook = std::function<void(const QString &)>;

    TPictureSearch();
    ~TPictureSearch();
    TPictureSearch(const TPictureSearch &) = delete;
    TPictureSearch &operator=(const TPictureSearch &) = delete;

    // Called once for every picture file found, with its full path.
    TPathHook OnFileFound = [](const QString &) {};
    // Called once for every sub-folder found, before it is searched.
    TPathHook OnFolderFound = [](const QString &) {};
    // Asked at every folder visited, before each of its two pattern passes,
    // so that a change made during a search counts from the next pass.
    std::function<TSearchKinds()> Kinds = [] { return TSearchKinds{}; };
    // Called after every examined entry; false stops the walk.
    std::function<bool()> Step = [] { return true; };
    // The mounted file systems, asked once at the start of each walk.
    std::function<QList<TMount>()> Mounts = &ReadMounts;
    // The hooks and the step are taken when a search starts: changing them
    // during a search counts from the next one.

    // Searches `Folder` (with or without trailing separators; "/" is the
    // root, whose sub-folder Images is reported as "/Images") for the kinds
    // `Kinds` asks, reports its sub-folders and, when `Recurse`, searches
    // them too. The catalogue passes faAnyFile. Returns true when the walk
    // ran to its end, false when it was stopped, or refused because this
    // search object is already walking (a client's handler run during a step
    // may not start a second walk on it: the running one would be corrupted).
    bool SearchFolder(const QString &Folder, std::int32_t AttrMask, bool Recurse);

    // Reports the entries of `Folder` alone that match `Pattern` (a wildcard
    // such as "*.bmp": "*" any run, "?" one character, letters matched
    // without regard to case, "*.*" any name) and are not folders. Returns
    // as SearchFolder does.
    bool SearchFiles(const QString &Folder, const QString &Pattern, std::int32_t AttrMask);

    // Stops the running walk at its next step: no report follows.
    void Cancel();
    // A walk is running (the caller is inside a step or a hook).
    [[nodiscard]] bool Busy() const;

private:
    struct TWalk;
    template <typename W>
    bool Run(W walk);
    std::unique_ptr<TWalk> m_walk; // the running walk, or null
};

} // namespace Irisonde
