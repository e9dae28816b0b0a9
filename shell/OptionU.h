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

class TProgram;
struct TSettings;

class TOptionF : public QDialog {
    Q_OBJECT
public:
    // The dialog shows and changes the flags of the program's settings.
    explicit TOptionF(TProgram &program, QWidget *parent = nullptr);

    void LoadOptions();
    void ApplyOptions();
    void RestoreOptions();

protected:
    void showEvent(QShowEvent *event) override;

private slots:
    void OkBoutClick();
    void AppliqueBoutClick();
    void AnnulBoutClick();
    void AideBoutClick();

private:
    QTabWidget *m_classeur;
    QWidget *m_pTab;
    QCheckBox *m_splashCheck;
    QCheckBox *m_tipCheck;
    QCheckBox *m_bullesCheck;
    TPaintBox *m_pb;
    QPushButton *m_aideBout;
    QPushButton *m_annulBout;
    QPushButton *m_appliqueBout;
    QPushButton *m_okBout;

    TProgram &m_program;
    Irisonde::TSettings &m_settings;
    bool m_savedTipFlag = true;
    bool m_savedBullesFlag = true;
    bool m_savedSplashFlag = true;
};

} // namespace Irisonde
