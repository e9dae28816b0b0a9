// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

// The picture file search on small trees made for each case: the report
// order, which entries count, links and loops, yields and stopping; the
// walk on its own thread, cancelled and started again.
#include "catalogue/search/RawNameU.h"
#include "catalogue/search/SearchRunU.h"
#include "catalogue/search/SearchU.h"

#include <QDir>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Irisonde;

namespace {

// Makes the entries of `tree` under `root`: a name ending in "/" is a folder,
// "name>target" a symbolic link, anything else an empty file.
void MakeTree(const QString &root, const QStringList &tree)
{
    for (const QString &item : tree) {
        const QString path = root + QLatin1Char('/') + item.section(QLatin1Char('>'), 0, 0);
        if (item.contains(QLatin1Char('>')))
            QVERIFY(::symlink(QFile::encodeName(item.section(QLatin1Char('>'), 1)).constData(), QFile::encodeName(path).constData()) == 0);
        else if (item.endsWith(QLatin1Char('/')))
            QVERIFY(QDir().mkpath(path));
        else
            QVERIFY(QFile(path).open(QIODevice::WriteOnly));
    }
}

// Each report as "F path" or "D path", the root written R.
struct TRecorder {
    QStringList Reports;
    void Install(TPictureSearch &search, const QString &root)
    {
        search.OnFileFound = [this, root](const QString &p) { Reports << QStringLiteral("F ") + QString(p).replace(root, QStringLiteral("R")); };
        search.OnFolderFound = [this, root](const QString &p) { Reports << QStringLiteral("D ") + QString(p).replace(root, QStringLiteral("R")); };
    }
};

const QStringList SmallTree{QStringLiteral("b.wmf"), QStringLiteral("a.bmp"), QStringLiteral("s/"), QStringLiteral("s/c.bmp"),
                            QStringLiteral("notes.txt")};

} // namespace

class TstSearch : public QObject {
    Q_OBJECT
private slots:
    void reports_data()
    {
        QTest::addColumn<QStringList>("tree");
        QTest::addColumn<bool>("bmp");
        QTest::addColumn<bool>("meta");
        QTest::addColumn<bool>("recurse");
        QTest::addColumn<QString>("expected");
        QTest::newRow("small tree") << SmallTree << true << true << true << "F R/a.bmp|F R/b.wmf|D R/s|F R/s/c.bmp";
        QTest::newRow("no recursion") << SmallTree << true << true << false << "F R/a.bmp|F R/b.wmf|D R/s";
        QTest::newRow("both kinds off") << (SmallTree + QStringList{"s/t/"}) << false << false << true << "D R/s|D R/s/t";
        QTest::newRow("metafiles only") << SmallTree << false << true << true << "F R/b.wmf|D R/s";
        QTest::newRow("folder named photo.bmp") << QStringList{"photo.bmp/", "photo.bmp/x.bmp"} << true << true << true
                                                << "D R/photo.bmp|F R/photo.bmp/x.bmp";
        QTest::newRow("extension case, exact") << QStringList{"Photo.BMP", "photo.bmpx", "bmp", "c.Wmf", "d.wmf.txt"}
                                               << true << true << true << "F R/Photo.BMP|F R/c.Wmf";
        // Every raster format in the first pass, in name order, then the
        // metafiles and drawings; other names never.
        QTest::newRow("every format") << QStringList{"z.svg", "p.PNG", "d.svgz", "c.jpeg", "b.bmp", "a.wmf", "t.tif", "w.webp",
                                                      "g.gif", "IMG_1.JPG", "x.pdf", "y.svg.txt"}
                                      << true << true << true
                                      << "F R/b.bmp|F R/c.jpeg|F R/g.gif|F R/IMG_1.JPG|F R/p.PNG|F R/t.tif|F R/w.webp|F R/a.wmf|F R/d.svgz|F R/z.svg";
        QTest::newRow("every raster format only") << QStringList{"z.svg", "p.png", "a.wmf", "b.bmp"} << true << false << true
                                                  << "F R/b.bmp|F R/p.png";
        QTest::newRow("hidden file and folder") << QStringList{".x.bmp", ".h/", ".h/y.bmp", ".h.bmp/"} << true << true << true
                                                << "F R/.x.bmp";
        // Upper-cased order: "AB" before "A_B" ('_' comes after the capitals).
        QTest::newRow("name order") << QStringList{"c.bmp", "B.bmp", "a_b.bmp", "ab.bmp", "z/", "M/"} << true << true << false
                                    << "F R/ab.bmp|F R/a_b.bmp|F R/B.bmp|F R/c.bmp|D R/M|D R/z";
        QTest::newRow("links: loop, self, twin") << QStringList{"a/", "a/b/", "a/b/up>../..", "a/self>.", "link>a", "a/b/p.bmp",
                                                                "pic.bmp>a/b/p.bmp", "gone.bmp>nowhere"}
                                                 << true << true << true
                                                 << "F R/gone.bmp|F R/pic.bmp|D R/a|D R/a/b|F R/a/b/p.bmp";
    }
    void reports()
    {
        QFETCH(QStringList, tree);
        QFETCH(bool, bmp);
        QFETCH(bool, meta);
        QFETCH(bool, recurse);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        MakeTree(dir.path(), tree);
        TPictureSearch search;
        TRecorder rec;
        rec.Install(search, dir.path());
        search.Kinds = [=] { return TSearchKinds{bmp, meta}; };
        QVERIFY(search.SearchFolder(dir.path(), faAnyFile, recurse));
        QCOMPARE(rec.Reports.join(QLatin1Char('|')), expected);
    }

