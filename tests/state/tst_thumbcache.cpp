// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

// The shared thumbnail cache as the catalogue's workers use it: an entry
// written under the name and with the keys file managers expect, then read
// back; a stale, damaged or foreign entry made again; small pictures and an
// unwritable cache left alone.
#include "catalogue/state/ThumbCacheU.h"
#include "catalogue/state/ThumbMakerU.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

using namespace Irisonde;

namespace {

int Mode(const QString &path)
{
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? int(st.st_mode & 0777) : -1;
}

} // namespace

class TstThumbCache : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString m_photo;    // 640 x 480, a space and an accent in its name
    QString m_expected; // its URI, as the standard spells it

private slots:
    void initTestCase()
    {
        // Never the user's cache, whatever the environment says.
        qputenv("XDG_CACHE_HOME", QFile::encodeName(m_dir.filePath("xdg")));
        QCOMPARE(TThumbCache::DefaultRoot(), m_dir.filePath("xdg/thumbnails"));
        QVERIFY(QDir().mkpath(m_dir.filePath("pics")));
        m_photo = m_dir.filePath(QStringLiteral("pics/une photo é.jpg"));
        QImage photo(640, 480, QImage::Format_RGB32);
        photo.fill(QColor(200, 30, 30));
        QVERIFY(photo.save(m_photo, "JPEG"));
        m_expected = QStringLiteral("file://") + m_dir.filePath("pics") + QStringLiteral("/une%20photo%20%C3%A9.jpg");
    }

    // Written under the MD5 of the URI, with the URI and the time, 0600 in
    // a 0700 folder; then served from it, in both sizes.
    void writtenThenRead_data()
    {
        QTest::addColumn<int>("thumb");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QSize>("entry");
        QTest::newRow("normal") << 80 << "normal" << QSize(128, 96);
        QTest::newRow("large") << 200 << "large" << QSize(256, 192);
    }
    void writtenThenRead()
    {
        QFETCH(int, thumb);
        QFETCH(QString, folder);
        QFETCH(QSize, entry);
        const TThumbCache cache(m_dir.filePath("written"));
        const TThumbImage made = MakeThumb(m_photo, thumb, &cache);
        QCOMPARE(made.Source, EThumbSource::File);
        QCOMPARE(made.Natural, QSize(640, 480));
        const QString md5 = QString::fromLatin1(QCryptographicHash::hash(m_expected.toUtf8(), QCryptographicHash::Md5).toHex());
        const QString path = cache.Root() + "/" + folder + "/" + md5 + ".png";
        QCOMPARE(cache.EntryPath(m_photo, TThumbCache::FlavourFor(thumb)), path);
        QImage stored(path, "PNG");
        QCOMPARE(stored.size(), entry);
        QCOMPARE(stored.text("Thumb::URI"), m_expected);
        QCOMPARE(stored.text("Thumb::MTime").toLongLong(), QFileInfo(m_photo).lastModified().toSecsSinceEpoch());
        QCOMPARE(Mode(path), 0600);
        QCOMPARE(Mode(cache.Root() + "/" + folder), 0700);
        QCOMPARE(QDir(cache.Root() + "/" + folder).entryList(QDir::Files).size(), 1); // no temporary left

        const TThumbImage again = MakeThumb(m_photo, thumb, &cache);
        QCOMPARE(again.Source, EThumbSource::Cache);
        QCOMPARE(again.Natural, QSize(640, 480));
        QCOMPARE(again.Picture.size(), made.Picture.size());
        const QColor centre = again.Picture.pixelColor(again.Picture.width() / 2, again.Picture.height() / 2);
        QVERIFY(qAbs(centre.red() - 200) < 12 && centre.green() < 45);
    }

    // An entry of another time, damaged, of another file or without its
    // keys is not used, and is made again; one without the picture's size
    // (as some file managers write) serves, the size read from the file.
    void unsoundEntriesMadeAgain_data()
    {
        QTest::addColumn<QString>("uri");
        QTest::addColumn<QString>("mtime");
        QTest::addColumn<bool>("damaged");
        QTest::addColumn<bool>("used");
        QTest::newRow("stale") << QString() << "12345" << false << false;
        QTest::newRow("damaged") << QString() << QString() << true << false;
        QTest::newRow("other file") << "file:///autre.jpg" << QString() << false << false;
        QTest::newRow("no keys") << "-" << "-" << false << false;
        QTest::newRow("no size, sound") << QString() << QString() << false << true;
    }
    void unsoundEntriesMadeAgain()
    {
        QFETCH(QString, uri);
        QFETCH(QString, mtime);
        QFETCH(bool, damaged);
        QFETCH(bool, used);
        const TThumbCache cache(m_dir.filePath(QStringLiteral("unsound-%1").arg(QTest::currentDataTag())));
        const QString path = cache.EntryPath(m_photo, EThumbFlavour::Normal);
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        QImage planted(128, 96, QImage::Format_RGB32);
        planted.fill(Qt::blue);
        if (uri != "-")
            planted.setText("Thumb::URI", uri.isEmpty() ? m_expected : uri);
        if (mtime != "-")
            planted.setText("Thumb::MTime", mtime.isEmpty() ? QString::number(QFileInfo(m_photo).lastModified().toSecsSinceEpoch()) : mtime);
        QVERIFY(planted.save(path, "PNG"));
        if (damaged)
            QVERIFY(QFile::resize(path, 60));
        const TThumbImage made = MakeThumb(m_photo, 80, &cache);
        QCOMPARE(made.Fault, EPictureFault::None);
        QCOMPARE(made.Natural, QSize(640, 480));
        QCOMPARE(made.Source, used ? EThumbSource::Cache : EThumbSource::File);
        const QColor centre = made.Picture.pixelColor(40, 30);
        QCOMPARE(centre.blue() > 200, used);
        // Made again: sound now.
        QVERIFY(cache.Read(m_photo, QFileInfo(m_photo).lastModified().toSecsSinceEpoch(), EThumbFlavour::Normal));
    }

    // Pictures no larger than the entry are drawn from their files; a
    // cache that cannot be written costs nothing but the entry.
    void leftAlone()
    {
        QImage small(100, 80, QImage::Format_RGB32);
        small.fill(Qt::green);
        QVERIFY(small.save(m_dir.filePath("pics/small.png"), "PNG"));
        const TThumbCache cache(m_dir.filePath("alone"));
        QCOMPARE(MakeThumb(m_dir.filePath("pics/small.png"), 80, &cache).Natural, QSize(100, 80));
        QVERIFY(!QFileInfo::exists(cache.Root()));

        QFile blocker(m_dir.filePath("blocked"));
        QVERIFY(blocker.open(QIODevice::WriteOnly)); // a file where the folder should be
        blocker.close();
        const TThumbCache blocked(blocker.fileName() + "/thumbnails");
        const TThumbImage made = MakeThumb(m_photo, 80, &blocked);
        QVERIFY(made.Fault == EPictureFault::None && made.Picture.size() == QSize(80, 60));
    }
};

QTEST_GUILESS_MAIN(TstThumbCache)
#include "tst_thumbcache.moc"
