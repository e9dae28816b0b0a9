// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/HelpU.h"
#include "shell/AccessibleU.h"

#include <QApplication>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <memory>

namespace Irisonde {

THelpF &THelpF::Instance()
{
    static std::unique_ptr<THelpF> window;
    if (!window) {
        window.reset(new THelpF);
        // Widgets must go before the application object does.
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, [] { window.reset(); });
    }
    return *window;
}

THelpF::THelpF(QWidget *parent) : QWidget(parent, Qt::Window), browser(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("HelpF"));
    setWindowTitle(QStringLiteral(" Aide d'Irisonde"));
    InstallAccessible<THelpF, TWindowAccess>();
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser);
    browser->setOpenExternalLinks(true);
    browser->setAccessibleName(QStringLiteral("Document d'aide"));
    // The viewport is reached on its own by some screen readers' walks.
    browser->viewport()->setAccessibleName(QStringLiteral("Texte de l'aide"));
    resize(640, 520);
}

void THelpF::ShowTopic(const QString &file, const QString &newTopic)
{
    topic = newTopic;
    if (!QFileInfo(file).isFile()) {
        loadedFile.clear();
        browser->setHtml(QStringLiteral("<h2>Aide indisponible</h2><p>Le fichier d'aide « %1 » est introuvable.</p>")
                             .arg(file.toHtmlEscaped()));
    } else {
        if (file != loadedFile) {
            browser->setSource(QUrl::fromLocalFile(file));
            loadedFile = file;
        }
        browser->scrollToAnchor(topic);
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