    void folderForms()
    {
        QTemporaryDir dir;
        MakeTree(dir.path(), SmallTree);
        for (const QString &given : {dir.path() + "/", dir.path() + "//"}) {
            TPictureSearch search;
            TRecorder rec;
            rec.Install(search, dir.path());
            QVERIFY(search.SearchFolder(given, faAnyFile, false));
            QCOMPARE(rec.Reports.join(QLatin1Char('|')), QStringLiteral("F R/a.bmp|F R/b.wmf|D R/s"));
        }
        // The root: "/tmp", never "//tmp".
        TPictureSearch search;
        QStringList folders;
        search.OnFolderFound = [&](const QString &p) { folders << p; };
        QVERIFY(search.SearchFolder(QStringLiteral("/"), faAnyFile, false));
        QVERIFY2(folders.contains(QStringLiteral("/tmp")), qPrintable(folders.join(QLatin1Char(' '))));
        QVERIFY2(!folders.contains(QStringLiteral("/proc")) && !folders.contains(QStringLiteral("/sys")),
                 qPrintable(folders.join(QLatin1Char(' '))));
        // Missing folders and an empty text: no report, a normal end.
        int reports = 0;
        search.OnFileFound = search.OnFolderFound = [&](const QString &) { ++reports; };
        QVERIFY(search.SearchFolder(dir.path() + "/missing", faAnyFile, true));
        QVERIFY(search.SearchFolder(QString(), faAnyFile, true));
        QVERIFY(search.SearchFiles(dir.path() + "/missing", QStringLiteral("*.bmp"), faAnyFile));
        QCOMPARE(reports, 0);
        // One folder alone, another pattern: "?" is one character, letters in any case.
        QVERIFY(search.SearchFiles(dir.path(), QStringLiteral("?.BMP"), faAnyFile));
        QCOMPARE(reports, 1);
    }

