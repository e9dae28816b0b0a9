// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

// The settings store: the integer reading rule, defaults, the maximised rule,
// text round trips through a fresh process, and store failures.
#include "app/WorkshopTableU.h"
#include "imaging/RecolourU.h"
#include "shell/CheckBoxU.h"
#include "shell/PlacementBoundsU.h"
#include "shell/SettingsU.h"
#include "tests/support/TestSupport.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QtTest>
#include <unistd.h>

using namespace Irisonde;
Q_DECLARE_METATYPE(Irisonde::TOuterBounds)

class TstSettings : public QObject {
    Q_OBJECT

    QString confPath() const
    {
        return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Veltrane"), QStringLiteral("Irisonde")).fileName();
    }
    void writeConf(const QByteArray &text)
    {
        QDir().mkpath(QFileInfo(confPath()).absolutePath());
        QFile f(confPath());
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text);
    }
    static QString helper() { return QStringLiteral(IRISONDE_BUILD_DIR "/tests/settings_helper"); }

    QMap<QString, QString> runLoad(const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment())
    {
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(helper(), {QStringLiteral("load")});
        p.waitForFinished(30000);
        QMap<QString, QString> values;
        for (const QString &line : QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            values.insert(line.section(QLatin1Char('='), 0, 0), line.section(QLatin1Char('='), 1));
        return values;
    }

private slots:
    void init()
    {
        QFile::remove(confPath());
        QDir(QFileInfo(confPath()).absolutePath()).removeRecursively();
        QFile::remove(QFileInfo(confPath()).absolutePath()); // a plain file left by a failure case
    }

    void integerReading_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected");
        QTest::newRow("decimal") << "510" << 510;
        QTest::newRow("negative decimal") << "-5" << -5;
        QTest::newRow("plus sign") << "+7" << 7;
        QTest::newRow("0x hexadecimal") << "0x1F4" << 500;
        QTest::newRow("0X upper case") << "0X1f4" << 500;
        QTest::newRow("dollar hexadecimal") << "$1F4" << 500;
        QTest::newRow("negative dollar") << "-$10" << -16;
        QTest::newRow("0x alone is too short") << "0x" << 77;
        QTest::newRow("letters") << "abc" << 77;
        QTest::newRow("empty") << "" << 77;
        QTest::newRow("trailing garbage") << "12abc" << 77;
        QTest::newRow("inner blank") << "1 2" << 77;
        QTest::newRow("sign alone") << "-" << 77;
        QTest::newRow("largest") << "2147483647" << 2147483647;
        QTest::newRow("smallest") << "-2147483648" << int(-2147483647 - 1);
        QTest::newRow("decimal overflow") << "2147483648" << 77;
        QTest::newRow("hex full pattern") << "0xFFFFFFFF" << -1;
        QTest::newRow("hex overflow") << "0x100000000" << 77;
        QTest::newRow("bad hex digit") << "0x1G" << 77;
    }
    void integerReading()
    {
        QFETCH(QString, text);
        QFETCH(int, expected);
        QCOMPARE(ParseStoredInteger(text, 77), expected);
    }

    void emptyStoreGivesDefaults()
    {
        const TSettings s = LoadSettings(QStringLiteral("/opt/irisonde"), PlacementSections());
        QCOMPARE(s.Placement(QStringLiteral("MainF")), (TPlacement{1, 1, 510, 400, false}));
        QCOMPARE(s.Placement(QStringLiteral("RGBF")), (TPlacement{1, 1, 510, 400, false}));
        QCOMPARE(s.TipIndex, 0);
        QVERIFY(s.TipFlag && s.BullesFlag && s.SplashFlag);
        QCOMPARE(s.wThumb, 80);
        QVERIFY(s.brwRecurseFlag && s.brwMetaFlag && s.brwBmpFlag);
        QCOMPARE(s.brwPath, QStringLiteral("/opt/irisonde"));
    }

    void storedTextsAreReadByTheRule()
    {
        writeConf("[MainF]\nX=-5\nW=0x1F4\nH=abc\nMaxis=2\n[AddF]\nW=\nMaxis=0\n[Tips]\nTipFlag=0\nTipIndex=$A\n"
                  "[Browser]\nwThumb=\"1, 2\"\nbrwPath=/srv/images\n");
        const TSettings s = LoadSettings(QStringLiteral("/p"), PlacementSections());
        QCOMPARE(s.Placement(QStringLiteral("MainF")), (TPlacement{-5, 1, 500, 400, true}));
        QCOMPARE(s.Placement(QStringLiteral("AddF")).W, 510);
        QVERIFY(!s.Placement(QStringLiteral("AddF")).Maxis);
        QVERIFY(!s.TipFlag);
        QCOMPARE(s.TipIndex, 10);
        QCOMPARE(s.wThumb, 80);
        QCOMPARE(s.brwPath, QStringLiteral("/srv/images"));
    }

    void valueOfAnotherTypeReadsAsDefault()
    {
        // An unquoted comma makes the native format read a list, not a text.
        writeConf("[MainF]\nX=1, 2\nY=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x5)\n[Browser]\nbrwPath=a, b\n");
        const TSettings s = LoadSettings(QStringLiteral("/p"), PlacementSections());
        QCOMPARE(s.Placement(QStringLiteral("MainF")).X, 1);
        QCOMPARE(s.Placement(QStringLiteral("MainF")).Y, 1);
        QCOMPARE(s.brwPath, QStringLiteral("/p"));
    }

    void damagedFileReadsAsDefaults()
    {
        QByteArray junk;
        for (int i = 0; i < 4096; ++i)
            junk.append(char((i * 7919) & 0xFF));
        writeConf(junk);
        const TSettings s = LoadSettings(QStringLiteral("/p"), PlacementSections());
        QCOMPARE(s.Placement(QStringLiteral("MainF")), TPlacement{});
        QCOMPARE(s.wThumb, 80);
    }

    void damagedStoreIsRewrittenWithoutMessage()
    {
        QByteArray junk;
        for (int i = 0; i < 4096; ++i)
            junk.append(char((i * 7919) & 0xFF));
        writeConf(junk);
        TSettings s = LoadSettings(QStringLiteral("/p"), PlacementSections());
        s.TipIndex = 12;
        QCOMPARE(SaveSettings(s), QString());
        // The unreadable content is gone: a clean file of our values only.
        QFile f(confPath());
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        static const QRegularExpression known(QStringLiteral(
            "^(\\[(MainF|AddF|SubF|LoupF|EclaireF|LumiereF|QuadriF|RGBF|Tips|Browser)\\]|(X|Y|W|H|Maxis|TipIndex|TipFlag|BullesFlag|"
            "SplashFlag|wThumb|brwRecurseFlag|brwMetaFlag|brwBmpFlag|brwPath)=.*)$"));
        QCOMPARE(lines.size(), 8 * 6 + 5 + 6);
        for (const QString &line : lines)
            QVERIFY2(known.match(line).hasMatch(), qPrintable(line));
        QCOMPARE(runLoad().value(QStringLiteral("TipIndex")), QStringLiteral("12"));
    }

    void roundTripThroughAFreshProcess()
    {
        QProcess save;
        save.start(helper(), {QStringLiteral("save")});
        QVERIFY(save.waitForFinished(30000));
        QCOMPARE(save.exitCode(), 0);

        // Every value is stored as text.
        QFile f(confPath());
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString conf = QString::fromUtf8(f.readAll());
        QVERIFY2(conf.contains(QStringLiteral("[MainF]\nH=-1\nMaxis=1\nW=-1\nX=0\nY=0")), qPrintable(conf));
        QVERIFY(conf.contains(QStringLiteral("wThumb=120")));

        const auto v = runLoad();
        QCOMPARE(v.value(QStringLiteral("MainF")), QStringLiteral("0,0,-1,-1,1"));
        QCOMPARE(v.value(QStringLiteral("AddF")), QStringLiteral("-5,7,640,480,0"));
        QCOMPARE(v.value(QStringLiteral("RGBF")), QStringLiteral("1,1,510,400,0"));
        QCOMPARE(v.value(QStringLiteral("TipIndex")), QStringLiteral("12"));
        QCOMPARE(v.value(QStringLiteral("TipFlag")), QStringLiteral("0"));
        QCOMPARE(v.value(QStringLiteral("SplashFlag")), QStringLiteral("0"));
        QCOMPARE(v.value(QStringLiteral("wThumb")), QStringLiteral("120"));
        QCOMPARE(v.value(QStringLiteral("brwRecurseFlag")), QStringLiteral("0"));
        QCOMPARE(v.value(QStringLiteral("brwPath")), QStringLiteral("/tmp/images élève"));
    }

    void maximisedRuleLeavesTheRecord()
    {
        TSettings s;
        s.Placement(QStringLiteral("MainF")) = {10, 20, 600, 500, true};
        QVERIFY(SaveSettings(s).isEmpty());
        QCOMPARE(s.Placement(QStringLiteral("MainF")), (TPlacement{10, 20, 600, 500, true}));
    }

    void unwritableStoreIsReported_data()
    {
        QTest::addColumn<QString>("blocker");
        QTest::addColumn<QString>("message");
        QTest::newRow("folder is a file") << "folder" << "Erreur de création de la clé MainF";
        QTest::newRow("file is a folder") << "file" << "Erreur à définition des données pour 'X'";
    }
    void unwritableStoreIsReported()
    {
        // Works as root too: no permission bit is involved.
        QFETCH(QString, blocker);
        QFETCH(QString, message);
        const QString folder = QFileInfo(confPath()).absolutePath();
        if (blocker == QLatin1String("folder")) {
            QDir().mkpath(QFileInfo(folder).absolutePath());
            QFile f(folder);
            QVERIFY(f.open(QIODevice::WriteOnly));
        } else {
            QVERIFY(QDir().mkpath(confPath()));
        }
        QCOMPARE(SaveSettings(TSettings()), message);
        QDir(confPath()).removeRecursively();
    }

    void unwritableStoreAsOrdinaryUser()
    {
        // Permission bits bind only an ordinary user: run the saving process as one.
        const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
        if (geteuid() != 0 || setpriv.isEmpty())
            QSKIP("needs root to become an ordinary user");
        const QString home = QDir::tempPath() + QStringLiteral("/irisonde-readonly-%1").arg(getpid());
        QVERIFY(QDir().mkpath(home + QStringLiteral("/config")));
        QFile::setPermissions(home + QStringLiteral("/config"), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
        QFile::setPermissions(home, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
        env.insert(QStringLiteral("HOME"), home);
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(setpriv, {QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"), QStringLiteral("--clear-groups"),
                          helper(), QStringLiteral("save")});
        QVERIFY(p.waitForFinished(30000));
        const QString out = QString::fromUtf8(p.readAllStandardOutput()).trimmed();
        QDir(home).removeRecursively();
        if (out.isEmpty())
            QSKIP("the test program cannot run as an ordinary user here (build folder not reachable)");
        QCOMPARE(p.exitCode(), 1);
        QCOMPARE(out, QStringLiteral("Erreur de création de la clé MainF"));
    }

    void placementBounds_data()
    {
        // A 1280 x 1000 area at (0, 24), least size 300 x 200, title bar 25 high.
        QTest::addColumn<Irisonde::TOuterBounds>("wanted");
        QTest::addColumn<QRect>("expected");
        const int big = 2147483647;
        QTest::newRow("sane: unchanged") << Irisonde::TOuterBounds{100, 50, 700, 500} << QRect(100, 50, 700, 500);
        QTest::newRow("lower part off screen, title on it: unchanged")
            << Irisonde::TOuterBounds{10, 900, 510, 400} << QRect(10, 900, 510, 400);
        QTest::newRow("largest integers") << Irisonde::TOuterBounds{1, 1, big, big} << QRect(0, 24, 1280, 1000);
        QTest::newRow("100000 pixels") << Irisonde::TOuterBounds{1, 30, 100000, 100000} << QRect(0, 24, 1280, 1000);
        QTest::newRow("far off screen") << Irisonde::TOuterBounds{5000, 5000, 510, 400} << QRect(770, 624, 510, 400);
        QTest::newRow("one pixel") << Irisonde::TOuterBounds{40, 40, 1, 1} << QRect(40, 40, 300, 200);
        QTest::newRow("title bar below the area") << Irisonde::TOuterBounds{10, 1010, 510, 400} << QRect(10, 624, 510, 400);
        QTest::newRow("title bar above the area") << Irisonde::TOuterBounds{10, 10, 510, 400} << QRect(10, 24, 510, 400);
        QTest::newRow("past the right edge") << Irisonde::TOuterBounds{1000, 100, 510, 400} << QRect(770, 100, 510, 400);
        QTest::newRow("largest integer position") << Irisonde::TOuterBounds{big, big, big, big} << QRect(0, 24, 1280, 1000);
    }
    void placementBounds()
    {
        QFETCH(Irisonde::TOuterBounds, wanted);
        QFETCH(QRect, expected);
        QCOMPARE(Irisonde::BoundedOuterRect(wanted, QRect(0, 24, 1280, 1000), QSize(300, 200), 25), expected);
        // An area smaller than the least size: the least size, at the area's corner.
        if (wanted.W > 100000)
            QCOMPARE(Irisonde::BoundedOuterRect(wanted, QRect(0, 0, 200, 100), QSize(300, 200), 25), QRect(0, 0, 300, 200));
    }

    void smallUtilities()
    {
        QCOMPARE(Square(-7), 49);
        QCOMPARE(PluralS(QStringLiteral("image"), 0), QStringLiteral("image"));
        QCOMPARE(PluralS(QStringLiteral("image"), 1), QStringLiteral("image"));
        QCOMPARE(PluralS(QStringLiteral("image"), 2), QStringLiteral("images"));

        QImage img(3, 2, QImage::Format_RGB32);
        img.fill(QColor(128, 128, 0));
        img.setPixelColor(1, 1, QColor(1, 2, 3));
        ReplaceBitmapColour(img, QColor(128, 128, 0), QColor(192, 192, 192));
        QCOMPARE(img.pixelColor(0, 0), QColor(192, 192, 192));
        QCOMPARE(img.pixelColor(2, 1), QColor(192, 192, 192));
        QCOMPARE(img.pixelColor(1, 1), QColor(1, 2, 3));
    }

    void setCheckSilentlyRunsNoHandler()
    {
        QCheckBox box;
        int clicks = 0;
        connect(&box, &QCheckBox::toggled, [&] { ++clicks; });
        connect(&box, &QCheckBox::clicked, [&] { ++clicks; });
        SetCheckSilently(box, true);
        QVERIFY(box.isChecked());
        SetCheckSilently(box, false);
        QVERIFY(!box.isChecked());
        QCOMPARE(clicks, 0);
    }
};

QTEST_MAIN(TstSettings)
#include "tst_settings.moc"
