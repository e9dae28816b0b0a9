// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

// Pictures in and out of the real windows: every format opened in each
// picture workshop, a photo dropped on one (what it cannot take refused by
// the cursor), a folder dropped on the catalogue, the image saved (equal to
// the copy; a failed write said) and printed to a PDF file through the print
// dialog, both dialogs in French.
#include "app/StartupU.h"
#include "shell/ProgramU.h"
#include "app/WorkshopTableU.h"
#include "catalogue/BrowseU.h"
#include "shell/ImagePrintU.h"
#include "shell/ImageSaveU.h"
#include "shell/SettingsU.h"
#include "tests/support/TestSupport.h"
#include "tests/support/WindowProbe.h"
#include "workshops/PictureWorkshopU.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QImageReader>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

using namespace Irisonde;
using testsupport::Control;
using testsupport::DataFile;

namespace {

// Runs `act` on the next modal widget of type T as soon as it shows.
template <typename T> void WhenModal(std::function<void(T *)> act)
{
    auto *timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (auto *w = qobject_cast<T *>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            act(w);
        }
    });
    timer->start(20);
}

// Sends a drag of `path` over `window`, then drops it if the cursor took it;
// whether it did.
bool Drop(QWidget *window, const QString &path)
{
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(path)});
    const QPoint at = window->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &drop);
    return drop.isAccepted();
}

std::unique_ptr<TWorkshopF> Opened(TProgram &program, EWorkshop kind)
{
    std::unique_ptr<TWorkshopF> w = MakeWorkshop(program, kind);
    w->show();
    if (!QTest::qWaitForWindowExposed(w.get()))
        return {};
    return w;
}

// The buttons of a dialog whose text is `text`.
template <typename Dialog> bool HasButton(Dialog *d, const QString &text)
{
    for (const QAbstractButton *b : d->template findChildren<QAbstractButton *>())
        if (b->text().remove(u'&') == text)
            return true;
    return false;
}

} // namespace

class TstPictureOutput : public QObject {
    Q_OBJECT
    Irisonde::TProgram m_program;
    QTemporaryDir m_dir;

private slots:
    void initTestCase() { InstallFrenchTranslation(*qApp); }

    void everyFormatInEveryPictureWorkshop()
    {
        for (EWorkshop kind : {EWorkshop::Eclaire, EWorkshop::Loup, EWorkshop::Quadri, EWorkshop::RGB}) {
            const auto w = Opened(m_program, kind);
            QVERIFY(w);
            auto *workshop = dynamic_cast<TPictureWorkshopF *>(w.get());
            QVERIFY(workshop);
            for (const char *file : {"format_png.png", "format_jpeg.jpg", "format_gif.gif", "format_tiff.tif",
                                     "format_webp.webp", "format_tga.tga", "format_svg.svg", "format_svgz.svgz"}) {
                workshop->OpenPictureFile(DataFile(QString::fromLatin1(file)));
                QVERIFY2(w->windowTitle().contains(QString::fromLatin1(file) + QStringLiteral(" ( ")), qPrintable(w->windowTitle()));
            }
        }
    }