    // The system's file systems are told by their type, from a table handed
    // in; a pseudo one is entered by no path, neither a link nor as the start.
    void systemFileSystems()
    {
        const QList<TMount> table = MountsFromTable("proc /proc proc rw 0 0\ntmpfs /run tmpfs rw 0 0\n"
                                                    "tmpfs /dev/shm tmpfs rw 0 0\ntmpfs /sys/fs/cgroup tmpfs ro 0 0\n"
                                                    "tmpfs /tmp tmpfs rw 0 0\n/dev/sdb1 /run/media/prof/CL\\303\\211\\040USB vfat rw 0 0\n");
        QStringList system;
        for (const TMount &m : table)
            if (IsSystemMount(m))
                system << m.Point;
        QCOMPARE(system.join(QLatin1Char('|')), QStringLiteral("/proc|/run|/dev/shm|/sys/fs/cgroup"));
        QCOMPARE(table.last().Point, QStringLiteral("/run/media/prof/CLÉ USB"));

        QTemporaryDir dir;
        MakeTree(dir.path(), {"a.bmp", "p/", "p/x.bmp", "link>p", "t/", "t/y.bmp"});
        TPictureSearch search;
        TRecorder rec;
        rec.Install(search, dir.path());
        int asked = 0;
        search.Mounts = [&] {
            ++asked;
            return QList<TMount>{{dir.path() + "/p", QStringLiteral("proc")}, {dir.path() + "/t", QStringLiteral("tmpfs")}};
        };
        QVERIFY(search.SearchFolder(dir.path(), faAnyFile, true));
        QCOMPARE(rec.Reports.join(QLatin1Char('|')), QStringLiteral("F R/a.bmp|D R/t|F R/t/y.bmp"));
        QCOMPARE(asked, 1);
        rec.Reports.clear();
        QVERIFY(search.SearchFolder(dir.path() + "/p", faAnyFile, true));
        QVERIFY(rec.Reports.isEmpty());
    }

    // Names not valid in the system's encoding are reported with their bytes
    // kept, shown with U+FFFD, and searched again through the same path.
    void rawNames()
    {
        QTemporaryDir dir;
        const QByteArray root = QFile::encodeName(dir.path());
        QVERIFY(::mkdir((root + "/caf\xE9").constData(), 0700) == 0);
        const int fd = ::open((root + "/caf\xE9/\xE9t\xE9.bmp").constData(), O_CREAT | O_WRONLY, 0600);
        QVERIFY(fd >= 0);
        ::close(fd);
        TPictureSearch search;
        QStringList files, folders;
        search.OnFileFound = [&](const QString &p) { files << p; };
        search.OnFolderFound = [&](const QString &p) { folders << p; };
        QVERIFY(search.SearchFolder(dir.path(), faAnyFile, true));
        QCOMPARE(files.size(), 1);
        QCOMPARE(EncodeRawName(files[0]), root + "/caf\xE9/\xE9t\xE9.bmp");
        QCOMPARE(ShownName(files[0]), dir.path() + QString::fromUtf8("/caf\uFFFD/\uFFFDt\uFFFD.bmp"));
        QVERIFY(HasRawBytes(folders.value(0)) && !HasRawBytes(dir.path()));
        files.clear();
        QVERIFY(search.SearchFolder(folders.value(0), faAnyFile, false));
        QCOMPARE(files.size(), 1);
        const QByteArray mixed("\xC3\xA9t\xE9\xC3 \xED\xA0\x80\xF0\x9F\x8E\xA8");
        QCOMPARE(EncodeRawName(DecodeRawName(mixed)), mixed);
        QCOMPARE(DecodeRawName("\xC3\xA9t\xC3\xA9"), QString::fromUtf8("été"));
        // QTemporaryDir removes by decoded names: these go by their bytes.
        QVERIFY(::unlink((root + "/caf\xE9/\xE9t\xE9.bmp").constData()) == 0);
        QVERIFY(::rmdir((root + "/caf\xE9").constData()) == 0);
    }

