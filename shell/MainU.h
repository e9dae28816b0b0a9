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
class TWorkshopF;

// The display-mode text and low-colour flag for a screen of `width` x `height`
// pixels at `bitsPerPixel`.
struct TDisplayMode {
    QString text;
    bool lowColour;
};
[[nodiscard]] TDisplayMode DisplayModeFor(int width, int height, int bitsPerPixel);

// The program folder from the executable's path: cut after the last separator
// (or drive colon), one trailing separator removed.
[[nodiscard]] QString ProgramFolderOf(const QString &executablePath);

// Where the document `fileName` (help, readme) is: beside the program, as in
// the build tree, else in ../share/irisonde or ../share/doc/irisonde, as when
// installed. When none holds it, the path beside the program, so that a
// missing document is met as it always was.
[[nodiscard]] QString DocumentPathOf(const QString &programFolder, const QString &fileName);
// Empty for a program run from its own folder, its documents beside it (it
// then looks for pictures there, as always); installed (its documents in
// ../share/irisonde, its folder a system one), the user's pictures folder,
// or the home folder without one.
[[nodiscard]] QString PictureFolderOf(const QString &programFolder);

class TMainF : public QMainWindow {
    Q_OBJECT
public:
    // `workshops` lists the workshops in menu order (app/'s table); the
    // window lists each of them and keeps its placement.
    explicit TMainF(std::span<const Irisonde::TWorkshopRow> workshops = {}, QWidget *parent = nullptr);
    ~TMainF() override;

    // Windows made after the main window are handed to it as they are made;
    // their menu items stay greyed out until then.
    void SetWorkshop(const Irisonde::TWorkshopRow &row, TWorkshopF *window);
    void SetOptionsDialog(QDialog *dialog);
    void SetTipWindow(QDialog *dialog);
    void SetBrowserWindow(QDialog *dialog);
    // The splash window, and how it is shown as the About box.
    void SetSplash(QWidget *splash, std::function<void()> showAbout);

    // The preferences and placements, read when the window is made and
    // written when it closes; lent to the windows that change them.
    [[nodiscard]] Irisonde::TSettings &Settings() { return m_settings; }

    void CheckDisplayMode();
    void ApplyHintSetting();
    void LaunchCalculator();

    [[nodiscard]] TWorkshopF *Workshop(const Irisonde::TWorkshopRow &row) const;

public slots:
    void LinkLabClick();
    void TipTimeTimer();
    void WarningTimerTimer();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

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

    Irisonde::TSettings m_settings;
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
