// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A status line (the main window's display mode, the catalogue's status): a
// label that a screen reader knows as a status bar, so that a change of its
// text is announced as a status bar's is.
#include <QLabel>

namespace Irisonde {

class TStatusLine : public QLabel {
    Q_OBJECT
public:
    explicit TStatusLine(QWidget *parent = nullptr);
};

} // namespace Irisonde
