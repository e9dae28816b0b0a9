// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

// The open-picture dialog: its title, filter and folder, cancelling, choosing
// a file. Loading what it gives is the workshops' (tst_openpicture).
#include "shell/AppStateU.h"
#include "shell/ProgramU.h"
#include "shell/PictureDialogU.h"
#include "tests/support/TestSupport.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <QAbstractItemView>
#include <QtTest>

#include <functional>

using namespace Irisonde;

namespace {

// Runs `act` on the modal widget of type T as soon as it shows.
template <typename T> void WhenModal(std::function<void(T *)> act)
{
    auto *timer = new QTimer(qApp);
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (auto *w = qobject_cast<T *>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            act(w);
        }
    });
    timer->start();
}

const QString Base = QStringLiteral(" Loupe sur un écran de télévision");

} // namespace

class TstPictureDialog : public QObject {
    Q_OBJECT
private slots:
    void cancelKeepsCaption();
    void choosingAFileGivesItsPath();
    void listsInFrench();
};

void TstPictureDialog::cancelKeepsCaption()
{
    QString title, folder;
    QStringList filters;
    WhenModal<QFileDialog>([&](QFileDialog *d) {
        title = d->windowTitle();
        filters = d->nameFilters();
        folder = d->directory().absolutePath();
        d->reject();
    });
    QCOMPARE(ChoosePictureFile(nullptr, QStringLiteral(IRISONDE_TEST_DATA)), QString());
    QCOMPARE(title, QStringLiteral(" Ouvrir une image, une photo ou un dessin"));
    // Every kind first, then one filter per family; camera names in capitals too.
    QCOMPARE(filters.size(), 5);
    QVERIFY2(filters[0].startsWith(QStringLiteral("Toutes les images (")), qPrintable(filters[0]));
    for (const char *pattern : {"*.jpg", "*.JPG", "*.png", "*.gif", "*.tif", "*.webp", "*.bmp", "*.svg", "*.svgz", "*.wmf"})
        QVERIFY2(filters[0].contains(QLatin1String(pattern) + u' ') || filters[0].contains(QLatin1String(pattern) + u')'), pattern);
    QVERIFY(filters[1].startsWith(QStringLiteral("Photos et images")) && filters[1].contains(QStringLiteral("*.jpeg ")));
    QVERIFY(filters[2].startsWith(QStringLiteral("Images Bitmap (*.bmp)")));
    QVERIFY(filters[3].startsWith(QStringLiteral("Dessins SVG")) && !filters[3].contains(QStringLiteral("*.png")));
    QVERIFY(filters[4].startsWith(QStringLiteral("Métafichiers (*.wmf)")));
    QCOMPARE(folder, QDir(QStringLiteral(IRISONDE_TEST_DATA)).absolutePath());
}

void TstPictureDialog::choosingAFileGivesItsPath()
{
    const QString path = testsupport::DataFile(QStringLiteral("bmp_24bit.bmp"));
    WhenModal<QFileDialog>([&](QFileDialog *d) {
        // The full path typed into the name field, then Open.
        if (auto *edit = d->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
            edit->setText(path);
        QMetaObject::invokeMethod(d, "accept");
        if (d->isVisible())
            d->reject(); // refused: the test fails on the path rather than hanging
    });
    QCOMPARE(QFileInfo(ChoosePictureFile(nullptr, QStringLiteral(IRISONDE_TEST_DATA))).canonicalFilePath(), QFileInfo(path).canonicalFilePath());
}

// Kinds, sizes and dates as the dialog lists them, French whatever the
// desktop's language (these tests run with the C locale).
void TstPictureDialog::listsInFrench()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("photos")));
    QFile small(dir.filePath(QStringLiteral("petit.bmp")));
    QVERIFY(small.open(QIODevice::WriteOnly) && small.write("BM12345678") == 10);
    small.close();
    QStringList folderRow, fileRow;
    WhenModal<QFileDialog>([&](QFileDialog *d) {
        auto *view = d->findChild<QAbstractItemView *>(QStringLiteral("treeView"));
        const auto row = [view](const QString &name) {
            QStringList cells;
            QAbstractItemModel *m = view->model();
            for (int r = 0; r < m->rowCount(view->rootIndex()); ++r)
                if (m->index(r, 0, view->rootIndex()).data().toString() == name)
                    for (int c = 1; c < 4; ++c)
                        cells << m->index(r, c, view->rootIndex()).data().toString();
            return cells;
        };
        // The folder is read in the background: its rows come a little later.
        (void)QTest::qWaitFor([&] {
            folderRow = row(QStringLiteral("photos"));
            fileRow = row(QStringLiteral("petit.bmp"));
            return !folderRow.isEmpty() && !fileRow.isEmpty();
        });
        d->reject();
    });
    (void)ChoosePictureFile(nullptr, dir.path());
    QCOMPARE(folderRow.value(1), QStringLiteral("Dossier"));
    QCOMPARE(fileRow.value(0), QStringLiteral("10 octets"));
    QCOMPARE(fileRow.value(1), QStringLiteral("Fichier BMP"));
    QCOMPARE(fileRow.value(2), QLocale(QLocale::French, QLocale::France).toString(QFileInfo(small).lastModified(), QLocale::ShortFormat));
}

QTEST_MAIN(TstPictureDialog)
#include "tst_picturedialog.moc"
