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
#include <QLabel>
#include <QPainter>
#include <QPushButton>

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
      m_settings(settings), m_showing(*this, [this] { FormShow(); }, [this] { FormClose(); })
{
    setObjectName(QStringLiteral("TipF"));
    setWindowTitle(QStringLiteral(" Astuce du jour"));
    setFont(Arial(11));
    setFixedSize(328, 173);
    setModal(true);
    Irisonde::RefuseMinimise(*this);

    m_tipBox = new TPaintBox(this, QRect(14, 8, 300, 107), [this](QPainter &p) { tipBoxPaint(p); });
    m_tipBox->setObjectName(QStringLiteral("tipBox"));
    // The heading painted in the box; the tip itself is the label's text.
    m_tipBox->setAccessibleName(QStringLiteral("Le saviez vous..."));

    m_tipLab = new QLabel(this);
    m_tipLab->setObjectName(QStringLiteral("TipLab"));
    m_tipLab->setGeometry(23, 35, 281, 70);
    m_tipLab->setWordWrap(true);
    m_tipLab->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_tipLab->setFont(Arial(11));

    m_numeroLab = new QLabel(this);
    m_numeroLab->setObjectName(QStringLiteral("NumeroLab"));
    m_numeroLab->move(220, 19);
    m_numeroLab->setFont(Arial(9));

    m_tipCroix = new QCheckBox(QStringLiteral(" Toujours afficher cette boîte de dialogue au démarrage."), this);
    m_tipCroix->setObjectName(QStringLiteral("TipCroix"));
    m_tipCroix->setGeometry(12, 120, 305, 17);
    m_tipCroix->setAccessibleName(m_tipCroix->text().trimmed());
    connect(m_tipCroix, &QCheckBox::toggled, this, &TTipF::TipCroixClick);

    const auto button = [this](const char *name, const QString &caption, QRect place) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(place);
        b->setAutoDefault(false);
        return b;
    };
    m_closeBout = button("CloseBout", QStringLiteral("&Quitter"), QRect(11, 144, 65, 25));
    m_predBout = button("PredBout", QStringLiteral("Astuce &précédente"), QRect(83, 144, 113, 25));
    m_nextbout = button("Nextbout", QStringLiteral("Astuce &suivante"), QRect(203, 144, 113, 25));
    connect(m_closeBout, &QPushButton::clicked, this, &TTipF::CloseBoutClick);
    connect(m_predBout, &QPushButton::clicked, this, &TTipF::PredBoutClick);
    connect(m_nextbout, &QPushButton::clicked, this, &TTipF::NextboutClick);

    // FormCreate: the labels are part of the pale panel.
    TakeTipColour(*m_tipLab);
    TakeTipColour(*m_numeroLab);
}

void TTipF::FormShow()
{
    m_tipBitmap = LoadResourceBitmap(QStringLiteral("Tips"));
    Irisonde::ReplaceBitmapColour(m_tipBitmap, QColor(255, 0, 0), App::TipColour());
    m_tipList = Tips::LoadTips();
    m_tipCroix->setChecked(m_settings.TipFlag);
    m_settings.TipIndex = Tips::ShownTipIndex(m_settings.TipIndex, m_tipList.size());
    ShowTip();
}

void TTipF::FormClose()
{
    m_settings.TipIndex = Tips::NextTipIndex(m_settings.TipIndex, m_tipList.size());
    m_settings.TipFlag = m_tipCroix->isChecked();
    m_tipList.clear();
    m_tipBitmap = QImage();
}

void TTipF::ShowTip()
{
    if (m_tipList.isEmpty()) {
        // A build without its tips: an empty panel rather than a wrong number.
        m_tipLab->clear();
        m_numeroLab->clear();
        return;
    }
    m_tipLab->setText(m_tipList.at(m_settings.TipIndex));
    m_numeroLab->setText(Tips::NumeroText(m_settings.TipIndex, m_tipList.size()));
    m_numeroLab->adjustSize();
}

void TTipF::NextboutClick()
{
    m_settings.TipIndex = Tips::NextTipIndex(m_settings.TipIndex, m_tipList.size());
    ShowTip();
}

void TTipF::PredBoutClick()
{
    m_settings.TipIndex = Tips::PredTipIndex(m_settings.TipIndex, m_tipList.size());
    ShowTip();
}

void TTipF::TipCroixClick()
{
    m_tipBox->update(4, 4, 19, 17);
}

void TTipF::CloseBoutClick()
{
    close();
}

void TTipF::DrawTipIcon(QPainter &p) const
{
    if (m_tipBitmap.isNull())
        return;
    p.drawImage(QPoint(4, 4), m_tipBitmap, m_tipCroix->isChecked() ? kLitBulb : kUnlitBulb);
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
