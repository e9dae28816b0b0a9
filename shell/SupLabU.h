// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A text label that behaves like a hyperlink: while the pointer is over it,
// the pointer takes the link cursor and the text the link colour; both come
// back when the pointer leaves. Clicking it emits clicked().
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

    // The look while the pointer is over the label, and whether it takes it.
    void SetLinkCursor(TCursorId id) { m_linkCursor = id; }
    [[nodiscard]] TCursorId LinkCursor() const { return m_linkCursor; }
    void SetLinkColour(const QColor &c) { m_linkColour = c; }
    [[nodiscard]] QColor LinkColour() const { return m_linkColour; }
    void SetLinkEnabled(bool on) { m_linkEnabled = on; }
    [[nodiscard]] bool LinkEnabled() const { return m_linkEnabled; }

    // The label's own cursor and font colour, as the layout sets them.
    void SetCursorId(TCursorId id);
    [[nodiscard]] TCursorId CursorId() const { return m_cursorId; }
    void SetFontColour(const QColor &c);
    [[nodiscard]] QColor FontColour() const;
    [[nodiscard]] bool Hovering() const { return m_hovering; }

signals:
    void clicked();

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    // The pointer's crossings; the system may tell one twice.
    void MouseEnter();
    void MouseLeave();

    TCursorId m_linkCursor = TCursorId::HourGlass;
    QColor m_linkColour{0, 0, 255};
    bool m_linkEnabled = true;
    bool m_hovering = false;
    bool m_pressed = false;
    TCursorId m_cursorId = TCursorId::Default;
    TCursorId m_savedCursor = TCursorId::Default;
    QColor m_savedColour;
};

} // namespace Irisonde