    void unreadableFolder()
    {
        if (::geteuid() == 0)
            QSKIP("running as root: permissions do not keep a folder from being read");
        QTemporaryDir dir;
        MakeTree(dir.path(), {"u/", "u/x.bmp", "v/", "v/y.bmp"});
        QVERIFY(QFile::setPermissions(dir.path() + "/u", QFileDevice::Permissions()));
        TPictureSearch search;
        TRecorder rec;
        rec.Install(search, dir.path());
        QVERIFY(search.SearchFolder(dir.path(), faAnyFile, true));
        QFile::setPermissions(dir.path() + "/u", QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QCOMPARE(rec.Reports.join(QLatin1Char('|')), QStringLiteral("D R/u|D R/v|F R/v/y.bmp"));
    }

    // One yield per examined picture entry and per sub-folder; a step that
    // answers false, or Cancel() from a hook, stops the walk at once; a walk
    // started from inside a step is refused and leaves the running one whole.
    void yieldsAndStopping()
    {
        QTemporaryDir dir;
        MakeTree(dir.path(), SmallTree);
        TPictureSearch search;
        TRecorder rec;
        rec.Install(search, dir.path());
        int yields = 0;
        search.Step = [&] { ++yields; return true; };
        QVERIFY(search.SearchFolder(dir.path(), faAnyFile, true));
        QCOMPARE(yields, 4);

        rec.Reports.clear();
        yields = 0;
        search.Step = [&] { return ++yields < 2; };
        QVERIFY(!search.SearchFolder(dir.path(), faAnyFile, true));
        QCOMPARE(rec.Reports.join(QLatin1Char('|')), QStringLiteral("F R/a.bmp"));

        rec.Reports.clear();
        search.Step = [] { return true; };
        search.OnFolderFound = [&](const QString &p) { rec.Reports << p; search.Cancel(); };
        QVERIFY(!search.SearchFolder(dir.path(), faAnyFile, true));
        QCOMPARE(rec.Reports.size(), 3);
        QVERIFY(!search.Busy());

        rec.Install(search, dir.path());
        rec.Reports.clear();
        bool nested = true;
        search.Step = [&] { nested = search.SearchFolder(dir.path(), faAnyFile, true); return true; };
        QVERIFY(search.SearchFolder(dir.path(), faAnyFile, true));
        QVERIFY(!nested);
        QCOMPARE(rec.Reports.join(QLatin1Char('|')), QStringLiteral("F R/a.bmp|F R/b.wmf|D R/s|F R/s/c.bmp"));
    }

    // On its own thread: the same reports in the same order as the walk on
    // the caller's; cancelled, its thread ends at once and nothing of it
    // reaches the run started next.
    void runOnItsThread()
    {
        QTemporaryDir dir;
        QStringList tree;
        for (int i = 0; i < 40; ++i)
            for (const char *name : {"/", "/a.bmp", "/b.wmf", "/c.jpg", "/x.txt"})
                tree << QStringLiteral("d%1").arg(i, 2, 10, QLatin1Char('0')) + QLatin1String(name);
        MakeTree(dir.path(), tree);
        QStringList expected;
        TPictureSearch plain;
        plain.OnFileFound = [&](const QString &p) { expected << p; };
        QVERIFY(plain.SearchFolder(dir.path(), faAnyFile, true));
        QCOMPARE(expected.size(), 120);

        TSearchRun run;
        QStringList found;
        QList<int> runs;
        connect(&run, &TSearchRun::Found, [&](int r, const QStringList &files, const QString &) {
            runs << r;
            found << files;
        });
        QSignalSpy finished(&run, &TSearchRun::Finished);
        const int first = run.Start(dir.path(), true, {});
        QVERIFY(run.Running());
        QVERIFY(finished.wait(10000));
        QCOMPARE(finished.at(0).at(0).toInt(), first);
        QVERIFY(finished.at(0).at(1).toBool() && !run.Running());
        QCOMPARE(found, expected);

        // Slowed down to a walk of seconds, stopped in its first batches.
        run.Prepare = [](TPictureSearch &search) {
            search.Step = [step = search.Step] {
                QThread::msleep(5);
                return step();
            };
        };
        found.clear();
        runs.clear();
        const int slow = run.Start(dir.path(), true, {});
        QTRY_VERIFY(!found.isEmpty());
        QElapsedTimer stopping;
        stopping.start();
        run.Cancel();
        QVERIFY2(stopping.elapsed() < 500, qPrintable(QString::number(stopping.elapsed())));
        QVERIFY(!run.Running() && found.size() < 120);
        run.Prepare = nullptr;
        found.clear();
        const int next = run.Start(dir.path() + QStringLiteral("/d07"), false, {false, true});
        QVERIFY(next != slow);
        QVERIFY(finished.wait(10000));
        QTest::qWait(50);
        QCOMPARE(found, QStringList{dir.path() + QStringLiteral("/d07/b.wmf")});
        QCOMPARE(finished.size(), 2);
        QVERIFY(runs.endsWith(next));
    }
};

QTEST_GUILESS_MAIN(TstSearch)
#include "tst_search.moc"
