// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The preferences: splash screen and tip of the day at start, bubble hints in
// the workshops. OK applies, "A&ppliquer" applies and stays, "A&nnuler" takes
// back everything applied since the dialog was shown, the close box leaves
// things as they are.
#include <QDialog>

class QCheckBox;
class QPushButton;
class QTabWidget;
class QWidget;

namespace Irisonde {

class TPaintBox;

struct TSettings;

class TOptionF : public QDialog {
    Q_OBJECT
public:
    // The dialog shows and changes the flags of `settings`, which outlive it.
    explicit TOptionF(Irisonde::TSettings &settings, QWidget *parent = nullptr);

    void LoadOptions();
    void ApplyOptions();
    void RestoreOptions();

public slots:
    void OkBoutClick();
    void AppliqueBoutClick();
    void AnnulBoutClick();
    void AideBoutClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QTabWidget *Classeur;
    QWidget *PTab;
    QCheckBox *SplashCheck;
    QCheckBox *TipCheck;
    QCheckBox *BullesCheck;
    TPaintBox *PB;
    QPushButton *AideBout;
    QPushButton *AnnulBout;
    QPushButton *AppliqueBout;
    QPushButton *OkBout;

    Irisonde::TSettings &m_settings;
    bool SavedTipFlag = true;
    bool SavedBullesFlag = true;
    bool SavedSplashFlag = true;
};

} // namespace Irisonde
