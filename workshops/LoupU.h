#pragma once
// The television-magnifier workshop window " Une loupe sur un écran de
// télévision": a picture shown as a screen and a round magnifier the pupil
// drags over it, which from the third zoom level on shows the red, green
// and blue phosphor stripes. TLoupState does the computing; this window
// turns events into calls on it and paints its screen image.
#include "workshops/PictureWorkshopU.h"
#include "workshops/state/LoupState.h"

class QFrame;
class QLabel;

namespace Irisonde {

class TPaintBox;

class TSpinButton;

class TLoupF : public TPictureWorkshopF {
    Q_OBJECT
public:
    explicit TLoupF(QWidget *parent = nullptr);

    [[nodiscard]] TLoupState &State() { return m_state; }

public slots:
    void ZoomSpinUpClick();
    void ZoomSpinDownClick();
    void TailleSpinUpClick();
    void TailleSpinDownClick();

protected:
    [[nodiscard]] TDibPlus *PictureImage() const override;
    void LayoutZones(int clientWidth, int clientHeight) override;
    void PictureDrawn() override;
    void PictureShow() override;
    void PictureClose() override;
    [[nodiscard]] QImage CopyImage() const override;

    void wheelEvent(QWheelEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Where the magnifier shows in m_zone, rim included.
    [[nodiscard]] QRect MagRect() const;
    // After a pupil's action that rendered when `changed`: the magnifier's
    // old place (`before`) and new one repainted.
    void Rendered(bool changed, const QRect &before);
    // The arrows, + and - (with Shift, or Page Up and Page Down: the
    // size); false for any other key.
    bool ZoneKeyPress(const QKeyEvent &key);

    TLoupState m_state;

    // Tests and the scripts find these by the object names given where they
    // are made ("Zone", "ZoomSpin", "Taillelab"...).
    TPaintBox *m_zone;
    QFrame *m_panel1; // the frame's toolbar, which holds every control below
    TSpinButton *m_zoomSpin;
    TSpinButton *m_tailleSpin;
    QLabel *m_facteurLab;
    QLabel *m_tailleLab;
    QFrame *m_bevel1, *m_bevel2;
};

} // namespace Irisonde
