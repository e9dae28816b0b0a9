// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

// Speed of the picture file search on a generated tree of 50,000 entries
// (about 2,000 folders, a tenth of the files pictures, a few symbolic links,
// one of them a loop): the plain walk, and the catalogue's own call (the walk
// on its thread, its batches delivered to a live event loop), beside
// `find DIR -iname '*.bmp' -o -iname '*.wmf'` and a QDirIterator walk of the
// same tree in the same run. Read the counters vs_find and vs_dirit: the
// search's rate over theirs (the aim is at least 0.33 of find's). All are
// timed warm, in wall-clock time.
#include "catalogue/search/SearchRunU.h"
#include "catalogue/search/SearchU.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QEventLoop>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include "bench/BenchSupport.h"

#include <algorithm>
#include <memory>

#include <fcntl.h>
#include <unistd.h>

using namespace Irisonde;

namespace {

constexpr int Entries = 50000;

struct TTree {
    QTemporaryDir Dir;
    int Folders = 0;
    int Pictures = 0;
    double FindSeconds = 0;  // best of several runs
    double DirItSeconds = 0; // the same
};

// Walks the tree with Qt's iterator (links not followed); the pictures seen.
int RunDirIterator(const QString &root)
{
    int found = 0;
    QDirIterator it(root, {QStringLiteral("*.bmp"), QStringLiteral("*.wmf")}, QDir::Files | QDir::AllDirs | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        found += it.fileInfo().isFile();
    }
    return found;
}

// Runs find on the tree; the number of lines it printed, or -1.
int RunFind(const QString &root)
{
    QProcess find;
    find.start(QStringLiteral("find"), {root, QStringLiteral("-iname"), QStringLiteral("*.bmp"), QStringLiteral("-o"),
                                         QStringLiteral("-iname"), QStringLiteral("*.wmf")});
    if (!find.waitForFinished(60000) || find.exitCode() != 0)
        return -1;
    return int(find.readAllStandardOutput().count('\n'));
}

const TTree &Tree()
{
    static const std::unique_ptr<TTree> tree = [] {
        auto t = std::make_unique<TTree>();
        const QString root = t->Dir.path();
        // 10 folders, 10 in each, 19 in each of those: 2,010 folders.
        QStringList folders{root};
        QStringList level{root};
        for (int fan : {10, 10, 19}) {
            QStringList next;
            for (const QString &f : level)
                for (int k = 0; k < fan; ++k)
                    next << f + QStringLiteral("/dossier%1").arg(k);
            for (const QString &f : next)
                QDir().mkdir(f);
            folders += next;
            level = next;
        }
        t->Folders = int(folders.size()) - 1;
        // Symbolic links: a loop back to the top, twins of sibling folders, a file.
        const QString deep = level.front();
        const QList<QPair<QString, QString>> links{{root, deep + "/retour"}, {"..", deep + "/parent"},
                                                  {"dossier1", root + "/dossier0/dossier1/lien"},
                                                  {"dossier2", root + "/lien2"}, {"dossier3", root + "/lien3"},
                                                  {"dossier0/x0.bmp", root + "/raccourci.bmp"}};
        for (const auto &[target, link] : links)
            if (::symlink(QFile::encodeName(target).constData(), QFile::encodeName(link).constData()) != 0)
                qFatal("cannot make the link %s", qPrintable(link));
        const int files = Entries - t->Folders - int(links.size());
        static const char *const kinds[] = {".bmp", ".wmf", ".BMP", ".Wmf"};
        // None of these is a picture: the search takes every raster format.
        static const char *const others[] = {".txt", ".odt", ".csv", ".doc", ".bmpx"};
        for (int i = 0; i < files; ++i) {
            const bool picture = i % 10 == 0;
            const QString name = folders[1 + i % t->Folders] + QStringLiteral("/f%1").arg(i)
                + QLatin1String(picture ? kinds[(i / 10) % 4] : others[i % 5]);
            const int fd = ::open(QFile::encodeName(name).constData(), O_CREAT | O_WRONLY, 0644);
            if (fd < 0)
                qFatal("cannot make %s", qPrintable(name));
            ::close(fd);
            t->Pictures += picture;
        }
        t->Pictures += 1; // raccourci.bmp
        t->FindSeconds = 1e9;
        for (int k = 0; k < 5; ++k) {
            QElapsedTimer clock;
            clock.start();
            if (RunFind(root) < 0)
                qFatal("find failed");
            t->FindSeconds = std::min(t->FindSeconds, double(clock.nsecsElapsed()) * 1e-9);
        }
        t->DirItSeconds = 1e9;
        for (int k = 0; k < 5; ++k) {
            QElapsedTimer clock;
            clock.start();
            benchmark::DoNotOptimize(RunDirIterator(root));
            t->DirItSeconds = std::min(t->DirItSeconds, double(clock.nsecsElapsed()) * 1e-9);
        }
        return t;
    }();
    return *tree;
}

void BM_Find(benchmark::State &state)
{
    const TTree &tree = Tree();
    int found = 0;
    for (auto _ : state)
        found = RunFind(tree.Dir.path());
    if (found != tree.Pictures)
        state.SkipWithError("find did not count the pictures made");
    state.SetItemsProcessed(int64_t(state.iterations()) * Entries);
}
BENCHMARK(BM_Find)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_DirIterator(benchmark::State &state)
{
    const TTree &tree = Tree();
    for (auto _ : state)
        benchmark::DoNotOptimize(RunDirIterator(tree.Dir.path()));
    state.SetItemsProcessed(int64_t(state.iterations()) * Entries);
}
BENCHMARK(BM_DirIterator)->Unit(benchmark::kMillisecond)->UseRealTime();

void Ratios(benchmark::State &state, double seconds)
{
    state.SetItemsProcessed(int64_t(state.iterations()) * Entries);
    state.counters["vs_find"] = Tree().FindSeconds / seconds;
    state.counters["vs_dirit"] = Tree().DirItSeconds / seconds;
}

// The walk alone, on the caller's thread: every kind, sub-folders.
void BM_SearchFolder(benchmark::State &state)
{
    const TTree &tree = Tree();
    Irisonde::TPictureSearch search;
    int files = 0, folders = 0;
    search.OnFileFound = [&](const QString &) { ++files; };
    search.OnFolderFound = [&](const QString &) { ++folders; };
    QElapsedTimer clock;
    clock.start();
    for (auto _ : state) {
        files = folders = 0;
        search.SearchFolder(tree.Dir.path(), Irisonde::faAnyFile, true);
    }
    const double seconds = double(clock.nsecsElapsed()) * 1e-9 / double(state.iterations());
    if (files != tree.Pictures || folders != tree.Folders)
        state.SkipWithError(qPrintable(QStringLiteral("the search found %1 pictures, %2 folders of %3, %4").arg(files).arg(folders).arg(tree.Pictures).arg(tree.Folders)));
    Ratios(state, seconds);
}
BENCHMARK(BM_SearchFolder)->Unit(benchmark::kMillisecond)->UseRealTime();

// The catalogue's own call: the walk on its thread, its batches taken by
// this thread's event loop, which a 1 ms timer keeps busy meanwhile.
void BM_SearchRun(benchmark::State &state)
{
    const TTree &tree = Tree();
    Irisonde::TSearchRun run;
    int files = 0, ticks = 0;
    QEventLoop loop;
    QObject::connect(&run, &Irisonde::TSearchRun::Found, [&](int, const QStringList &f, const QString &) { files += int(f.size()); });
    QObject::connect(&run, &Irisonde::TSearchRun::Finished, &loop, &QEventLoop::quit);
    QTimer timer;
    QElapsedTimer sinceTick;
    qint64 maxGap = 0; // the longest input would wait
    QObject::connect(&timer, &QTimer::timeout, [&] {
        ++ticks;
        maxGap = std::max(maxGap, sinceTick.restart());
    });
    timer.start(1);
    QElapsedTimer clock;
    clock.start();
    for (auto _ : state) {
        files = 0;
        sinceTick.start();
        (void)run.Start(tree.Dir.path(), true, {});
        loop.exec();
    }
    const double seconds = double(clock.nsecsElapsed()) * 1e-9 / double(state.iterations());
    if (files != tree.Pictures)
        state.SkipWithError(qPrintable(QStringLiteral("the search found %1 pictures of %2").arg(files).arg(tree.Pictures)));
    Ratios(state, seconds);
    state.counters["ticks"] = benchmark::Counter(ticks, benchmark::Counter::kAvgIterations);
    state.counters["max_gap_ms"] = double(maxGap);
}
BENCHMARK(BM_SearchRun)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

IRISONDE_BENCHMARK_MAIN()
