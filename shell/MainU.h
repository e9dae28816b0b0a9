// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The home window: the list of activities as link labels and menus, the
// display-mode status line, and the door to every other window.
#include <QMainWindow>
#include <QString>
#include <array>
#include <functional>
#include <span>
#include <vector>

#include "shell/SettingsU.h"
#include "shell/WorkshopRowU.h"

class QAction;
class QDialog;
class QFrame;
class QLabel;
class QMenu;
class QTimer;

namespace Irisonde {

class TMainClient;
class TProgram;
class TWorkshopF;

// The display-mode text and low-colour flag for a screen of `width` x `height`
// pixels at `bitsPerPixel`.
struct TDisplayMode {
    QString text;
    bool lowColour;
};
[[nodiscard]] TDisplayMode DisplayModeFor(int width, int height, int bitsPerPixel);

class TMainF : public QMainWindow {
    Q_OBJECT
public:
    // `workshops` lists the workshops in menu order (app/'s table); the
    // window lists each of them and keeps its placement in the program's
    // settings, which it writes when it closes.
    explicit TMainF(TProgram &program, std::span<const Irisonde::TWorkshopRow> workshops = {}, QWidget *parent = nullptr);
    ~TMainF() override;

    // Windows made after the main window are handed to it as they are made;
    // their menu items stay greyed out until then.
    void SetWorkshop(const Irisonde::TWorkshopRow &row, TWorkshopF *window);
    void SetOptionsDialog(QDialog *dialog);
    void SetTipWindow(QDialog *dialog);
    void SetBrowserWindow(QDialog *dialog);
    // The splash window, and how it is shown as the About box.
    void SetSplash(QWidget *splash, std::function<void()> showAbout);

    // The program's preferences and placements, written when the window closes.
    [[nodiscard]] Irisonde::TSettings &Settings();

    void CheckDisplayMode();
    void ApplyHintSetting();
    void LaunchCalculator();

    // The window made for `row`, a row of the table the window was given.
    [[nodiscard]] TWorkshopF *Workshop(const Irisonde::TWorkshopRow &row) const;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private slots:
    void LinkLabClick();
    void TipTimeTimer();
    void WarningTimerTimer();

private:
    void FormCreate();
    void BuildMenus();
    void BuildClient();
    void FirstShow();
    void OpenWorkshop(std::size_t index);
    [[nodiscard]] int RowIndex(const Irisonde::TWorkshopRow &row) const;
    void ShowModalOnce(QDialog *dialog);
    void EditionMenuPopup();
    // The main window's record first, then one per workshop row.
    [[nodiscard]] std::vector<TPlacement *> PlacementRecords();

    TProgram &m_program;
    // Controls and actions; tests find them by their layout names.
    TMainClient *m_client = nullptr;
    QTimer *m_tipTime = nullptr;
    QTimer *m_warningTimer = nullptr;
    QMenu *m_fichier1 = nullptr, *m_editionMenu = nullptr, *m_optionsMenu = nullptr, *m_aideMenu = nullptr;
    QAction *m_browserMenu = nullptr, *m_quitMenu = nullptr;
    QAction *m_calcMenu = nullptr, *m_clearMenu = nullptr, *m_preferencesMenu = nullptr;
    QAction *m_winHlpMenu = nullptr, *m_tipMenu = nullptr, *m_lisezMoiMenu = nullptr;
    QAction *m_webAuteurMenu = nullptr, *m_mailAuteurMenu = nullptr, *m_aboutMenu = nullptr;
    std::span<const Irisonde::TWorkshopRow> m_table;
    std::vector<TWorkshopF *> m_workshops;    // one per row, null until handed over
    std::vector<QAction *> m_workshopMenus;   // one per row
    QDialog *m_optionsDialog = nullptr;
    QDialog *m_tipWindow = nullptr;
    QDialog *m_browserWindow = nullptr;
    QWidget *m_splash = nullptr;
    std::function<void()> m_showAbout;
    qint64 m_calculatorPid = 0;
    bool m_firstShow = true;
};

} // namespace Irisonde
