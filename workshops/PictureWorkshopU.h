// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the four picture workshops (scene lighting, television magnifier,
// four-colour printing, RGB decomposition) share on top of the workshop
// frame: a picture (the test card or a file the pupil opens, or drops on
// the window) drawn into one image of the workshop, the open and default
// buttons, the stretch box, and a layout run on every show and every resize
// while showing.
//
// How a workshop uses it:
//   - derive from TPictureWorkshopF, handing the frame and the base caption
//     (" Eclairage d'une scène") to the constructor, and place StretchCheck()
//     on the panel (it is made here, with its caption and hint);
//   - PictureImage(): the image the picture is drawn into (null or without a
//     store while there is none: the picture is then not drawn);
//   - LayoutZones(clientWidth, clientHeight): size the areas and make that
//     image at its new size; the picture is drawn right after;
//   - PictureDrawn(): what is rendered and repainted once the picture in
//     that image changed (after a layout, the stretch box, either button);
//   - PictureShow() / PictureClose(): the workshop's own show (before the
//     first layout) and close.
// The picture state (kind, stretch flag, back colour, loaded files) is
// reset on every show and the loaded files freed on every close.
#include "imaging/DibPlusU.h"
#include "imaging/PictureU.h"
#include "shell/WorkshopU.h"

class QCheckBox;

namespace Irisonde {

class TPictureWorkshopF : public TWorkshopF {
    Q_OBJECT
public:
    TPictureWorkshopF(TProgram &program, const TWorkshopRow &row, int toolbarHeight, const QString &baseCaption,
                      QWidget *parent = nullptr);

    [[nodiscard]] TPicture &Picture() { return m_picture; }
    [[nodiscard]] const QString &BaseCaption() const { return m_baseCaption; }
    [[nodiscard]] bool IsShowing() const { return m_showing; }

    // " Déformer et adapter l'image": the workshop places it.
    [[nodiscard]] QCheckBox *StretchCheck() const { return m_stretchCheck; }

    // The current picture into PictureImage() by its kind (the test card,
    // with its caption, while none was chosen), then PictureDrawn().
    void DrawCurrentPicture();
    // Loads and draws the file as the open button does, its warning included.
    void OpenPictureFile(const QString &path);

protected:
    [[nodiscard]] virtual TDibPlus *PictureImage() const = 0;
    virtual void LayoutZones(int clientWidth, int clientHeight) = 0;
    virtual void PictureDrawn() = 0;
    virtual void PictureShow() {}
    virtual void PictureClose() {}

    void FormShow() override;
    void FormClose() override;
    void OuvreBoutClick() override;
    void DefautBoutClick() override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void StretchCheckClick();
    void RunLayout();

    QCheckBox *m_stretchCheck;
    TPicture m_picture;
    QString m_baseCaption;
    bool m_showing = false;
};

} // namespace Irisonde
