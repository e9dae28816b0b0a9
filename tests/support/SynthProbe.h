// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Driving the synthesis workshops in tests: the window under test, a pixel
// of an off-screen image counted from the top-left, and points placed
// between disc centres.
#include "app/WorkshopTableU.h"
#include "shell/ProgramU.h"
#include "imaging/ColourU.h"
#include "imaging/DibPlusU.h"

#include <QColor>
#include <QPoint>
#include <QPointF>

#include <QtTest>

#include <cmath>
#include <memory>

using namespace Irisonde;

namespace testsupport {

// The colour at (x, y) from the top-left of `layer`.
inline QColor ColourAt(const TDibPlus &layer, QPoint p)
{
    auto &l = const_cast<TDibPlus &>(layer); // reading a pixel may end its canvas
    return PixelToQColor(l.GetPixelFast(p.x(), l.Height() - 1 - p.y()));
}

// The point `offset` away from m, on the side away from c.
inline QPoint Away(QPointF m, QPointF c, double offset)
{
    const QPointF u = (m - c) / std::hypot(m.x() - c.x(), m.y() - c.y());
    return (m + offset * u).toPoint();
}

// The workshop window a test drives, made anew and shown for every test
// function (Open in init, Close in cleanup).
template <class Window, Irisonde::EWorkshop Kind>
class TSynthWindow {
protected:
    Irisonde::TProgram m_program;
    std::unique_ptr<Window> win;
    auto &S() { return win->State(); }
    QPointF Centre(int k) { return QPointF(S().Disc(k).X, S().Disc(k).Y); }
    [[nodiscard]] bool Open()
    {
        win = std::make_unique<Window>(m_program, Irisonde::WorkshopRow(Kind));
        win->show();
        return QTest::qWaitForWindowExposed(win.get());
    }
    void Close()
    {
        win->close();
        win.reset();
    }
    // A control of the window under its layout name.
    template <class T = QWidget>
    T *C(const char *name) const
    {
        T *control = win->template findChild<T *>(QString::fromLatin1(name));
        if (!control)
            qFatal("no control %s", name);
        return control;
    }
};

} // namespace testsupport
