// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ResGen.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>

std::vector<resgen::Generator> &resgen::registry()
{
    static std::vector<Generator> all;
    return all;
}

int main(int argc, char **argv)
{
    // Text in the bitmaps needs a font database, hence a GUI application.
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        std::fprintf(stderr, "usage: irisonde-resgen OUTDIR [FILE...]\n");
        return 2;
    }
    const QDir out(args.first());
    const QStringList only = args.mid(1);
    int written = 0;
    for (const auto &g : resgen::registry()) {
        if (!only.isEmpty() && !only.contains(g.fileName))
            continue;
        QFile f(out.filePath(g.fileName));
        const QByteArray bytes = g.make();
        if (bytes.isEmpty() || !f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) {
            std::fprintf(stderr, "irisonde-resgen: cannot make %s\n", qPrintable(g.fileName));
            return 1;
        }
        std::printf("%s (%lld bytes)\n", qPrintable(g.fileName), static_cast<long long>(bytes.size()));
        ++written;
    }
    return written > 0 ? 0 : 1;
}
