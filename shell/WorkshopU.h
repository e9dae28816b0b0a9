#pragma once
// What every workshop window has in common: opened from the main window (which
// hides meanwhile), re-initialised on each show, releasing its images on each
// close, a bottom toolbar of glyph buttons (close, copy, help, and for the
// picture workshops open and default), bubble hints behind a switch, and a
// placement record kept by the main window.
#include <QImage>
#include <QString>
#include <QWidget>

class QFrame;
class QToolButton;

namespace Irisonde {

class TWorkshopF : public QWidget {
    Q_OBJECT
public:
    struct Frame {
        QString caption;     // window caption, with its leading blank
        QString helpTopic;   // "ADDITIVE", "RGB"...
        int toolbarHeight;   // 93 or 63
        bool pictureButtons; // OuvreBout and DefautBout
    };

    TWorkshopF(const Frame &frame, QWidget *parent = nullptr);

    // The window's hint switch: its controls' hints show only while it is on.
    void SetShowHints(bool on) { showHints = on; }
    [[nodiscard]] bool ShowHints() const { return showHints; }
    [[nodiscard]] QString HelpTopic() const { return frame.helpTopic; }

    // Height of the client area above the toolbar.
    [[nodiscard]] int WorkHeight() const;

    QFrame *ToolBar;
    QToolButton *CloseBout;
    QToolButton *CopierBout;
    QToolButton *AideBout;
    QToolButton *OuvreBout = nullptr;
    QToolButton *DefautBout = nullptr;

signals:
    // After FormClose: the main window shows itself again.
    void Closed();

protected:
    // Re-initialise from scratch: allocate the working images, reset controls.
    virtual void FormShow() {}
    // Release what FormShow made.
    virtual void FormClose() {}
    // The image that "copy" puts on the clipboard.
    [[nodiscard]] virtual QImage CopyImage() const { return {}; }
    virtual void OuvreBoutClick() {}
    virtual void DefautBoutClick() {}

    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;

public slots:
    void CloseBoutClick();
    void CopierBoutClick();
    void AideBoutClick();

private:
    QToolButton *MakeButton(const QString &name, int left, const QString &hint, const QIcon &glyph);
    Frame frame;
    bool showHints = true;
    bool shown = false;
    // Shown before the window manager framed the window: its placement is met
    // again once it is, which may change the client area the show laid out.
    bool awaitingFrame = false;
};

// Glyphs of the toolbar buttons, drawn once.
enum class EGlyph { Close, Copy, Help, Open, Default };
[[nodiscard]] QIcon ToolGlyph(EGlyph g);

} // namespace Irisonde
