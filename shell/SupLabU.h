// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A text label that behaves like a hyperlink: while the pointer is over it,
// the pointer takes LinkCursor and the text LinkColor; both come back when the
// pointer leaves. Clicking it emits clicked().
#include <QColor>
#include <QLabel>
#include <cstdint>

namespace Irisonde {

// Cursor identifiers as the window layouts store them: 0 is the default
// arrow, negative numbers the system shapes (-11 the hourglass), positive
// numbers the program's own cursors (1 the pointing hand "C_Main").
enum class TCursorId : std::int16_t {
    Default = 0,
    Cross = -3,
    IBeam = -4,
    HourGlass = -11,
    Busy = -19,
    WhatsThis = -20,
    HandPoint = -21,
    SizeAll = -22,
    LinkHand = 1,
};

[[nodiscard]] QCursor CursorFromId(TCursorId id);

class TSuperLab : public QLabel {
    Q_OBJECT
public:
    explicit TSuperLab(QWidget *parent = nullptr);

    TCursorId LinkCursor = TCursorId::HourGlass;
    QColor LinkColor{0, 0, 255};
    bool LinkEnabled = true;

    // The label's own cursor and font colour, as the layout sets them.
    void SetCursorId(TCursorId id);
    [[nodiscard]] TCursorId CursorId() const { return cursorId; }
    void SetFontColour(const QColor &c);
    [[nodiscard]] QColor FontColour() const;
    [[nodiscard]] bool Hovering() const { return hovering; }

    // The pointer's crossings; public so that a repeated notification can be
    // reproduced.
    void MouseEnter();
    void MouseLeave();

signals:
    void clicked();

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool hovering = false;
    bool pressed = false;
    TCursorId cursorId = TCursorId::Default;
    TCursorId savedCursor = TCursorId::Default;
    QColor savedColour;
};

} // namespace Irisonde
