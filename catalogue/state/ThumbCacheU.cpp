// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "catalogue/state/ThumbCacheU.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QTemporaryFile>
#include <QUrl>

#include <cstdio>

#include <sys/stat.h>

namespace Irisonde {

namespace {

const QString KeyUri = QStringLiteral("Thumb::URI");
const QString KeyMTime = QStringLiteral("Thumb::MTime");
const QString KeyWidth = QStringLiteral("Thumb::Image::Width");
const QString KeyHeight = QStringLiteral("Thumb::Image::Height");

QString FlavourFolder(const QString &root, EThumbFlavour flavour)
{
    return root + (flavour == EThumbFlavour::Normal ? QStringLiteral("/normal") : QStringLiteral("/large"));
}

// Made with the owner's rights only, as the standard asks; an existing
// folder is left as its owner set it.
bool MakeFolder(const QString &path)
{
    const QByteArray native = QFile::encodeName(path);
    if (::mkdir(native.constData(), 0700) == 0)
        return true;
    struct stat st {};
    return ::stat(native.constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

} // namespace

QString TThumbCache::DefaultRoot()
{
    QString base = qEnvironmentVariable("XDG_CACHE_HOME");
    // The base-directory rules of freedesktop.org take an absolute path only;
    // a relative one is ignored.
    if (base.isEmpty() || !QDir::isAbsolutePath(base))
        base = QDir::homePath() + QStringLiteral("/.cache");
    return base + QStringLiteral("/thumbnails");
}

QByteArray TThumbCache::Uri(const QString &absolutePath) { return QUrl::fromLocalFile(absolutePath).toEncoded(); }

QString TThumbCache::EntryPath(const QString &absolutePath, EThumbFlavour flavour) const
{
    const QByteArray md5 = QCryptographicHash::hash(Uri(absolutePath), QCryptographicHash::Md5).toHex();
    return FlavourFolder(m_root, flavour) + QLatin1Char('/') + QString::fromLatin1(md5) + QStringLiteral(".png");
}

std::optional<TCachedThumb> TThumbCache::Read(const QString &absolutePath, qint64 mtime, EThumbFlavour flavour) const
{
    QImageReader reader(EntryPath(absolutePath, flavour), "png");
    // A cache entry is never larger than its folder's edge; anything much
    // larger is no thumbnail and is not decoded.
    const QSize declared = reader.size();
    if (!declared.isValid() || declared.width() > 4 * Edge(flavour) || declared.height() > 4 * Edge(flavour))
        return std::nullopt;
    QImage image;
    if (!reader.read(&image) || image.isNull())
        return std::nullopt;
    if (image.text(KeyUri).toLatin1() != Uri(absolutePath))
        return std::nullopt;
    bool ok = false;
    if (image.text(KeyMTime).trimmed().toLongLong(&ok) != mtime || !ok)
        return std::nullopt;
    TCachedThumb entry;
    bool w = false, h = false;
    const int width = image.text(KeyWidth).toInt(&w);
    const int height = image.text(KeyHeight).toInt(&h);
    if (w && h && width > 0 && height > 0)
        entry.Natural = QSize(width, height);
    entry.Image = std::move(image);
    return entry;
}

bool TThumbCache::Write(const QString &absolutePath, qint64 mtime, const QImage &image, QSize natural,
                        EThumbFlavour flavour) const
{
    if (image.isNull())
        return false;
    const QString folder = FlavourFolder(m_root, flavour);
    if (!QDir().mkpath(QFileInfo(m_root).path()) || !MakeFolder(m_root) || !MakeFolder(folder))
        return false;
    QImage entry = image;
    entry.setText(KeyUri, QString::fromLatin1(Uri(absolutePath)));
    entry.setText(KeyMTime, QString::number(mtime));
    if (natural.isValid()) {
        entry.setText(KeyWidth, QString::number(natural.width()));
        entry.setText(KeyHeight, QString::number(natural.height()));
    }
    entry.setText(QStringLiteral("Software"), QStringLiteral("Irisonde"));
    // Another program reading the entry meanwhile sees the old one or the
    // new one whole, never half of it. QTemporaryFile makes it 0600.
    QTemporaryFile temp(folder + QStringLiteral("/irisonde-XXXXXX.png"));
    if (!temp.open())
        return false;
    QImageWriter writer(&temp, "png");
    if (!writer.write(entry) || !temp.flush())
        return false;
    temp.close();
    const QString target = EntryPath(absolutePath, flavour);
    if (std::rename(QFile::encodeName(temp.fileName()).constData(), QFile::encodeName(target).constData()) != 0)
        return false;
    temp.setAutoRemove(false);
    return true;
}

} // namespace Irisonde
