// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Driving a window in tests: its controls by name, wheel turns, what the
// window shows, a pixel of an off-screen image, the help button.
#include "shell/ProgramU.h"
#include "imaging/DibPlusU.h"
#include "shell/AppStateU.h"
#include "shell/HelpU.h"

#include <QAbstractButton>
#include <QApplication>
#include <QBackingStore>
#include <QDir>
#include <QTextBrowser>
#include <QWheelEvent>
#include <QtTest>

namespace testsupport {

using namespace Irisonde;

// The control of `window` named `name`. The windows keep their controls to
// themselves: a name the window no longer gives ends the test run, so that a
// renamed control fails here rather than as a null pointer further on.
template <class T = QWidget>
T *Control(const QObject &window, const char *name)
{
    T *control = window.findChild<T *>(QString::fromLatin1(name));
    if (!control)
        qFatal("%s has no %s named %s", qPrintable(window.objectName()), T::staticMetaObject.className(), name);
    return control;
}

// A wheel turn of `angle` (eighths of a degree) over the middle of `w`.
inline void Wheel(QWidget *w, QPoint angle, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    QWheelEvent ev(QPointF(w->rect().center()), QPointF(w->mapToGlobal(w->rect().center())), QPoint(), angle,
                   Qt::NoButton, mods, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &ev);
}

// What the window shows of `zone` once its pending repaints are done: that
// part of the window's backing store.
inline QImage Shown(QWidget *zone)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    const auto *store = dynamic_cast<QImage *>(zone->window()->backingStore()->paintDevice());
    return store ? store->copy(QRect(zone->mapTo(zone->window(), QPoint()), zone->size())) : QImage();
}

// Pixel (x, y from the top) of an image, opaque.
inline QRgb At(TDibPlus &image, int x, int y)
{
    return image.GetPixelFast(x, image.Height() - 1 - y) | 0xFF000000u;
}

// The help button opens the help document at `topic`, whose text holds `phrase`.
inline bool HelpShows(TProgram &program, QAbstractButton *aide, const QString &topic, const QString &phrase)
{
    program.State().HelpFile = QDir::cleanPath(QStringLiteral(IRISONDE_TEST_DATA "/../../help/Irisonde.html"));
    QTest::mouseClick(aide, Qt::LeftButton);
    THelpF *help = program.HelpWindow();
    const bool ok = help && help->CurrentTopic() == topic && help->Browser()->toPlainText().contains(phrase);
    if (help)
        help->close();
    return ok;
}

} // namespace testsupport
