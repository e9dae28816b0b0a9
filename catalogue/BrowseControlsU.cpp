// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "catalogue/BrowseControlsU.h"

#include "catalogue/EnterPressU.h"
#include "catalogue/state/BrowseState.h"
#include "shell/BevelU.h"
#include "shell/AccessibleU.h"
#include "shell/MainClientU.h"
#include "shell/StatusLineU.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>

namespace Irisonde {

namespace {

QFrame *Bevel(QWidget *parent, const char *name, int top)
{
    return MakeBevel(parent, name, QRect(9, top, 190, 2), QFrame::HLine);
}

QCheckBox *Check(QWidget *parent, const char *name, const QString &caption, QRect place)
{
    auto *c = new QCheckBox(caption, parent);
    c->setObjectName(QString::fromLatin1(name));
    c->setAccessibleName(caption.trimmed());
    // The place of the layout, widened when this style's box and text need more.
    c->setGeometry(place.adjusted(0, 0, std::max(0, c->sizeHint().width() - place.width()), 0));
    return c;
}

QPushButton *Button(QWidget *parent, const char *name, const QString &caption, int left, int top)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(left, top, 94, 25);
    b->setAutoDefault(false);
    TEnterPress::Install(b);
    return b;
}

} // namespace

TBrowseControls::TBrowseControls(QDialog &window)
{
    QWidget *w = &window;
    // The window's font first: the check boxes are measured in it.
    window.setFont(ArialPx(11));
    ThumbCombo = new QComboBox(w);
    ThumbCombo->setObjectName(QStringLiteral("wThumbCombo"));
    ThumbCombo->setGeometry(10, 8, 181, 22);
    LabelForScreenReaders(*ThumbCombo, QStringLiteral("Taille des vignettes"));
    ThumbCombo->view()->setAccessibleName(QStringLiteral("Tailles des vignettes"));
    for (int item = 0; item < TBrowseState::ThumbItems; ++item)
        ThumbCombo->addItem(TBrowseState::ThumbItemCaption(item));

    RecurseCheck = Check(w, "RecurseCheck", QStringLiteral(" Sous-dossiers inclus"), {10, 36, 129, 17});
    MetaCheck = Check(w, "MetaCheck", QStringLiteral(" Métafichiers"), {10, 56, 81, 17});
    BmpCheck = Check(w, "BmpCheck", QStringLiteral(" BitMaps"), {110, 56, 61, 17});
    // The two boxes cover every format the workshops open.
    MetaCheck->setToolTip(QStringLiteral(" Chercher les métafichiers (*.wmf) et les dessins SVG (*.svg, *.svgz)"));
    BmpCheck->setToolTip(QStringLiteral(" Chercher les images Bitmap et les autres images : photos JPEG, PNG, GIF, TIFF, WebP..."));

    Bevel1 = Bevel(w, "Bevel1", 84);
    SearchBout = Button(w, "SearchBout", QStringLiteral("&Rechercher"), 9, 100);
    ParcoursBout = Button(w, "ParcoursBout", QStringLiteral("&Parcourir"), 106, 100);
    PathLab = new QLabel(QStringLiteral("Dans le dossier :"), w);
    PathLab->setObjectName(QStringLiteral("PathLab"));
    PathLab->setGeometry(10, 128, 189, 14);
    PathEd = new QLineEdit(w);
    PathEd->setObjectName(QStringLiteral("PathEd"));
    PathEd->setGeometry(9, 144, 190, 22);
    PathEd->setReadOnly(true);
    PathEd->setAccessibleName(QStringLiteral("Dossier de recherche"));
    QPalette face = PathEd->palette();
    face.setColor(QPalette::Base, QApplication::palette().color(QPalette::Button));
    PathEd->setPalette(face);
    Bevel2 = Bevel(w, "Bevel2", 180);
    // Alt+C: Alt+P belongs to "&Parcourir".
    PredBout = Button(w, "PredBout", QStringLiteral("Page pré&cédente"), 9, 196);
    SuccBout = Button(w, "SuccBout", QStringLiteral("Page &suivante"), 106, 196);
    PageLab = new QLabel(w);
    PageLab->setObjectName(QStringLiteral("Pagelab"));
    PageLab->move(10, 224);
    Bevel3 = Bevel(w, "Bevel3", 252);
    OpenBout = Button(w, "OpenBout", QStringLiteral("&Ouvrir"), 9, 268);
    OpenBout->setEnabled(false);
    OpenBout->setAccessibleDescription(QStringLiteral("Ouvre l'image choisie dans un atelier"));
    OpenMenu = new QMenu(w);
    OpenMenu->setObjectName(QStringLiteral("OpenMenu"));
    OpenMenu->setTitle(QStringLiteral("Ouvrir dans l'atelier"));
    CloseBout = Button(w, "CloseBout", QStringLiteral("&Quitter"), 106, 268);
    AideBout = Button(w, "AideBout", QStringLiteral("&Aide"), 9, 296);

    Panel1 = new QFrame(w);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Status = new TStatusLine(Panel1);
    Status->setObjectName(QStringLiteral("Status"));
}

QWidget *TBrowseControls::Warn(const QString &text, QWidget *parent)
{
    // As the program's other warnings look (App::ShowWarning), without exec().
    QApplication::beep();
    auto *box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Avertissement"), text, QMessageBox::Ok, parent);
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
    return box;
}

} // namespace Irisonde
