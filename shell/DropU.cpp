// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/DropU.h"
#include "imaging/PictureFileU.h"

#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QPointer>
#include <QTimer>
#include <QUrl>
#include <QWidget>

namespace Irisonde {

namespace {

class TDropFilter : public QObject {
public:
    TDropFilter(QWidget *window, std::function<QString(const QMimeData *)> accept, std::function<bool()> open,
                std::function<void(const QString &)> take)
        : QObject(window), m_accept(std::move(accept)), m_open(std::move(open)), m_take(std::move(take))
    {
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto *drag = static_cast<QDragMoveEvent *>(event);
            if (m_open() && !m_accept(drag->mimeData()).isEmpty())
                drag->acceptProposedAction();
            else
                drag->ignore();
            return true;
        }
        case QEvent::Drop: {
            auto *drop = static_cast<QDropEvent *>(event);
            const QString path = m_open() ? m_accept(drop->mimeData()) : QString();
            if (path.isEmpty()) {
                drop->ignore();
                return true;
            }
            drop->acceptProposedAction();
            QTimer::singleShot(0, this, [this, path] {
                if (m_open())
                    m_take(path);
            });
            return true;
        }
        default:
            return QObject::eventFilter(watched, event);
        }
    }

private:
    std::function<QString(const QMimeData *)> m_accept;
    std::function<bool()> m_open;
    std::function<void(const QString &)> m_take;
};

} // namespace

QString DraggedLocalPath(const QMimeData *mime)
{
    if (!mime || !mime->hasUrls() || mime->urls().size() != 1 || !mime->urls().constFirst().isLocalFile())
        return {};
    return mime->urls().constFirst().toLocalFile();
}

QString DraggedPictureFile(const QMimeData *mime)
{
    const QString path = DraggedLocalPath(mime);
    return !path.isEmpty() && PictureFamilyOfFile(path) != EPictureFamily::None ? path : QString();
}

QString DraggedFolder(const QMimeData *mime)
{
    const QString path = DraggedLocalPath(mime);
    return !path.isEmpty() && QFileInfo(path).isDir() ? QFileInfo(path).absoluteFilePath() : QString();
}

void AcceptDrops(QWidget *window, std::function<QString(const QMimeData *)> accept, std::function<bool()> open,
                 std::function<void(const QString &)> take)
{
    window->setAcceptDrops(true);
    window->installEventFilter(new TDropFilter(window, std::move(accept), std::move(open), std::move(take)));
}

} // namespace Irisonde
