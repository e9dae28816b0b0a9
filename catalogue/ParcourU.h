// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The working-folder chooser: a volume (this platform's drive) and a folder
// on it, picked in two lists. The catalogue sets the start folder, shows the
// dialog modally and reads the chosen folder back, "None" unless the user
// confirmed. The window lives for the whole run, so its lists keep their
// state from one showing to the next.
#include "catalogue/state/ParcourState.h"
#include "shell/ShowingU.h"

#include <QDialog>

#include <chrono>
#include <functional>

class QComboBox;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTimer;

namespace Irisonde {

class TPaintBox;
class TProgram;

class TParcourF : public QDialog {
    Q_OBJECT
public:
    // How long the warning about an unreadable volume stays.
    static constexpr std::chrono::milliseconds WarningStay{3000};

    // Its help is the program's. Tests give a stay of their own, so that
    // they wait for no real seconds.
    explicit TParcourF(TProgram &program, QWidget *parent = nullptr, std::chrono::milliseconds warningStay = WarningStay);

    // The caller's protocol.
    void SetStartPath(const QString &path) { m_state.StartPath = path; }
    [[nodiscard]] const QString &StartPath() const { return m_state.StartPath; }
    [[nodiscard]] const QString &ChosenPath() const { return m_state.ChosenPath; }
    [[nodiscard]] const QString &LastDrive() const { return m_state.LastDrive; }
    [[nodiscard]] bool WarningShown() const { return m_state.WarningShown; }

    // The drives offered, asked again at every showing (a stick may have
    // been plugged in meanwhile); the machine's mounted volumes by default.
    void SetVolumeLister(std::function<QList<TVolume>()> lister) { m_listVolumes = std::move(lister); }

    // The folder the lists show, and its volume.
    [[nodiscard]] QString Folder() const { return m_folder; }
    [[nodiscard]] QString Drive() const { return m_drive; }

private slots:
    void DriveBoxChange();
    void OkBoutClick();
    void AnnulBoutClick();
    void AideBoutClick();
    void WarnTimer();

private:
    void FormShow();
    void FillDrives();
    // Shows `folder` on the volume `drive` in both lists, without the
    // change handlers running.
    void ShowFolder(const QString &drive, const QString &folder);
    void DirBoxActivated(QListWidgetItem *item);
    void DirBoxChange();
    void ShowDriveWarning();
    void SetEditColour(const QColor &colour);

    TProgram &m_program;
    std::function<QList<TVolume>()> m_listVolumes = &TParcourState::MountedVolumes;
    TParcourState m_state;
    QString m_drive;
    QString m_folder;

    // Tests and the scripts find these by the object names given where they
    // are made ("DriveBox", "DirBox", "Edit1", "Warn"...).
    QComboBox *m_driveBox;
    QListWidget *m_dirBox;
    QLineEdit *m_edit1;
    TPaintBox *m_pb;
    QPushButton *m_annulBout;
    QPushButton *m_aideBout;
    QPushButton *m_okBout;
    QTimer *m_warn;
    TShowing m_showing;
};

} // namespace Irisonde
