// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The thumbnail cache the desktop's file managers share (the freedesktop.org
// Thumbnail Managing Standard): PNG files in "normal" (128 pixels) and
// "large" (256 pixels) below $XDG_CACHE_HOME/thumbnails (~/.cache when the
// variable is unset), each named by the MD5 of its picture's file URI and
// carrying that URI and the picture's modification time. A thumbnail a file
// manager made serves the catalogue, and the reverse.
//
// An entry whose time is not the file's, or that cannot be read, lacks its
// keys or names another file, is not used; the caller makes it again.
// Entries are written whole or not at all (a temporary file renamed), the
// folders readable by their owner only. Safe to use from several threads.
#include <QImage>
#include <QSize>
#include <QString>

#include <optional>

namespace Irisonde {

enum class EThumbFlavour { Normal, Large };

struct TCachedThumb {
    QImage Image;
    QSize Natural; // the picture's own size, when the entry says it
};

class TThumbCache {
public:
    // The cache whose "normal" and "large" folders are below `root`.
    explicit TThumbCache(QString root = DefaultRoot()) : m_root(std::move(root)) {}
    [[nodiscard]] static QString DefaultRoot();
    [[nodiscard]] const QString &Root() const { return m_root; }

    // The folder whose thumbnails are at least as large as a shown square of `thumb`.
    [[nodiscard]] static EThumbFlavour FlavourFor(int thumb) { return thumb <= 128 ? EThumbFlavour::Normal : EThumbFlavour::Large; }
    [[nodiscard]] static int Edge(EThumbFlavour flavour) { return flavour == EThumbFlavour::Normal ? 128 : 256; }
    // "file:///home/a/b%20c.jpg" for "/home/a/b c.jpg".
    [[nodiscard]] static QByteArray Uri(const QString &absolutePath);
    [[nodiscard]] QString EntryPath(const QString &absolutePath, EThumbFlavour flavour) const;

    // The entry of the file `absolutePath` last modified at `mtime` (seconds
    // since the epoch), if one is there and sound.
    [[nodiscard]] std::optional<TCachedThumb> Read(const QString &absolutePath, qint64 mtime, EThumbFlavour flavour) const;
    // Stores `image` (no larger than the flavour's edge) for that file;
    // false when the cache cannot be written, which is no fault of the picture.
    [[nodiscard]] bool Write(const QString &absolutePath, qint64 mtime, const QImage &image, QSize natural,
                             EThumbFlavour flavour) const;

private:
    QString m_root;
};

} // namespace Irisonde
