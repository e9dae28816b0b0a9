// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

// The open-picture dialog: its title and filter, cancelling, choosing a
// file, and the warning shown for a bad one.
#include "imaging/PictureU.h"
#include "tests/support/PictureCanvas.h"
#include "shell/AppStateU.h"
#include "shell/PictureDialogU.h"
#include "tests/support/TestSupport.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QTimer>
#include <QtTest>

#include <functional>

using namespace Irisonde;
using testsupport::TestPicture;

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
    void init()
    {
        TestPicture().ResetPictureState();
        App::State().ProgramFolder = QStringLiteral(IRISONDE_TEST_DATA);
        TestPicture().SetPictureArea(40, 30);
    }
    void cancelKeepsCaption();
    void choosingAFileLoadsIt();
    void badFileShowsItsWarning();
};

void TstPictureDialog::cancelKeepsCaption()
{
    QImage image(40, 30, QImage::Format_BGR888);
    QPainter canvas(&image);
    QString title, filter, folder;
    WhenModal<QFileDialog>([&](QFileDialog *d) {
        title = d->windowTitle();
        filter = d->nameFilters().value(0);
        folder = d->directory().absolutePath();
        d->reject();
    });
    QCOMPARE(ChoosePictureFile(TestPicture(), canvas, Base, QStringLiteral("current"), nullptr), QStringLiteral("current"));
    QCOMPARE(title, QStringLiteral(" Ouvrir une image bitmap ou un métafichier"));
    QVERIFY2(filter.startsWith(QStringLiteral("Images Bitmap et métafichiers (*.bmp, *.wmf)")), qPrintable(filter));
    QCOMPARE(folder, QDir(QStringLiteral(IRISONDE_TEST_DATA)).absolutePath());
    QCOMPARE(TestPicture().PictureKind(), EPictureKind::None);
}

void TstPictureDialog::choosingAFileLoadsIt()
{
    QImage image(40, 30, QImage::Format_BGR888);
    QPainter canvas(&image);
    const QString path = testsupport::DataFile(QStringLiteral("bmp_24bit.bmp"));
    WhenModal<QFileDialog>([&](QFileDialog *d) {
        // The full path typed into the name field, then Open.
        if (auto *edit = d->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
            edit->setText(path);
        QMetaObject::invokeMethod(d, "accept");
        if (d->isVisible())
            d->reject(); // refused: the test fails on the caption rather than hanging
    });
    const QString caption = ChoosePictureFile(TestPicture(), canvas, Base, QStringLiteral("current"), nullptr);
    QVERIFY2(caption.startsWith(Base + QStringLiteral(" - ")), qPrintable(caption));
    QVERIFY2(caption.endsWith(QStringLiteral("bmp_24bit.bmp ( 5 sur 3 pixels )")), qPrintable(caption));
    QCOMPARE(TestPicture().PictureKind(), EPictureKind::Bitmap);
}

void TstPictureDialog::badFileShowsItsWarning()
{
    QImage image(40, 30, QImage::Format_BGR888);
    QPainter canvas(&image);
    const QString path = testsupport::DataFile(QStringLiteral("bmp_truncated_pixels.bmp"));
    QString boxTitle, boxText;
    WhenModal<QMessageBox>([&](QMessageBox *box) {
        boxTitle = box->windowTitle();
        boxText = box->text();
        box->accept();
    });
    QCOMPARE(LoadPictureFileShowing(TestPicture(), path, canvas, Base, QStringLiteral("current"), nullptr), QStringLiteral("current"));
    QCOMPARE(boxTitle, QStringLiteral("Avertissement"));
    QCOMPARE(boxText, PictureFaultMessage(EPictureFault::InvalidBitmap, path));
    QCOMPARE(TestPicture().PictureKind(), EPictureKind::None);
}

QTEST_MAIN(TstPictureDialog)
#include "tst_picturedialog.moc"
