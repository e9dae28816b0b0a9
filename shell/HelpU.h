// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The help window: shows the French HTML help document beside the program,
// opened at a topic anchor. One window serves every help request.
#include <QWidget>

class QTextBrowser;

namespace Irisonde {

class THelpF : public QWidget {
    Q_OBJECT
public:
    // The one help window; created at the first request, destroyed when the
    // application quits.
    static THelpF &Instance();

    // Loads `file` (again, when it changed) and jumps to the anchor `topic`.
    // A missing document is said in the window itself; an unknown topic
    // leaves the document at its top.
    void ShowTopic(const QString &file, const QString &topic);

    [[nodiscard]] QString CurrentTopic() const { return topic; }
    [[nodiscard]] QTextBrowser *Browser() const { return browser; }

private:
    explicit THelpF(QWidget *parent = nullptr);
    QTextBrowser *browser;
    QString loadedFile;
    QString topic;
};

} // namespace Irisonde
