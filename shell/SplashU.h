// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The splash window: the logo and four centred lines. At start it shows
// without blocking and goes at the first click or after seven seconds; from
// the menu it is the About box, modal until a click.
#include <QDialog>
#include <chrono>

class QFrame;
class QPainter;
class QTimer;

namespace Irisonde {

class TPaintBox;

class TSplashF : public QDialog {
    Q_OBJECT
public:
    // How long the start-up splash stays when not clicked.
    static constexpr std::chrono::milliseconds StartupStay{7000};

    // Tests give a stay of their own, so that they wait for no real seconds.
    // `programTitle` is its second line.
    explicit TSplashF(const QString &programTitle, QWidget *parent = nullptr,
                      std::chrono::milliseconds stay = StartupStay);

    // Start-up use: shown modeless and painted at once, so that it is seen
    // while the other windows are made; it closes itself.
    void ShowAtStartup();
    // The About box. If the start-up splash is still on screen it becomes the
    // About box where it stands: its closing timer stops and it stays until
    // clicked. A window already shown cannot be made modal, and showing it a
    // second time would leave a modal loop no click could end.
    void ShowAbout();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private slots:
    void ZoneClick();
    void StopTimerTimer();

private:
    void ZonePaint(QPainter &p) const;

    QFrame *m_panel1;
    TPaintBox *m_zone;
    QTimer *m_stopTimer;
    QString m_programTitle;
};

} // namespace Irisonde
