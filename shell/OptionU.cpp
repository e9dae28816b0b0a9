// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/OptionU.h"
#include "shell/ProgramU.h"

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
TOptionF::TOptionF(TProgram &program, QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      m_program(program), m_settings(program.Settings())
{
    setObjectName(QStringLiteral("OptionF"));
    setWindowTitle(QStringLiteral(" Options du logiciel"));
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(11);
    setFont(f);
    setFixedSize(365, 252);
    setModal(true);
    Irisonde::RefuseMinimise(*this);

    m_classeur = new QTabWidget(this);
    m_classeur->setObjectName(QStringLiteral("Classeur"));
    m_classeur->setGeometry(3, 1, 360, 216);
    m_classeur->setAccessibleName(QStringLiteral("Onglets des options"));
    m_pTab = new QWidget;
    m_pTab->setObjectName(QStringLiteral("PTab"));
    m_classeur->addTab(m_pTab, QStringLiteral(" Préférences "));
    // The page in the button-face colour that the logo's background was given.
    QPalette page = m_pTab->palette();
    page.setColor(QPalette::Window, page.color(QPalette::Button));
    m_pTab->setPalette(page);
    m_pTab->setAutoFillBackground(true);

    const auto check = [this](const char *name, const QString &caption, QRect place) {
        auto *c = new QCheckBox(caption, m_pTab);
        c->setObjectName(QString::fromLatin1(name));
        c->setGeometry(place);
        // The caption's leading blank only kept the text off the box.
        c->setAccessibleName(caption.trimmed());
        return c;
    };
    m_splashCheck = check("SplashCheck", QStringLiteral(" Afficher l'écran de démarrage"), QRect(16, 12, 230, 17));
    m_tipCheck = check("TipCheck", QStringLiteral(" Afficher les astuces du jour au démarrage"), QRect(16, 38, 230, 17));
    m_bullesCheck = check("BullesCheck", QStringLiteral(" Afficher les bulles d'aide "), QRect(16, 64, 161, 17));

    m_pb = new TPaintBox(m_pTab, QRect(212, 132, 123, 44), [](QPainter &p) { p.drawImage(0, 0, App::Logo()); });
    m_pb->setObjectName(QStringLiteral("PB"));
    m_pb->setAccessibleName(QStringLiteral("Logo d'Irisonde"));

    const auto button = [this](const char *name, const QString &caption, int left) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(left, 224, 62, 22);
        b->setAutoDefault(false);
        return b;
    };
    m_aideBout = button("AideBout", QStringLiteral("&Aide"), 101);
    m_annulBout = button("AnnulBout", QStringLiteral("A&nnuler"), 167);
    m_appliqueBout = button("AppliqueBout", QStringLiteral("A&ppliquer"), 232);
    m_okBout = button("OkBout", QStringLiteral("&Ok"), 300);
    // The captions alone do not tell what Cancel takes back or what Apply keeps.
    m_aideBout->setAccessibleDescription(QStringLiteral("Ouvre l'aide des options"));
    m_annulBout->setAccessibleDescription(QStringLiteral("Reprend les réglages d'avant l'ouverture et ferme la boîte"));
    m_appliqueBout->setAccessibleDescription(QStringLiteral("Applique les réglages sans fermer la boîte"));
    m_okBout->setAccessibleDescription(QStringLiteral("Applique les réglages et ferme la boîte"));
    connect(m_aideBout, &QPushButton::clicked, this, &TOptionF::AideBoutClick);
    connect(m_annulBout, &QPushButton::clicked, this, &TOptionF::AnnulBoutClick);
    connect(m_appliqueBout, &QPushButton::clicked, this, &TOptionF::AppliqueBoutClick);
    connect(m_okBout, &QPushButton::clicked, this, &TOptionF::OkBoutClick);
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
    m_savedTipFlag = m_settings.TipFlag;
    Irisonde::SetCheckSilently(*m_tipCheck, m_settings.TipFlag);
    m_savedBullesFlag = m_settings.BullesFlag;
    Irisonde::SetCheckSilently(*m_bullesCheck, m_settings.BullesFlag);
    m_savedSplashFlag = m_settings.SplashFlag;
    Irisonde::SetCheckSilently(*m_splashCheck, m_settings.SplashFlag);
}

void TOptionF::ApplyOptions()
{
    m_settings.TipFlag = m_tipCheck->isChecked();
    m_settings.BullesFlag = m_bullesCheck->isChecked();
    m_settings.SplashFlag = m_splashCheck->isChecked();
}

void TOptionF::RestoreOptions()
{
    m_settings.TipFlag = m_savedTipFlag;
    m_settings.BullesFlag = m_savedBullesFlag;
    m_settings.SplashFlag = m_savedSplashFlag;
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
    m_program.ShowHelp(QStringLiteral("Options"));
}

} // namespace Irisonde
