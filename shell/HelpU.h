// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The help window: shows the French HTML help document beside the program,
// opened at a topic anchor. The program object keeps one for every request.
#include <QWidget>

class QTextBrowser;

namespace Irisonde {

class THelpF : public QWidget {
    Q_OBJECT
public:
    explicit THelpF(QWidget *parent = nullptr);

    // Loads `file` (again, when it changed) and jumps to the anchor `topic`.
    // A missing document is said in the window itself; an unknown topic
    // leaves the document at its top.
    void ShowTopic(const QString &file, const QString &topic);

    [[nodiscard]] QString CurrentTopic() const { return m_topic; }
    [[nodiscard]] QTextBrowser *Browser() const { return m_browser; }

private:
    QTextBrowser *m_browser;
    QString m_loadedFile;
    QString m_topic;
};

} // namespace Irisonde
