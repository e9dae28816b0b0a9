// Run by the settings tests as a separate process: "save" writes a known set
// of settings (the main window maximised), "load" prints what a fresh process
// reads back, one "name=value" a line.
#include "shell/SettingsU.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.value(1) == QLatin1String("save")) {
        Settings::MainF = {10, 20, 600, 500, true};
        Settings::AddF = {-5, 7, 640, 480, false};
        Settings::TipIndex = 12;
        Settings::TipFlag = false;
        Settings::BullesFlag = true;
        Settings::SplashFlag = false;
        Settings::wThumb = 120;
        Settings::brwRecurseFlag = false;
        Settings::brwPath = QStringLiteral("/tmp/images élève");
        const QString failure = SaveSettings();
        std::printf("%s\n", qPrintable(failure.isEmpty() ? QStringLiteral("saved") : failure));
        return failure.isEmpty() ? 0 : 1;
    }
    LoadSettings(QStringLiteral("/program"));
    const auto place = [](const char *name, const TPlacement &p) {
        std::printf("%s=%d,%d,%d,%d,%d\n", name, p.X, p.Y, p.W, p.H, p.Maxis ? 1 : 0);
    };
    place("MainF", Settings::MainF);
    place("AddF", Settings::AddF);
    place("RGBF", Settings::RGBF);
    std::printf("TipIndex=%d\nTipFlag=%d\nBullesFlag=%d\nSplashFlag=%d\n", Settings::TipIndex,
                Settings::TipFlag, Settings::BullesFlag, Settings::SplashFlag);
    std::printf("wThumb=%d\nbrwRecurseFlag=%d\nbrwPath=%s\n", Settings::wThumb, Settings::brwRecurseFlag,
                Settings::brwPath.toUtf8().constData());
    return 0;
}
