#pragma once
// The main window's client area: the heading, the nine activity links with
// their bullets, the two bevels and the status panel, over the tiled Motif.
#include <QWidget>
#include <array>

class QFrame;
class QLabel;

namespace Irisonde {

class TSuperLab;

class TMainClient : public QWidget {
    Q_OBJECT
public:
    explicit TMainClient(QWidget *parent = nullptr);

    QLabel *Label1;
    std::array<TSuperLab *, 9> LinkLab{}; // LinkLab1 .. LinkLab9 at index 0 .. 8
    QFrame *Bevel1;
    QFrame *Bevel2;
    QFrame *Panel1;
    QLabel *ModeLab;
    QLabel *WarningLab;

protected:
    void paintEvent(QPaintEvent *event) override; // PaintBackground
    void resizeEvent(QResizeEvent *event) override;
};

// Arial at a size in pixels (Liberation Sans has Arial's metrics).
[[nodiscard]] QFont ArialPx(int pixels, bool bold = false, bool italic = false);

} // namespace Irisonde
