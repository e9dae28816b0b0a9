// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/HelpU.h"
#include "shell/AccessibleU.h"

#include <QApplication>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace Irisonde {

THelpF::THelpF(QWidget *parent) : QWidget(parent, Qt::Window), m_browser(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("HelpF"));
    setWindowTitle(QStringLiteral(" Aide d'Irisonde"));
    InstallAccessible<THelpF, TWindowAccess>();
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    m_browser->setOpenExternalLinks(true);
    m_browser->setAccessibleName(QStringLiteral("Document d'aide"));
    // The viewport is reached on its own by some screen readers' walks.
    m_browser->viewport()->setAccessibleName(QStringLiteral("Texte de l'aide"));
    resize(640, 520);
}

void THelpF::ShowTopic(const QString &file, const QString &newTopic)
{
    m_topic = newTopic;
    if (!QFileInfo(file).isFile()) {
        m_loadedFile.clear();
        m_browser->setHtml(QStringLiteral("<h2>Aide indisponible</h2><p>Le fichier d'aide « %1 » est introuvable.</p>")
                             .arg(file.toHtmlEscaped()));
    } else {
        if (file != m_loadedFile) {
            m_browser->setSource(QUrl::fromLocalFile(file));
            m_loadedFile = file;
        }
        m_browser->scrollToAnchor(m_topic);
    }
    // Asked for from a modal dialog, the window would be blocked by it
    // unless it is modal itself.
    const bool overModal = QApplication::activeModalWidget() && QApplication::activeModalWidget() != this;
    const Qt::WindowModality wanted = overModal ? Qt::ApplicationModal : Qt::NonModal;
    if (windowModality() != wanted) {
        hide();
        setWindowModality(wanted);
    }
    show();
    raise();
    activateWindow();
}

} // namespace Irisonde
