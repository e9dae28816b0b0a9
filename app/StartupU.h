// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Program start: one instance only, every window made once, then the event loop.
#include "catalogue/BrowseU.h"

#include <QString>
#include <memory>

class QApplication;
class QLockFile;

namespace Irisonde {

class TMainF;

// The lock that keeps a second copy from starting; null when another running
// copy holds it. A lock left by a copy that was killed is taken over.
[[nodiscard]] std::unique_ptr<QLockFile> CheckSingleInstance();
[[nodiscard]] QString InstanceLockPath();

// Beep and the "already running" warning, with its single "&Oui" button.
void ShowAlreadyRunning();

// Qt's own texts (standard buttons, file dialog) in French.
void InstallFrenchTranslation(QApplication &app);

// The workshops of `main` that open pictures, in menu order, for the
// catalogue: named by their menu captions, each opening as the main window
// opens it, then reading the file.
[[nodiscard]] QList<TWorkshopChoice> PictureWorkshopChoices(TMainF &main);

// Everything main() does once the application object exists.
[[nodiscard]] int RunIrisonde(QApplication &app);

} // namespace Irisonde
