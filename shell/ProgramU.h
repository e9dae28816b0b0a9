// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the whole program shares while it runs: what it knows of itself, the
// teacher's settings and the one help window. Made by app/ before any window
// and handed to the windows that read or change it; a test makes its own,
// and nothing is read from the disk until Load() is asked for.
#include "shell/AppStateU.h"
#include "shell/SettingsU.h"

#include <QString>
#include <QStringList>
#include <memory>

namespace Irisonde {

class THelpF;

// The program folder from the executable's path: cut after the last separator
// (or drive colon), one trailing separator removed.
[[nodiscard]] QString ProgramFolderOf(const QString &executablePath);

// Where the document `fileName` (help, readme) is: beside the program, as in
// the build tree, else in ../share/irisonde or ../share/doc/irisonde, as when
// installed. When none holds it, the path beside the program, so that a
// missing document is met as it always was.
[[nodiscard]] QString DocumentPathOf(const QString &programFolder, const QString &fileName);
// Empty for a program run from its own folder, its documents beside it (it
// then looks for pictures there, as always); installed (its documents in
// ../share/irisonde, its folder a system one), the user's pictures folder,
// or the home folder without one.
[[nodiscard]] QString PictureFolderOf(const QString &programFolder);

class TProgram {
public:
    // The titles restored, every setting at its default, no folder known.
    TProgram();
    ~TProgram();
    TProgram(const TProgram &) = delete;
    TProgram &operator=(const TProgram &) = delete;

    // Where the program runs from, its documents and pictures, and the stored
    // settings with the placements of `sections`.
    void Load(const QString &executablePath, const QStringList &sections);

    [[nodiscard]] TAppState &State() { return m_state; }
    [[nodiscard]] const TAppState &State() const { return m_state; }
    [[nodiscard]] TSettings &Settings() { return m_settings; }
    [[nodiscard]] const TSettings &Settings() const { return m_settings; }

    // Opens the help document at `topic` ("Sommaire", "ADDITIVE"...) in the
    // help window, made at the first request and reused for every other.
    void ShowHelp(const QString &topic);
    // Null until help was first asked for.
    [[nodiscard]] THelpF *HelpWindow() const { return m_help.get(); }

private:
    TAppState m_state;
    TSettings m_settings;
    std::unique_ptr<THelpF> m_help;
};

} // namespace Irisonde
