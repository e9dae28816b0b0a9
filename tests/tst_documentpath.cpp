// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

// The help and the readme are found beside the program (build tree) or in
// ../share/irisonde or ../share/doc/irisonde (installed tree); a missing one
// keeps the old path.
#include "shell/ProgramU.h"

#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace Irisonde;

class TstDocumentPath : public QObject {
    Q_OBJECT
private slots:
    void documentPath_data()
    {
        QTest::addColumn<bool>("beside");
        QTest::addColumn<bool>("installed");
        QTest::addColumn<QString>("expected"); // relative to the temporary root
        QTest::newRow("build tree") << true << false << "prefix/bin/Irisonde.html";
        QTest::newRow("installed tree") << false << true << "prefix/share/irisonde/Irisonde.html";
        QTest::newRow("both: the one beside wins") << true << true << "prefix/bin/Irisonde.html";
        QTest::newRow("missing: the path beside") << false << false << "prefix/bin/Irisonde.html";
    }
    void documentPath()
    {
        QFETCH(bool, beside);
        QFETCH(bool, installed);
        QFETCH(QString, expected);
        QTemporaryDir root;
        QVERIFY(root.isValid());
        const QDir dir(root.path());
        QVERIFY(dir.mkpath(QStringLiteral("prefix/bin")) && dir.mkpath(QStringLiteral("prefix/share/irisonde")));
        const auto touch = [&](const QString &path) {
            QFile f(dir.filePath(path));
            return f.open(QIODevice::WriteOnly) && f.write("x") == 1;
        };
        if (beside)
            QVERIFY(touch(QStringLiteral("prefix/bin/Irisonde.html")));
        if (installed)
            QVERIFY(touch(QStringLiteral("prefix/share/irisonde/Irisonde.html")));
        // The readme is never there: each document is looked for on its own.
        QVERIFY(touch(QStringLiteral("prefix/share/lisezmoi.txt")));

        const QString folder = QDir::toNativeSeparators(dir.filePath(QStringLiteral("prefix/bin")));
        QCOMPARE(DocumentPathOf(folder, QStringLiteral("Irisonde.html")), QDir::toNativeSeparators(dir.filePath(expected)));
        QCOMPARE(DocumentPathOf(folder, QStringLiteral("lisezmoi.txt")),
                 QDir::toNativeSeparators(dir.filePath(QStringLiteral("prefix/bin/lisezmoi.txt"))));
        // Pictures are looked for beside the program, unless it is installed.
        const QString pictures = PictureFolderOf(folder);
        if (beside)
            QVERIFY2(pictures.isEmpty(), qPrintable(pictures));
        else
            QVERIFY2(!pictures.isEmpty() && !pictures.startsWith(root.path()), qPrintable(pictures));
    }
    // A package puts the readme with its other documents in share/doc.
    void readmeInDocFolder()
    {
        QTemporaryDir root;
        QVERIFY(root.isValid());
        const QDir dir(root.path());
        QVERIFY(dir.mkpath(QStringLiteral("prefix/bin")) && dir.mkpath(QStringLiteral("prefix/share/doc/irisonde")));
        QFile readme(dir.filePath(QStringLiteral("prefix/share/doc/irisonde/lisezmoi.txt")));
        QVERIFY(readme.open(QIODevice::WriteOnly) && readme.write("x") == 1);
        const QString folder = QDir::toNativeSeparators(dir.filePath(QStringLiteral("prefix/bin")));
        QCOMPARE(DocumentPathOf(folder, QStringLiteral("lisezmoi.txt")),
                 QDir::toNativeSeparators(readme.fileName()));
    }
};

QTEST_MAIN(TstDocumentPath)
#include "tst_documentpath.moc"
