// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The catalogue window's fixed controls (the left column and the status
// line), made and placed once; the window connects them. Tests and the
// scripts find them by their object names ("wThumbCombo", "SearchBout",
// "Pagelab", "Status"...).
#include <QString>

class QCheckBox;
class QComboBox;
class QDialog;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QWidget;

namespace Irisonde {

// A plain holder of the controls, kept private by the window that owns it.
struct TBrowseControls {
    // Gives `window` its font and makes the controls as its children.
    explicit TBrowseControls(QDialog &window);

    // A warning over `parent` that does not wait for its answer: the
    // window's event loop goes on (no loop of its own), the box deletes
    // itself when closed.
    static QWidget *Warn(const QString &text, QWidget *parent);

    QComboBox *ThumbCombo;
    QCheckBox *RecurseCheck;
    QCheckBox *MetaCheck;
    QCheckBox *BmpCheck;
    QFrame *Bevel1, *Bevel2, *Bevel3;
    QPushButton *SearchBout;
    QPushButton *ParcoursBout;
    QLabel *PathLab;
    QLineEdit *PathEd;
    QPushButton *PredBout;
    QPushButton *SuccBout;
    QLabel *PageLab;
    QPushButton *OpenBout;
    QMenu *OpenMenu; // one item per workshop
    QPushButton *CloseBout;
    QPushButton *AideBout;
    QFrame *Panel1;
    QLabel *Status;
};

} // namespace Irisonde
