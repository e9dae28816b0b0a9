// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Each generator file registers the resources it makes; main() writes them all
// (or those named on the command line) into the output folder.
#include <QByteArray>
#include <QString>
#include <functional>
#include <vector>

namespace resgen {

struct Generator {
    QString fileName;                    // name under resources/, e.g. "Logo.bmp"
    std::function<QByteArray()> make;    // the file's bytes
};

std::vector<Generator> &registry();

struct Register {
    Register(const QString &fileName, std::function<QByteArray()> make)
    {
        registry().push_back({fileName, std::move(make)});
    }
};

} // namespace resgen
