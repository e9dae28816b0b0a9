// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/ProgramU.h"

#include "shell/HelpU.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace Irisonde {

QString ProgramFolderOf(const QString &executablePath)
{
    QString native = QDir::toNativeSeparators(executablePath);
    const qsizetype cut = qMax(native.lastIndexOf(QDir::separator()), native.lastIndexOf(QLatin1Char(':')));
    QString folder = native.left(cut + 1);
    if (folder.endsWith(QDir::separator()) && folder.size() > 1)
        folder.chop(1);
    return folder;
}

QString DocumentPathOf(const QString &programFolder, const QString &fileName)
{
    const QDir folder(programFolder);
    const QString beside = QDir::toNativeSeparators(folder.filePath(fileName));
    if (QFileInfo(beside).isFile())
        return beside;
    // Installed, the program is in <prefix>/bin, its help in
    // <prefix>/share/irisonde and its readme with the package's other
    // documents in <prefix>/share/doc/irisonde.
    for (const QString &installedFolder : {QStringLiteral("../share/irisonde/"), QStringLiteral("../share/doc/irisonde/")}) {
        const QString installed = QDir::toNativeSeparators(QDir::cleanPath(folder.filePath(installedFolder + fileName)));
        if (QFileInfo(installed).isFile())
            return installed;
    }
    return beside;
}

QString PictureFolderOf(const QString &programFolder)
{
    const QDir folder(programFolder);
    if (QFileInfo(folder.filePath(QStringLiteral("Irisonde.html"))).isFile()
        || !QFileInfo(folder.filePath(QStringLiteral("../share/irisonde"))).isDir())
        return {};
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return QDir::toNativeSeparators(!pictures.isEmpty() && QFileInfo(pictures).isDir() ? pictures : QDir::homePath());
}

TProgram::TProgram()
{
    RestoreTitles(m_state);
}

// The help window goes with the program, before the application object.
TProgram::~TProgram() = default;

void TProgram::Load(const QString &executablePath, const QStringList &sections)
{
    m_state.ProgramFolder = ProgramFolderOf(executablePath);
    m_state.HelpFile = DocumentPathOf(m_state.ProgramFolder, QStringLiteral("Irisonde.html"));
    m_state.PictureFolder = PictureFolderOf(m_state.ProgramFolder);
    m_settings = LoadSettings(m_state.ProgramFolder, sections);
}

void TProgram::ShowHelp(const QString &topic)
{
    if (!m_help)
        m_help = std::make_unique<THelpF>();
    m_help->ShowTopic(m_state.HelpFile, topic);
}

} // namespace Irisonde
