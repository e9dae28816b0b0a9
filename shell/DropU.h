// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Files dropped from a file manager onto a window. What a window cannot take
// is refused by the cursor as the drag passes over it, never by a message:
// a picture workshop takes one picture file, the catalogue one folder.
#include <QString>

#include <functional>

class QMimeData;
class QWidget;

namespace Irisonde {

// The one local file or folder a drag carries; empty for several, for none
// or for a remote address.
[[nodiscard]] QString DraggedLocalPath(const QMimeData *mime);
// That path when it is a file the picture loaders recognise, by content or
// by name (a damaged one included: opening it says what is wrong).
[[nodiscard]] QString DraggedPictureFile(const QMimeData *mime);
// That path when it is a folder.
[[nodiscard]] QString DraggedFolder(const QMimeData *mime);

// Makes `window` take drops of what `accept` finds in a drag (a non-empty
// path) while `open` says so; `take` runs once the drop is over, from the
// event loop, so that a message it shows does not hold the file manager.
void AcceptDrops(QWidget *window, std::function<QString(const QMimeData *)> accept, std::function<bool()> open,
                 std::function<void(const QString &)> take);

} // namespace Irisonde
