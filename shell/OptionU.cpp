// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/OptionU.h"

#include "shell/AppStateU.h"
#include "shell/PaintBoxU.h"
#include "shell/CheckBoxU.h"
#include "shell/PlacementBoundsU.h"
#include "shell/SettingsU.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QTabWidget>

namespace Irisonde {

// A tool window's frame, without minimise or maximise buttons: minimising a
// modal dialog would take the main window along and leave no way back.
TOptionF::TOptionF(Irisonde::TSettings &settings, QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      m_settings(settings)
{
    setObjectName(QStringLiteral("OptionF"));
    setWindowTitle(QStringLiteral(" Options du logiciel"));
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(11);
    setFont(f);
    setFixedSize(365, 252);
    setModal(true);
    Irisonde::RefuseMinimise(*this);

    Classeur = new QTabWidget(this);
    Classeur->setObjectName(QStringLiteral("Classeur"));
    Classeur->setGeometry(3, 1, 360, 216);
    Classeur->setAccessibleName(QStringLiteral("Onglets des options"));
    PTab = new QWidget;
    PTab->setObjectName(QStringLiteral("PTab"));
    Classeur->addTab(PTab, QStringLiteral(" Préférences "));
    // The page in the button-face colour that the logo's background was given.
    QPalette page = PTab->palette();
    page.setColor(QPalette::Window, page.color(QPalette::Button));
    PTab->setPalette(page);
    PTab->setAutoFillBackground(true);

    const auto check = [this](const char *name, const QString &caption, QRect place) {
        auto *c = new QCheckBox(caption, PTab);
        c->setObjectName(QString::fromLatin1(name));
        c->setGeometry(place);
        // The caption's leading blank only kept the text off the box.
        c->setAccessibleName(caption.trimmed());
        return c;
    };
    SplashCheck = check("SplashCheck", QStringLiteral(" Afficher l'écran de démarrage"), QRect(16, 12, 230, 17));
    TipCheck = check("TipCheck", QStringLiteral(" Afficher les astuces du jour au démarrage"), QRect(16, 38, 230, 17));
    BullesCheck = check("BullesCheck", QStringLiteral(" Afficher les bulles d'aide "), QRect(16, 64, 161, 17));

    PB = new TPaintBox(PTab, QRect(212, 132, 123, 44), [](QPainter &p) { p.drawImage(0, 0, App::Logo()); });
    PB->setObjectName(QStringLiteral("PB"));
    PB->setAccessibleName(QStringLiteral("Logo d'Irisonde"));

    const auto button = [this](const char *name, const QString &caption, int left) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(left, 224, 62, 22);
        b->setAutoDefault(false);
        return b;
    };
    AideBout = button("AideBout", QStringLiteral("&Aide"), 101);
    AnnulBout = button("AnnulBout", QStringLiteral("A&nnuler"), 167);
    AppliqueBout = button("AppliqueBout", QStringLiteral("A&ppliquer"), 232);
    OkBout = button("OkBout", QStringLiteral("&Ok"), 300);
    // The captions alone do not tell what Cancel takes back or what Apply keeps.
    AideBout->setAccessibleDescription(QStringLiteral("Ouvre l'aide des options"));
    AnnulBout->setAccessibleDescription(QStringLiteral("Reprend les réglages d'avant l'ouverture et ferme la boîte"));
    AppliqueBout->setAccessibleDescription(QStringLiteral("Applique les réglages sans fermer la boîte"));
    OkBout->setAccessibleDescription(QStringLiteral("Applique les réglages et ferme la boîte"));
    connect(AideBout, &QPushButton::clicked, this, &TOptionF::AideBoutClick);
    connect(AnnulBout, &QPushButton::clicked, this, &TOptionF::AnnulBoutClick);
    connect(AppliqueBout, &QPushButton::clicked, this, &TOptionF::AppliqueBoutClick);
    connect(OkBout, &QPushButton::clicked, this, &TOptionF::OkBoutClick);
}

void TOptionF::showEvent(QShowEvent *event)
{
    if (!event->spontaneous()) {
        Irisonde::CentreOnScreen(*this);
        LoadOptions();
    }
    QDialog::showEvent(event);
}

void TOptionF::LoadOptions()
{
    SavedTipFlag = m_settings.TipFlag;
    Irisonde::SetCheckSilently(*TipCheck, m_settings.TipFlag);
    SavedBullesFlag = m_settings.BullesFlag;
    Irisonde::SetCheckSilently(*BullesCheck, m_settings.BullesFlag);
    SavedSplashFlag = m_settings.SplashFlag;
    Irisonde::SetCheckSilently(*SplashCheck, m_settings.SplashFlag);
}

void TOptionF::ApplyOptions()
{
    m_settings.TipFlag = TipCheck->isChecked();
    m_settings.BullesFlag = BullesCheck->isChecked();
    m_settings.SplashFlag = SplashCheck->isChecked();
}

void TOptionF::RestoreOptions()
{
    m_settings.TipFlag = SavedTipFlag;
    m_settings.BullesFlag = SavedBullesFlag;
    m_settings.SplashFlag = SavedSplashFlag;
}

void TOptionF::OkBoutClick()
{
    ApplyOptions();
    accept();
}

void TOptionF::AppliqueBoutClick()
{
    ApplyOptions();
}

void TOptionF::AnnulBoutClick()
{
    RestoreOptions();
    reject();
}

void TOptionF::AideBoutClick()
{
    App::ShowHelp(QStringLiteral("Options"));
}

} // namespace Irisonde