    void droppedPhotoOpens()
    {
        const auto w = Opened(m_program, EWorkshop::Eclaire);
        QVERIFY(w);
        QVERIFY(Drop(w.get(), DataFile("exif_orientation_6.jpg")));
        QTRY_VERIFY(w->windowTitle().endsWith(QStringLiteral("exif_orientation_6.jpg ( 48 sur 32 pixels )")));
        // What is no picture, several files or a folder: refused as it passes.
        const QString caption = w->windowTitle();
        QVERIFY(!Drop(w.get(), DataFile("not_a_picture.txt")));
        QVERIFY(!Drop(w.get(), m_dir.path()));
        QMimeData two;
        two.setUrls({QUrl::fromLocalFile(DataFile("format_png.png")), QUrl::fromLocalFile(DataFile("format_gif.gif"))});
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &two, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w.get(), &enter);
        QVERIFY(!enter.isAccepted());
        QTest::qWait(50);
        QCOMPARE(w->windowTitle(), caption);
        // A damaged photo is taken, and says why it cannot be shown, as "Ouvrir" does.
        QString said;
        WhenModal<QMessageBox>([&said](QMessageBox *box) {
            said = box->text();
            box->accept();
        });
        QVERIFY(Drop(w.get(), DataFile("png_truncated.png")));
        QTRY_COMPARE(said, PictureFaultMessage(EPictureFault::InvalidPicture, DataFile("png_truncated.png")));
        QCOMPARE(w->windowTitle(), caption);
    }

    void droppedFolderBecomesTheCatalogues()
    {
        TBrowserF browser(m_program);
        browser.show();
        QVERIFY(QTest::qWaitForWindowExposed(&browser));
        QVERIFY(!Drop(&browser, DataFile("format_png.png")));
        QVERIFY(Drop(&browser, m_dir.path()));
        QTRY_COMPARE(Control<QLineEdit>(browser, "PathEd")->text(), QDir(m_dir.path()).absolutePath());
        QCOMPARE(m_program.Settings().brwPath, QDir(m_dir.path()).absolutePath());
    }

    // The button and Ctrl+S save what the copy button copies, under the
    // workshop's name and the date, in a French dialog.
    void savedImageEqualsTheCopy()
    {
        for (EWorkshop kind : {EWorkshop::Add, EWorkshop::Eclaire}) {
            const auto w = Opened(m_program, kind);
            QVERIFY(w);
            QTest::mouseClick(Control<QToolButton>(*w, "CopierBout"), Qt::LeftButton);
            const QImage copied = QApplication::clipboard()->image();
            QVERIFY(!copied.isNull());
            const QString path = m_dir.filePath(QStringLiteral("saved-%1.png").arg(int(kind)));
            QString title, offered;
            bool french = false;
            WhenModal<QFileDialog>([&](QFileDialog *d) {
                title = d->windowTitle();
                offered = d->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->text();
                french = HasButton(d, QStringLiteral("Enregistrer"));
                d->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(path);
                QMetaObject::invokeMethod(d, "accept");
                if (d->isVisible())
                    d->reject();
            });
            if (kind == EWorkshop::Add) {
                QTest::mouseClick(Control<QToolButton>(*w, "EnregistrerBout"), Qt::LeftButton);
                QCOMPARE(offered, QStringLiteral("synthese-additive-") + QDate::currentDate().toString(Qt::ISODate) + QStringLiteral(".png"));
            } else {
                w->activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(w.get()));
                QTest::keyClick(w.get(), Qt::Key_S, Qt::ControlModifier);
                QVERIFY2(offered.startsWith(QStringLiteral("eclairage-d-une-scene-")), qPrintable(offered));
            }
            QCOMPARE(title, QStringLiteral(" Enregistrer l'image"));
            QVERIFY(french);
            IRISONDE_COMPARE_IMAGES(QImage(path), copied);
        }
    }

    void failedWriteIsSaid()
    {
        QImage image(4, 4, QImage::Format_RGB32);
        image.fill(Qt::red);
        const QString nowhere = m_dir.filePath(QStringLiteral("no/such/folder/x.png"));
        const QString message = WriteImageFile(image, nowhere);
        QVERIFY2(message.startsWith(QStringLiteral("L'image n'a pas pu être enregistrée")) && message.contains(nowhere), qPrintable(message));
        QVERIFY(!QFile::exists(nowhere));
        // JPEG by its name; an existing file replaced whole.
        const QString jpeg = m_dir.filePath(QStringLiteral("x.JPG"));
        QVERIFY(WriteImageFile(image, jpeg).isEmpty());
        QCOMPARE(QImageReader(jpeg).format(), QByteArray("jpeg"));
        QCOMPARE(SaveNameStem(QStringLiteral(" Décomposition RVB d'une image")), QStringLiteral("decomposition-rvb-d-une-image"));
    }

    // Ctrl+P prints through Qt's dialog, in French, here to a PDF file that
    // then holds the caption and the image at its size.
    void printedPdfHoldsTheImage()
    {
        const auto w = Opened(m_program, EWorkshop::Quadri);
        QVERIFY(w);
        QTest::mouseClick(Control<QToolButton>(*w, "CopierBout"), Qt::LeftButton);
        const QImage copied = QApplication::clipboard()->image();
        const QString pdf = m_dir.filePath(QStringLiteral("handout.pdf"));
        bool french = false;
        WhenModal<QPrintDialog>([&](QPrintDialog *d) {
            french = HasButton(d, QStringLiteral("Imprimer"));
            d->printer()->setOutputFormat(QPrinter::PdfFormat);
            d->printer()->setOutputFileName(pdf);
            d->done(QDialog::Accepted);
        });
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        QTest::keyClick(w.get(), Qt::Key_P, Qt::ControlModifier);
        QTRY_VERIFY(QFileInfo(pdf).size() > 0);
        QVERIFY(french);
        QProcess images;
        images.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf});
        QVERIFY(images.waitForFinished(20000));
        const QString list = QString::fromLatin1(images.readAllStandardOutput());
        QVERIFY2(list.contains(QRegularExpression(QStringLiteral("image\\s+%1\\s+%2\\s").arg(copied.width()).arg(copied.height()))),
                 qPrintable(list));
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        QVERIFY(text.waitForFinished(20000));
        QVERIFY(QString::fromUtf8(text.readAllStandardOutput()).contains(w->windowTitle().trimmed()));
    }
};

QTEST_MAIN(TstPictureOutput)
#include "tst_pictureoutput.moc"
