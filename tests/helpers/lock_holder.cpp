// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

// Takes the single-instance lock as a running copy would, says so, and waits
// to be killed: the test then checks that a dead owner's lock is taken over.
#include "app/StartupU.h"

#include <QCoreApplication>
#include <QLockFile>
#include <QThread>
#include <cstdio>

using namespace Irisonde;

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const auto lock = CheckSingleInstance();
    std::printf("%s\n", lock ? "locked" : "refused");
    std::fflush(stdout);
    if (!lock)
        return 1;
    QThread::sleep(60);
    return 0;
}
