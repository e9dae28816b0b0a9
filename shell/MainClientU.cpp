// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/MainClientU.h"
#include "shell/StatusLineU.h"

#include "shell/AppStateU.h"
#include "shell/BevelU.h"
#include "shell/PaintBoxU.h"
#include "shell/SupLabU.h"
#include "shell/WorkshopRowU.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>

namespace Irisonde {

namespace {

struct LinkEntry {
    int number; // LinkLabN
    const char *caption;
    bool workshop;  // blue bullet before workshops, red before the others
    bool gapBefore; // a wider step above it
};

// Links step down the window, with a wider step above a row that starts a
// group and above the links that open no workshop.
constexpr int kFirstLinkTop = 48, kLinkStep = 28, kGroupGap = 16, kOthersGap = 12;

constexpr LinkEntry kOtherLinks[] = {
    {7, "Aide d'Irisonde", false, true},
    {6, "Cataloguer les images ", false, false},
    {5, "Quitter ", false, false},
};

} // namespace

QFont ArialPx(int pixels, bool bold, bool italic)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

TMainClient::TMainClient(std::span<const TWorkshopRow> rows, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Client"));
    m_label1 = new QLabel(QStringLiteral("Section 1 : Couleurs et perception visuelle"), this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setFont(ArialPx(19));
    m_label1->move(20, 12);
    m_label1->adjustSize();

    std::vector<LinkEntry> entries;
    for (const TWorkshopRow &row : rows)
        entries.push_back({row.LinkLabel, row.LinkCaption, true, row.SeparatorBefore});
    entries.insert(entries.end(), std::begin(kOtherLinks), std::end(kOtherLinks));
    int top = kFirstLinkTop - kLinkStep;
    for (std::size_t k = 0; k < entries.size(); ++k) {
        const LinkEntry &e = entries[k];
        top += kLinkStep + (!e.gapBefore || k == 0 ? 0 : e.workshop ? kGroupGap : kOthersGap);
        auto *lab = new TSuperLab(this);
        lab->setObjectName(QStringLiteral("LinkLab%1").arg(e.number));
        lab->setFont(ArialPx(16, true, true));
        lab->setText(QString::fromUtf8(e.caption));
        lab->move(52, top);
        lab->adjustSize();
        m_links.push_back(lab);
        const bool blue = e.workshop;
        auto *bullet = new TPaintBox(this, QRect(32, top + 4, 13, 9), [blue](QPainter &p) {
            p.drawImage(0, 0, blue ? App::PuceB() : App::PuceR());
        });
        // The colour is the only thing the bullet says: workshop or not.
        bullet->setAccessibleName(blue ? QStringLiteral("Puce bleue : atelier") : QStringLiteral("Puce rouge"));
    }

    // Placed by resizeEvent, along the top and above the status panel.
    m_bevel1 = MakeBevel(this, "Bevel1", QRect(), QFrame::HLine, QFrame::Raised);
    m_bevel2 = MakeBevel(this, "Bevel2", QRect(), QFrame::HLine, QFrame::Raised);

    m_panel1 = new QFrame(this);
    m_panel1->setObjectName(QStringLiteral("Panel1"));
    m_panel1->setAutoFillBackground(true);
    m_modeLab = new TStatusLine(m_panel1);
    m_modeLab->setObjectName(QStringLiteral("ModeLab"));
    m_modeLab->move(2, 2);
    m_warningLab = new TStatusLine(m_panel1);
    m_warningLab->setObjectName(QStringLiteral("WarningLab"));
    m_warningLab->move(2, 2);
}

void TMainClient::resizeEvent(QResizeEvent *event)
{
    // The status panel and the lower bevel follow the bottom edge.
    const int w = width(), h = height();
    m_bevel1->setGeometry(0, 0, w, 3);
    m_panel1->setGeometry(0, h - 20, w, 20);
    m_bevel2->setGeometry(0, h - 23, w, 3);
    QWidget::resizeEvent(event);
}

void TMainClient::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QImage &tile = App::Motif();
    if (tile.isNull()) {
        p.fillRect(rect(), palette().color(QPalette::Window));
        return;
    }
    const int w = tile.width(), h = tile.height();
    for (int i = 0; i <= width() / w; ++i)
        for (int j = 0; j <= height() / h; ++j)
            p.drawImage(i * w, j * h, tile);
}

} // namespace Irisonde
