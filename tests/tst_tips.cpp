// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

// The tips resource reader, the tip number rules and the tip window.
#include "imaging/ResourceU.h"
#include "shell/AppStateU.h"
#include "shell/PaintBoxU.h"
#include "imaging/RecolourU.h"
#include "shell/SettingsU.h"
#include "tips/TipListU.h"
#include "tips/Tipu.h"
#include "support/TestSupport.h"
#include "support/WindowProbe.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QStringDecoder>
#include <QtTest>

using namespace Irisonde;

class TstTips : public QObject {
    Q_OBJECT
private:
    // The tip window after a show, as the main window would open it.
    static void Open(TTipF &tip)
    {
        tip.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tip));
    }

private slots:
    void parse_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("tips");
        QTest::newRow("CR LF lines, FIN ends") << QByteArray("Un\r\nDeux\r\nFIN\r\n") << QStringList{"Un", "Deux"};
        QTest::newRow("nothing after FIN is read") << QByteArray("Un\r\nFIN\r\nTrois\r\n") << QStringList{"Un"};
        QTest::newRow("empty line is an empty tip") << QByteArray("Un\r\n\r\nDeux\r\nFIN\r\n") << QStringList{"Un", "", "Deux"};
        QTest::newRow("missing FIN: read to the end") << QByteArray("Un\r\nDeux\r\n") << QStringList{"Un", "Deux"};
        QTest::newRow("missing FIN, unterminated tail") << QByteArray("Un\r\nDeux") << QStringList{"Un", "Deux"};
        QTest::newRow("CR as the very last byte") << QByteArray("Un\r") << QStringList{"Un"};
        QTest::newRow("FIN without its CR LF") << QByteArray("Un\r\nFIN") << QStringList{"Un"};
        QTest::newRow("empty resource") << QByteArray() << QStringList{};
        QTest::newRow("FIN alone") << QByteArray("FIN\r\n") << QStringList{};
        QTest::newRow("only the exact line FIN ends") << QByteArray("FINAL\r\n FIN\r\nfin\r\nFIN\r\n")
                                                      << QStringList{"FINAL", " FIN", "fin"};
        QTest::newRow("a bare LF stays in the line") << QByteArray("a\nb\r\nFIN\r\n") << QStringList{"a\nb"};
        QTest::newRow("accented bytes") << QByteArray("\xE9t\xE9 \xE0 \xAB c\x9C" "ur \xBB \x80 l\x92\x65\x61u\r\nFIN\r\n")
                                        << QStringList{QStringLiteral("été à « cœur » € l’eau")};
    }
    void parse()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, tips);
        // A copy of exactly the resource's bytes, so that a read past the end
        // shows under the sanitizers.
        const QByteArray exact(bytes.constData(), bytes.size());
        QCOMPARE(Tips::ParseTips(exact), tips);
    }

    // Every byte against the platform's codec where it has the code page.
    void decodeMatchesCodec()
    {
        QStringDecoder codec("Windows-1252");
        if (!codec.isValid())
            QSKIP("no Windows-1252 codec on this platform");
        for (int b = 0; b < 256; ++b) {
            if (b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D)
                continue; // undefined in the code page; codecs disagree
            const QByteArray one(1, char(b));
            const QString ours = Tips::DecodeWindows1252(one);
            const QString theirs = codec.decode(one);
            QVERIFY2(ours == theirs, qPrintable(QStringLiteral("byte 0x%1: U+%2, codec U+%3")
                                                    .arg(b, 2, 16, QLatin1Char('0'))
                                                    .arg(ours.at(0).unicode(), 4, 16, QLatin1Char('0'))
                                                    .arg(theirs.isEmpty() ? 0 : theirs.at(0).unicode(), 4, 16, QLatin1Char('0'))));
        }
    }

    void shippedResource()
    {
        const QByteArray bytes = LoadResourceBytes(Tips::kResourceFile);
        QVERIFY(bytes.endsWith("\r\nFIN\r\n"));
        const QStringList tips = Tips::LoadTips();
        QCOMPARE(tips.size(), 16);
        for (const QString &tip : tips) {
            QVERIFY2(tip.size() >= 136 && tip.size() <= 268, qPrintable(tip));
            for (const QChar c : tip)
                QVERIFY2(c.unicode() >= 0x20 && !(c.unicode() >= 0x7F && c.unicode() < 0xA0), qPrintable(tip));
            // Text written as UTF-8 and read as the code page shows "Ã©".
            QVERIFY2(!tip.contains(QChar(0xC3)), qPrintable(tip));
        }
        QVERIFY(tips.join(QString()).contains(QStringLiteral("é")));
    }

    void indexRules_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("next");
        QTest::addColumn<int>("pred");
        QTest::addColumn<int>("shown");
        QTest::newRow("first of 16") << 0 << 16 << 1 << 15 << 0;
        QTest::newRow("middle") << 7 << 16 << 8 << 6 << 7;
        QTest::newRow("last of 16 wraps forward") << 15 << 16 << 0 << 14 << 15;
        QTest::newRow("stored 40 restarts at the first") << 40 << 16 << 0 << 15 << 0;
        QTest::newRow("stored 16, one past the last") << 16 << 16 << 0 << 15 << 0;
        QTest::newRow("negative stored index") << -3 << 16 << 0 << 15 << 0;
        QTest::newRow("lowest integer") << int(INT32_MIN) << 16 << 0 << 15 << 0;
        QTest::newRow("highest integer") << int(INT32_MAX) << 16 << 0 << 15 << 0;
        QTest::newRow("single tip") << 0 << 1 << 0 << 0 << 0;
        QTest::newRow("no tips at all") << 5 << 0 << 0 << 0 << 0;
    }
    void indexRules()
    {
        QFETCH(int, index);
        QFETCH(int, count);
        QFETCH(int, next);
        QFETCH(int, pred);
        QFETCH(int, shown);
        QCOMPARE(Tips::NextTipIndex(index, count), next);
        QCOMPARE(Tips::PredTipIndex(index, count), pred);
        QCOMPARE(Tips::ShownTipIndex(index, count), shown);
    }

    void numbering()
    {
        QCOMPARE(Tips::NumeroText(15, 16), QStringLiteral("Astuce n° 16 sur 16"));
        QCOMPARE(Tips::NumeroText(0, 16), QStringLiteral("Astuce n° 1 sur 16"));
    }

    // The window against the rules: shown number, browsing, what close stores.
    void window_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("clicks"); // n = next, p = previous
        QTest::addColumn<QString>("numero");
        QTest::addColumn<int>("storedAfterClose");
        QTest::newRow("15 stored shows 16 of 16") << 15 << "" << "Astuce n° 16 sur 16" << 0;
        QTest::newRow("next after the last shows the first") << 15 << "n" << "Astuce n° 1 sur 16" << 1;
        QTest::newRow("previous before the first shows the last") << 0 << "p" << "Astuce n° 16 sur 16" << 0;
        QTest::newRow("open and close advances by one") << 4 << "" << "Astuce n° 5 sur 16" << 5;
        QTest::newRow("stored 40 shows the first") << 40 << "" << "Astuce n° 1 sur 16" << 1;
        QTest::newRow("negative stored shows the first") << -7 << "" << "Astuce n° 1 sur 16" << 1;
        QTest::newRow("there and back") << 3 << "nnp" << "Astuce n° 5 sur 16" << 5;
    }
    void window()
    {
        QFETCH(int, stored);
        QFETCH(QString, clicks);
        QFETCH(QString, numero);
        QFETCH(int, storedAfterClose);
        Irisonde::TSettings settings;
        settings.TipIndex = stored;
        TTipF tip(settings);
        Open(tip);
        for (const QChar c : clicks)
            QTest::mouseClick(c == QLatin1Char('n') ? testsupport::Control<QPushButton>(tip, "Nextbout") : testsupport::Control<QPushButton>(tip, "PredBout"), Qt::LeftButton);
        QCOMPARE(testsupport::Control<QLabel>(tip, "NumeroLab")->text(), numero);
        const QStringList tips = Tips::LoadTips();
        QCOMPARE(testsupport::Control<QLabel>(tip, "TipLab")->text(), tips.at(numero.section(' ', 2, 2).toInt() - 1));
        QTest::mouseClick(testsupport::Control<QPushButton>(tip, "CloseBout"), Qt::LeftButton);
        QVERIFY(!tip.isVisible());
        QCOMPARE(settings.TipIndex, storedAfterClose);
        QVERIFY(tip.TipList().isEmpty());
        QVERIFY(tip.TipBitmap().isNull());
    }

    // Every way out of the window stores the next number once.
    void closeByFrameOrEscape_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::newRow("close box") << false;
        QTest::newRow("Escape") << true;
    }
    void closeByFrameOrEscape()
    {
        QFETCH(bool, escape);
        Irisonde::TSettings settings;
        settings.TipIndex = 2;
        TTipF tip(settings);
        Open(tip);
        if (escape)
            QTest::keyClick(&tip, Qt::Key_Escape);
        else
            tip.close();
        QVERIFY(!tip.isVisible());
        QCOMPARE(settings.TipIndex, 3);
    }

    // The bulb follows the box at once; the flag only when the window closes.
    void toolFrameCentredAlike()
    {
        Irisonde::TSettings settings;
        TTipF tip(settings);
        const Qt::WindowFlags f = tip.windowFlags();
        QCOMPARE(f & Qt::WindowType_Mask, Qt::Tool);
        QVERIFY(!(f & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QVERIFY(f & Qt::CustomizeWindowHint);
        Open(tip);
        const QRect first = tip.frameGeometry();
        QVERIFY((first.center() - tip.screen()->availableGeometry().center()).manhattanLength() <= 2);
        tip.close();
        Open(tip);
        QCOMPARE(tip.frameGeometry(), first);
        tip.close();
    }

    void bulbAndFlag()
    {
        Irisonde::TSettings settings;
        settings.TipFlag = true;
        settings.TipIndex = 0;
        TTipF tip(settings);
        Open(tip);
        QImage bulbs = LoadResourceBitmap(QStringLiteral("Tips"));
        QVERIFY(!bulbs.isNull());
        Irisonde::ReplaceBitmapColour(bulbs, QColor(255, 0, 0), App::TipColour());
        // No red is left around the bulbs.
        const QImage shown = tip.TipBitmap();
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                QVERIFY2(shown.pixelColor(x, y) != QColor(255, 0, 0), qPrintable(QStringLiteral("red at %1, %2").arg(x).arg(y)));

        const auto drawnBulb = [&tip] {
            return testsupport::Control<QWidget>(tip, "tipBox")->grab().toImage().copy(4, 4, 19, 17).convertToFormat(QImage::Format_RGB32);
        };
        IRISONDE_COMPARE_IMAGES(drawnBulb(), bulbs.copy(0, 0, 19, 17).convertToFormat(QImage::Format_RGB32));
        QTest::mouseClick(testsupport::Control<QCheckBox>(tip, "TipCroix"), Qt::LeftButton);
        QVERIFY(!testsupport::Control<QCheckBox>(tip, "TipCroix")->isChecked());
        IRISONDE_COMPARE_IMAGES(drawnBulb(), bulbs.copy(19, 0, 19, 17).convertToFormat(QImage::Format_RGB32));
        QVERIFY(settings.TipFlag);
        QTest::mouseClick(testsupport::Control<QPushButton>(tip, "CloseBout"), Qt::LeftButton);
        QVERIFY(!settings.TipFlag);

        // The next showing starts from the flag, unlit.
        Open(tip);
        QVERIFY(!testsupport::Control<QCheckBox>(tip, "TipCroix")->isChecked());
        IRISONDE_COMPARE_IMAGES(drawnBulb(), bulbs.copy(19, 0, 19, 17).convertToFormat(QImage::Format_RGB32));
        tip.close();
    }
};

QTEST_MAIN(TstTips)
#include "tst_tips.moc"
