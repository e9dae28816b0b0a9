// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

// Opening a picture file in each picture workshop as a teacher does first:
// the picture area has the keys, "Ouvrir" is clicked, a file chosen. What the
// window then shows is read from its backing store, as the user sees it.
#include "app/WorkshopTableU.h"
#include "shell/ProgramU.h"
#include "imaging/PictureFaultU.h"
#include "shell/AppStateU.h"
#include "shell/WorkshopU.h"
#include "tests/support/TestSupport.h"
#include "tests/support/WindowProbe.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

using namespace Irisonde;
using testsupport::Control;

namespace {

// Answers the next modal widget of type T as soon as it shows.
template <typename T> void WhenModal(QObject *owner, std::function<void(T *)> act)
{
    auto *timer = new QTimer(owner);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (auto *w = qobject_cast<T *>(QApplication::activeModalWidget())) {
            timer->stop();
            act(w);
        }
    });
    timer->start(20);
}

void ChooseWhenAsked(QObject *owner, const QString &path)
{
    WhenModal<QFileDialog>(owner, [path](QFileDialog *d) {
        if (auto *edit = d->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
            edit->setText(path);
        QMetaObject::invokeMethod(d, "accept");
        if (d->isVisible())
            d->reject(); // refused: the test fails on the pixels rather than hanging
    });
}

const QRgb Magenta = qRgb(255, 0, 255), Black = qRgb(0, 0, 0);

// Every pixel of `shown` is magenta or black (the magnifier's rim), most of
// them magenta; otherwise the first pixel that is neither.
QString AllMagenta(const QImage &shown)
{
    if (shown.isNull())
        return QStringLiteral("nothing shown");
    qsizetype magenta = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) {
            const QRgb c = shown.pixel(x, y) | 0xFF000000u;
            if (c == Magenta)
                ++magenta;
            else if (c != Black)
                return QStringLiteral("pixel (%1, %2) is #%3").arg(x).arg(y).arg(c & 0xFFFFFF, 6, 16, QLatin1Char('0'));
        }
    return magenta * 2 > qsizetype(shown.width()) * shown.height() ? QString() : QStringLiteral("mostly black");
}

} // namespace

class TstOpenPicture : public QObject {
    Q_OBJECT
    Irisonde::TProgram m_program;
    QTemporaryDir m_dir;
    QString m_picture;

private slots:
    void initTestCase()
    {
        // Larger than any area: centred at its own size, it covers the area.
        QImage big(1200, 900, QImage::Format_RGB32);
        big.fill(Magenta);
        m_picture = m_dir.filePath(QStringLiteral("magenta.bmp"));
        QVERIFY(big.save(m_picture, "BMP"));
        m_program.State().ProgramFolder = m_dir.path();
    }

    void openWithAreaFocused_data()
    {
        QTest::addColumn<EWorkshop>("kind");
        QTest::addColumn<QString>("zone");
        QTest::newRow("scene lighting") << EWorkshop::Eclaire << "OriginZone";
        QTest::newRow("magnifier") << EWorkshop::Loup << "Zone";
        QTest::newRow("four-colour printing") << EWorkshop::Quadri << "OriginZone";
        QTest::newRow("RGB decomposition") << EWorkshop::RGB << "OriginZone";
    }
    void openWithAreaFocused()
    {
        QFETCH(EWorkshop, kind);
        QFETCH(QString, zone);
        const std::unique_ptr<TWorkshopF> w = MakeWorkshop(m_program, kind);
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        QWidget *area = Control(*w, zone.toLatin1().constData());
        QVERIFY(QApplication::focusWidget() && QApplication::focusWidget()->inherits("Irisonde::TPaintBox"));

        ChooseWhenAsked(w.get(), m_picture);
        QTest::mouseClick(Control<QToolButton>(*w, "OuvreBout"), Qt::LeftButton);
        QVERIFY2(w->windowTitle().endsWith(QStringLiteral("magenta.bmp ( 1200 sur 900 pixels )")), qPrintable(w->windowTitle()));
        const QString wrong = AllMagenta(testsupport::Shown(area));
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));

        // A bad file says why and leaves the picture on screen.
        const QString bad = testsupport::DataFile(QStringLiteral("bmp_truncated_pixels.bmp"));
        QString boxText;
        ChooseWhenAsked(w.get(), bad);
        WhenModal<QMessageBox>(w.get(), [&boxText](QMessageBox *box) {
            boxText = box->text();
            box->accept();
        });
        const QString caption = w->windowTitle();
        QTest::mouseClick(Control<QToolButton>(*w, "OuvreBout"), Qt::LeftButton);
        QCOMPARE(boxText, PictureFaultMessage(EPictureFault::InvalidBitmap, bad));
        QCOMPARE(w->windowTitle(), caption);
        QVERIFY(AllMagenta(testsupport::Shown(area)).isEmpty());
    }
};

QTEST_MAIN(TstOpenPicture)
#include "tst_openpicture.moc"
