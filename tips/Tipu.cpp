// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tips/Tipu.h"

#include "imaging/ResourceU.h"
#include "shell/AppStateU.h"
#include "shell/PaintBoxU.h"
#include "imaging/RecolourU.h"
#include "shell/PlacementBoundsU.h"
#include "shell/SettingsU.h"
#include "tips/TipListU.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

namespace Irisonde {

namespace {

QFont Arial(int pixels)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(pixels);
    return f;
}

void TakeTipColour(QLabel &label)
{
    QPalette p = label.palette();
    p.setColor(QPalette::Window, App::TipColour());
    p.setColor(QPalette::WindowText, Qt::black);
    label.setPalette(p);
    label.setAutoFillBackground(true);
}

constexpr QRect kLitBulb(0, 0, 19, 17);
constexpr QRect kUnlitBulb(19, 0, 19, 17);

} // namespace

// A tool window's frame, as the options dialog's: nothing to minimise.
TTipF::TTipF(Irisonde::TSettings &settings, QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint),
      m_settings(settings)
{
    setObjectName(QStringLiteral("TipF"));
    setWindowTitle(QStringLiteral(" Astuce du jour"));
    setFont(Arial(11));
    setFixedSize(328, 173);
    setModal(true);
    Irisonde::RefuseMinimise(*this);

    tipBox = new TPaintBox(this, QRect(14, 8, 300, 107), [this](QPainter &p) { tipBoxPaint(p); });
    tipBox->setObjectName(QStringLiteral("tipBox"));
    // The heading painted in the box; the tip itself is TipLab's text.
    tipBox->setAccessibleName(QStringLiteral("Le saviez vous..."));

    TipLab = new QLabel(this);
    TipLab->setObjectName(QStringLiteral("TipLab"));
    TipLab->setGeometry(23, 35, 281, 70);
    TipLab->setWordWrap(true);
    TipLab->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    TipLab->setFont(Arial(11));

    NumeroLab = new QLabel(this);
    NumeroLab->setObjectName(QStringLiteral("NumeroLab"));
    NumeroLab->move(220, 19);
    NumeroLab->setFont(Arial(9));

    TipCroix = new QCheckBox(QStringLiteral(" Toujours afficher cette boîte de dialogue au démarrage."), this);
    TipCroix->setObjectName(QStringLiteral("TipCroix"));
    TipCroix->setGeometry(12, 120, 305, 17);
    TipCroix->setAccessibleName(TipCroix->text().trimmed());
    connect(TipCroix, &QCheckBox::toggled, this, &TTipF::TipCroixClick);

    const auto button = [this](const char *name, const QString &caption, QRect place) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(place);
        b->setAutoDefault(false);
        return b;
    };
    CloseBout = button("CloseBout", QStringLiteral("&Quitter"), QRect(11, 144, 65, 25));
    PredBout = button("PredBout", QStringLiteral("Astuce &précédente"), QRect(83, 144, 113, 25));
    Nextbout = button("Nextbout", QStringLiteral("Astuce &suivante"), QRect(203, 144, 113, 25));
    connect(CloseBout, &QPushButton::clicked, this, &TTipF::CloseBoutClick);
    connect(PredBout, &QPushButton::clicked, this, &TTipF::PredBoutClick);
    connect(Nextbout, &QPushButton::clicked, this, &TTipF::NextboutClick);

    // FormCreate: the labels are part of the pale panel.
    TakeTipColour(*TipLab);
    TakeTipColour(*NumeroLab);
}

void TTipF::showEvent(QShowEvent *event)
{
    if (!event->spontaneous()) {
        Irisonde::CentreOnScreen(*this);
        if (!showing)
            FormShow();
    }
    QDialog::showEvent(event);
}

void TTipF::hideEvent(QHideEvent *event)
{
    QDialog::hideEvent(event);
    // Every way of closing (button, close box, Escape) passes here once.
    if (!event->spontaneous() && showing)
        FormClose();
}

void TTipF::FormShow()
{
    showing = true;
    tipBitmap = LoadResourceBitmap(QStringLiteral("Tips"));
    Irisonde::ReplaceBitmapColour(tipBitmap, QColor(255, 0, 0), App::TipColour());
    tipList = Tips::LoadTips();
    TipCroix->setChecked(m_settings.TipFlag);
    m_settings.TipIndex = Tips::ShownTipIndex(m_settings.TipIndex, tipList.size());
    ShowTip();
}

void TTipF::FormClose()
{
    showing = false;
    m_settings.TipIndex = Tips::NextTipIndex(m_settings.TipIndex, tipList.size());
    m_settings.TipFlag = TipCroix->isChecked();
    tipList.clear();
    tipBitmap = QImage();
}

void TTipF::ShowTip()
{
    if (tipList.isEmpty()) {
        // A build without its tips: an empty panel rather than a wrong number.
        TipLab->clear();
        NumeroLab->clear();
        return;
    }
    TipLab->setText(tipList.at(m_settings.TipIndex));
    NumeroLab->setText(Tips::NumeroText(m_settings.TipIndex, tipList.size()));
    NumeroLab->adjustSize();
}

void TTipF::NextboutClick()
{
    m_settings.TipIndex = Tips::NextTipIndex(m_settings.TipIndex, tipList.size());
    ShowTip();
}

void TTipF::PredBoutClick()
{
    m_settings.TipIndex = Tips::PredTipIndex(m_settings.TipIndex, tipList.size());
    ShowTip();
}

void TTipF::TipCroixClick()
{
    tipBox->update(4, 4, 19, 17);
}

void TTipF::CloseBoutClick()
{
    close();
}

void TTipF::DrawTipIcon(QPainter &p) const
{
    if (tipBitmap.isNull())
        return;
    p.drawImage(QPoint(4, 4), tipBitmap, TipCroix->isChecked() ? kLitBulb : kUnlitBulb);
}

void TTipF::tipBoxPaint(QPainter &p) const
{
    p.setPen(QColor(128, 128, 128));
    p.setBrush(App::TipColour());
    p.drawRect(0, 0, 299, 106);
    DrawTipIcon(p);
    QFont title(QStringLiteral("Liberation Sans"));
    title.setPointSize(12);
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::black);
    p.drawText(QRect(26, 5, 300 - 26, 107 - 5), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
               QStringLiteral("Le saviez vous..."));
}

} // namespace Irisonde
