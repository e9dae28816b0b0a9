// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

// Run by the settings tests as a separate process: "save" writes a known set
// of settings (the main window maximised), "load" prints what a fresh process
// reads back, one "name=value" a line.
#include "app/WorkshopTableU.h"
#include "shell/SettingsU.h"

#include <QCoreApplication>
#include <cstdio>

using namespace Irisonde;

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.value(1) == QLatin1String("save")) {
        TSettings s;
        s.Placement(QStringLiteral("MainF")) = {10, 20, 600, 500, true};
        s.Placement(QStringLiteral("AddF")) = {-5, 7, 640, 480, false};
        s.TipIndex = 12;
        s.TipFlag = false;
        s.BullesFlag = true;
        s.SplashFlag = false;
        s.wThumb = 120;
        s.brwRecurseFlag = false;
        s.brwPath = QStringLiteral("/tmp/images élève");
        const QString failure = SaveSettings(s);
        std::printf("%s\n", qPrintable(failure.isEmpty() ? QStringLiteral("saved") : failure));
        return failure.isEmpty() ? 0 : 1;
    }
    const TSettings s = LoadSettings(QStringLiteral("/program"), PlacementSections());
    const auto place = [](const char *name, const TPlacement &p) {
        std::printf("%s=%d,%d,%d,%d,%d\n", name, p.X, p.Y, p.W, p.H, p.Maxis ? 1 : 0);
    };
    place("MainF", s.Placement(QStringLiteral("MainF")));
    place("AddF", s.Placement(QStringLiteral("AddF")));
    place("RGBF", s.Placement(QStringLiteral("RGBF")));
    std::printf("TipIndex=%d\nTipFlag=%d\nBullesFlag=%d\nSplashFlag=%d\n", s.TipIndex,
                s.TipFlag, s.BullesFlag, s.SplashFlag);
    std::printf("wThumb=%d\nbrwRecurseFlag=%d\nbrwPath=%s\n", s.wThumb, s.brwRecurseFlag,
                s.brwPath.toUtf8().constData());
    return 0;
}
