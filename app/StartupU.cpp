// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/StartupU.h"

#include "app/WorkshopTableU.h"
#include "catalogue/BrowseU.h"
#include "catalogue/ParcourU.h"
#include "shell/AppStateU.h"
#include "shell/HintStyleU.h"
#include "shell/MainU.h"
#include "shell/OptionU.h"
#include "shell/ProgramU.h"
#include "shell/SettingsU.h"
#include "shell/SplashU.h"
#include "shell/WorkshopU.h"
#include "tips/Tipu.h"
#include "workshops/PictureWorkshopU.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QLockFile>
#include <QMessageBox>
#include <QPushButton>
#include <QLibraryInfo>
#include <QStandardPaths>
#include <QTranslator>
#include <vector>

namespace Irisonde {

QString InstanceLockPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return QDir(folder).filePath(QStringLiteral("irisonde.lock"));
}

std::unique_ptr<QLockFile> CheckSingleInstance()
{
    auto lock = std::make_unique<QLockFile>(InstanceLockPath());
    // Only a dead owner makes a lock stale; a long run keeps its lock.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return nullptr;
    return lock;
}

void ShowAlreadyRunning()
{
    QApplication::beep();
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Avertissement"),
                    QStringLiteral("Attention, Irisonde est déjà en cours d'exécution."));
    box.setObjectName(QStringLiteral("AlreadyRunningBox"));
    box.addButton(QStringLiteral("&Oui"), QMessageBox::AcceptRole);
    box.exec();
}

void InstallFrenchTranslation(QApplication &app)
{
    // The standard dialogs and buttons speak French like the rest of the
    // program, whatever the desktop's language.
    auto *qt = new QTranslator(&app);
    if (qt->load(QLocale(QLocale::French, QLocale::France), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
}

QList<TWorkshopChoice> PictureWorkshopChoices(TMainF &main)
{
    QList<TWorkshopChoice> choices;
    for (const TWorkshopRow &row : WorkshopTable()) {
        if (!dynamic_cast<TPictureWorkshopF *>(main.Workshop(row)))
            continue;
        const TWorkshopRow *kept = &row; // the table lives as long as the program
        choices.append({QString::fromUtf8(row.MenuCaption).remove(QLatin1Char('&')), [&main, kept](const QString &path) {
                            auto *w = dynamic_cast<TPictureWorkshopF *>(main.Workshop(*kept));
                            if (!w)
                                return;
                            // As the main window's menu opens it: the main window hides meanwhile.
                            w->show();
                            w->raise();
                            w->activateWindow();
                            main.hide();
                            w->OpenPictureFile(path);
                        }});
    }
    return choices;
}

int RunIrisonde(QApplication &app)
{
    QApplication::setApplicationDisplayName(QString());
    app.setApplicationName(QStringLiteral("Irisonde"));
    // The menu entry and the icon theme know the program by this id; the
    // window icon is for desktops that do not look the entry up.
    QGuiApplication::setDesktopFileName(QStringLiteral("fr.veltrane.irisonde"));
    QIcon icon;
    for (const char *size : {"48", "128", "256"})
        icon.addFile(QStringLiteral(":/res/Icone%1.png").arg(QLatin1String(size)));
    QApplication::setWindowIcon(icon);
    app.setStyle(new THintStyle);
    InstallFrenchTranslation(app);

    const std::unique_ptr<QLockFile> lock = CheckSingleInstance();
    if (!lock) {
        ShowAlreadyRunning();
        return 0;
    }

    // What every window shares, then every window, made once, the main
    // window first; all live to the end.
    TProgram program;
    program.Load(QCoreApplication::applicationFilePath(), PlacementSections());
    TMainF main(program, Irisonde::WorkshopTable());
    auto *splash = new TSplashF(program.State().DisplayTitle, &main);
    auto *options = new TOptionF(program, &main);

    // Workshops are windows of their own, not the main window's children:
    // while one is open the main window is hidden, and a child window would
    // then have no entry of its own in the task bar to come back from.
    using Irisonde::EWorkshop;
    std::vector<std::unique_ptr<TWorkshopF>> workshops;
    const auto make = [&program, &main, &workshops](const Irisonde::TWorkshopRow &row) {
        if (!row.Make || main.Workshop(row))
            return;
        workshops.push_back(row.Make(program, row));
        main.SetWorkshop(row, workshops.back().get());
    };
    // The printing and RGB workshops before the splash shows, the others
    // while it is on screen, then any row not made yet.
    for (const EWorkshop kind : {EWorkshop::Quadri, EWorkshop::RGB})
        make(Irisonde::WorkshopRow(kind));

    if (program.Settings().SplashFlag)
        splash->ShowAtStartup();

    for (const EWorkshop kind : {EWorkshop::Add, EWorkshop::Eclaire, EWorkshop::Loup, EWorkshop::Sub})
        make(Irisonde::WorkshopRow(kind));
    for (const Irisonde::TWorkshopRow &row : Irisonde::WorkshopTable())
        make(row);
    auto *tip = new TTipF(program.Settings(), &main);
    // The catalogue, then the chooser it opens over itself.
    auto *browser = new Irisonde::TBrowserF(program, &main);
    auto *chooser = new Irisonde::TParcourF(program, browser);
    browser->SetChooser(chooser);
    browser->SetWorkshops(PictureWorkshopChoices(main));

    main.SetSplash(splash, [splash] { splash->ShowAbout(); });
    main.SetOptionsDialog(options);
    main.SetTipWindow(tip);
    main.SetBrowserWindow(browser);
    main.show();
    return app.exec();
}

} // namespace Irisonde
