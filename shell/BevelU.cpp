// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/BevelU.h"

namespace Irisonde {

QFrame *MakeBevel(QWidget *parent, const char *name, const QRect &place, QFrame::Shape shape, QFrame::Shadow shadow)
{
    auto *bevel = new QFrame(parent);
    bevel->setObjectName(QString::fromLatin1(name));
    bevel->setFrameShape(shape);
    bevel->setFrameShadow(shadow);
    bevel->setGeometry(place);
    return bevel;
}

} // namespace Irisonde
