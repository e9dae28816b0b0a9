// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "workshops/PictureWorkshopU.h"
#include "shell/ProgramU.h"

#include "shell/AppStateU.h"
#include "shell/CheckBoxU.h"
#include "shell/DropU.h"
#include "shell/PictureDialogU.h"

#include <QCheckBox>
#include <QFrame>
#include <QPainter>

#include <algorithm>

namespace Irisonde {

TPictureWorkshopF::TPictureWorkshopF(TProgram &program, const TWorkshopRow &row, int toolbarHeight,
                                     const QString &baseCaption, QWidget *parent)
    : TWorkshopF(program, row, toolbarHeight, true, parent), m_baseCaption(baseCaption)
{
    m_stretchCheck = new QCheckBox(QStringLiteral(" Déformer et adapter l'image"), ToolBarFrame());
    m_stretchCheck->setObjectName(QStringLiteral("StretchCheck"));
    m_stretchCheck->setToolTip(QStringLiteral(" Déformer l'image pour qu'elle occupe tout l'espace disponible"));
    m_stretchCheck->adjustSize();
    connect(m_stretchCheck, &QCheckBox::toggled, this, &TPictureWorkshopF::StretchCheckClick);
    // A picture file dropped from a file manager opens as "Ouvrir" opens it.
    AcceptDrops(this, DraggedPictureFile, [this] { return m_showing; }, [this](const QString &path) { OpenPictureFile(path); });
}

void TPictureWorkshopF::DrawCurrentPicture()
{
    TDibPlus *image = PictureImage();
    if (image && image->HasStore()) {
        m_picture.SetPictureArea(image->Width(), image->Height());
        m_picture.DrawPicture(image->Canvas());
        image->Flush();
    }
    // With no room for the picture the card still counts as shown, so that
    // the caption says which picture a larger window will show.
    if (m_picture.PictureKind() == EPictureKind::None || m_picture.PictureKind() == EPictureKind::Default) {
        m_picture.SetPictureKind(EPictureKind::Default);
        setWindowTitle(DefaultPictureCaption(m_baseCaption));
    }
    PictureDrawn();
}

void TPictureWorkshopF::StretchCheckClick()
{
    m_picture.SetStretchFlag(m_stretchCheck->isChecked());
    if (m_showing)
        DrawCurrentPicture();
}

void TPictureWorkshopF::OuvreBoutClick()
{
    if (!m_showing)
        return;
    const QString path = ChoosePictureFile(this, Program().State().PicturesStart());
    if (!path.isEmpty())
        OpenPictureFile(path);
}

void TPictureWorkshopF::OpenPictureFile(const QString &path)
{
    TDibPlus *image = PictureImage();
    if (!m_showing || !image || !image->HasStore())
        return;
    m_picture.SetPictureArea(image->Width(), image->Height());
    // A failed load leaves caption, picture and kind as they were; its
    // warning runs an event loop, so it comes once the canvas is flushed.
    const TPictureLoad load = m_picture.LoadPictureFile(path, m_baseCaption, windowTitle(), image->Canvas());
    image->Flush();
    setWindowTitle(load.Caption);
    PictureDrawn();
    if (load.Fault != EPictureFault::None)
        App::ShowWarning(load.Message, this);
}

void TPictureWorkshopF::DefautBoutClick()
{
    if (!m_showing)
        return;
    m_picture.SetPictureKind(EPictureKind::Default);
    DrawCurrentPicture();
}

void TPictureWorkshopF::FormShow()
{
    SetCheckSilently(*m_stretchCheck, false);
    m_picture.ResetPictureState();
    PictureShow();
    m_showing = true;
    RunLayout();
}

void TPictureWorkshopF::FormClose()
{
    m_showing = false;
    PictureClose();
    m_picture.FreePictureObjects();
}

void TPictureWorkshopF::RunLayout()
{
    // The client area itself: the toolbar is one of its children.
    LayoutZones(width(), height());
    DrawCurrentPicture();
}

void TPictureWorkshopF::resizeEvent(QResizeEvent *event)
{
    TWorkshopF::resizeEvent(event);
    if (m_showing)
        RunLayout();
}

} // namespace Irisonde
