// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/WorkshopU.h"

#include "shell/AccessibleU.h"
#include "shell/AppStateU.h"
#include "shell/FocusRingU.h"
#include "shell/PaintBoxU.h"
#include "shell/PlacementBoundsU.h"
#include "shell/ProgramU.h"
#include "shell/WorkshopRowU.h"
#include "shell/WorkshopOutputU.h"
#include "shell/WorkshopPerceptionU.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>

#include <algorithm>

namespace Irisonde {

namespace {

constexpr int PerceptionGap = 5; // as the save button's
// The probe under the toolbar's buttons, above the panel's bevel.
constexpr int ProbeTop = 32, ProbeBottom = 3;

// Hints of a workshop's controls reach the pupil only while that window's
// switch is on; one filter on the application serves every workshop.
class THintFilter : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::ToolTip && watched->isWidgetType()) {
            if (const auto *w = qobject_cast<const TWorkshopF *>(static_cast<QWidget *>(watched)->window()))
                return !w->ShowHints();
        }
        return false;
    }
};

// Installed once on the application, which owns it: the first workshop made
// finds none there yet.
void InstallHintFilter()
{
    const QString name = QStringLiteral("WorkshopHintFilter");
    if (!qApp || qApp->findChild<QObject *>(name, Qt::FindDirectChildrenOnly))
        return;
    auto *filter = new THintFilter(qApp);
    filter->setObjectName(name);
    qApp->installEventFilter(filter);
}

} // namespace

TWorkshopF::TWorkshopF(TProgram &program, const TWorkshopRow &row, int toolbarHeight, bool pictureButtons, QWidget *parent)
    : QWidget(parent, Qt::Window), m_program(program),
      m_frame{QString::fromUtf8(row.Caption), QString::fromLatin1(row.HelpTopic), toolbarHeight, pictureButtons}
{
    setObjectName(QString::fromLatin1(row.Section));
    InstallHintFilter();
    InstallAccessible<TWorkshopF, TWindowAccess>();
    setWindowTitle(m_frame.caption);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    setFont(font);

    m_toolBar = new QFrame(this);
    m_toolBar->setObjectName(QStringLiteral("ToolBar"));
    m_toolBar->setFrameShape(QFrame::Panel);
    m_toolBar->setFrameShadow(QFrame::Raised);
    m_toolBar->setAutoFillBackground(true);
    m_closeBout = MakeButton(QStringLiteral("CloseBout"), 5, QStringLiteral(" Fermer la fenêtre"), ToolGlyph(EGlyph::Close));
    m_copierBout = MakeButton(QStringLiteral("CopierBout"), 37, QStringLiteral(" Copier l'image dans le presse-papiers"), ToolGlyph(EGlyph::Copy));
    m_aideBout = MakeButton(QStringLiteral("AideBout"), 69, QStringLiteral(" Accéder à l'aide"), ToolGlyph(EGlyph::Help));
    connect(m_closeBout, &QToolButton::clicked, this, &TWorkshopF::CloseBoutClick);
    connect(m_copierBout, &QToolButton::clicked, this, &TWorkshopF::CopierBoutClick);
    connect(m_aideBout, &QToolButton::clicked, this, &TWorkshopF::AideBoutClick);
    new TFocusRing(*this); // owned by the window
    if (m_frame.pictureButtons) {
        m_ouvreBout = MakeButton(QStringLiteral("OuvreBout"), 108, QStringLiteral(" Ouvrir un fichier image"), ToolGlyph(EGlyph::Open));
        m_defautBout = MakeButton(QStringLiteral("DefautBout"), 140, QStringLiteral(" Revenir à l'image par défaut"), ToolGlyph(EGlyph::Default));
        connect(m_ouvreBout, &QToolButton::clicked, this, [this] { OuvreBoutClick(); });
        connect(m_defautBout, &QToolButton::clicked, this, [this] { DefautBoutClick(); });
    }
    m_output = new TWorkshopOutput(this, m_toolBar, [this] { return ShownImage(); }, m_frame.caption);
    // The workshop's hooks are virtual: called through the window once made.
    m_perception = new TWorkshopPerception(this, m_toolBar,
                                           [this](const QWidget *area, QRgb shown) { return ProbeMore(area, shown); });
    m_output->SetLodgers({m_perception->Button(), m_perception->Probe()});
    connect(m_perception, &TWorkshopPerception::VisionChanged, this, &TWorkshopF::SayVisionInCaption);
    connect(m_perception, &TWorkshopPerception::VisionChanged, this, [this] { VisionChosen(Vision()); });
}

EVision TWorkshopF::Vision() const
{
    return m_perception->Vision();
}

void TWorkshopF::SetVision(EVision vision)
{
    m_perception->SetVision(vision);
}

QImage TWorkshopF::ShownImage() const
{
    return m_perception->Shown(CopyImage());
}

void TWorkshopF::SayVisionInCaption()
{
    if (!m_perception) // the caption given while the window is being made
        return;
    const QString said = m_perception->Caption(windowTitle());
    if (said == windowTitle())
        return;
    m_titling = true;
    setWindowTitle(said);
    m_titling = false;
}

void TWorkshopF::changeEvent(QEvent *event)
{
    // The workshop sets its caption as though the view were normal.
    if (event->type() == QEvent::WindowTitleChange && !m_titling)
        SayVisionInCaption();
    QWidget::changeEvent(event);
}

QToolButton *TWorkshopF::MakeButton(const QString &name, int left, const QString &hint, const QIcon &glyph)
{
    auto *b = new QToolButton(m_toolBar);
    b->setObjectName(name);
    b->setGeometry(left, 3, 30, 26);
    b->setToolTip(hint);
    b->setAccessibleName(SpokenHint(hint));
    b->setIcon(glyph);
    b->setIconSize(QSize(20, 20));
    b->setAutoRaise(true);
    return b;
}

void TWorkshopF::KeepLeastSize()
{
    const QMargins decoration = Irisonde::IsFramed(*this) ? Irisonde::FrameMargins(*this) : QMargins();
    // The toolbar's controls keep their places, the save and print buttons
    // following them: the window is at least wide enough for all to show
    // whole, with the panel's bevel after them, and for the colour probe
    // under the colour-vision, save and print buttons.
    constexpr int bevel = 4;
    const int controlsRight = std::max(m_output->LeastRight() + bevel, PerceptionLeastWidth());
    const QSize least = LeastOuterSize().shrunkBy(decoration).expandedTo(QSize(controlsRight, m_frame.toolbarHeight + 1));
    if (minimumSize() != least)
        setMinimumSize(least); // resizes (and comes back here) when smaller
    else if (width() < least.width() || height() < least.height())
        QTimer::singleShot(0, this, [this] { resize(size().expandedTo(minimumSize())); });
}

void TWorkshopF::PlacePerception()
{
    // The view's button left of save and print; the probe under the three,
    // from the end of the workshop's controls that reach that low.
    const int probeLeft = m_output->OthersRight(ProbeTop, m_frame.toolbarHeight) + PerceptionGap;
    m_perception->Place(probeLeft, m_toolBar->width() - PerceptionGap, m_output->SaveBout()->x());
}

int TWorkshopF::PerceptionLeastWidth() const
{
    // The view's button left of save and print, which end a margin short of
    // the toolbar's end (three pitches and a margin); the probe between
    // margins.
    constexpr int threeButtons = 99;
    return std::max(m_output->OthersRight(0, ProbeTop - 1) + threeButtons,
                    m_output->OthersRight(ProbeTop, m_frame.toolbarHeight) + 2 * PerceptionGap + m_perception->Width());
}

void TWorkshopF::resizeEvent(QResizeEvent *event)
{
    m_toolBar->setGeometry(0, height() - m_frame.toolbarHeight, width(), m_frame.toolbarHeight);
    m_output->Place();
    PlacePerception();
    KeepLeastSize();
    QWidget::resizeEvent(event);
    if (m_awaitingFrame && m_shown && Irisonde::IsFramed(*this)) {
        // Framed just now and resized to its outer bounds: the show's layout
        // was made for a client area the window no longer has. Nothing has
        // been done in it yet; it is laid out again from the real one, once
        // this resize has been handled, as a show lays out.
        m_awaitingFrame = false;
        QTimer::singleShot(0, this, [this] {
            if (!m_shown)
                return;
            FormClose();
            FormShow();
        });
    }
}

void TWorkshopF::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    // Framed without a change of size: the show's layout stands.
    if (Irisonde::IsFramed(*this))
        m_awaitingFrame = false;
}

void TWorkshopF::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // A window coming back from the task bar is not a new showing.
    if (event->spontaneous() || m_shown)
        return;
    m_shown = true;
    // Every paint area the workshop made, shown through the view.
    m_perception->SetLongest(ProbeMoreLongest(), m_frame.toolbarHeight - ProbeTop - ProbeBottom);
    m_perception->Watch(findChildren<TPaintBox *>());
    m_toolBar->setGeometry(0, height() - m_frame.toolbarHeight, width(), m_frame.toolbarHeight);
    m_output->Place();
    PlacePerception();
    FormShow();
    KeepLeastSize();
    OrderTabs();
    if (!m_pictureAreas.isEmpty())
        m_pictureAreas.first()->setFocus(Qt::OtherFocusReason);
    // Without a window manager the window is never framed, and the layout
    // stands; with one, the framing may come late on a loaded machine.
    m_awaitingFrame = !Irisonde::IsFramed(*this);
}

void TWorkshopF::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    if (!m_shown)
        return;
    m_shown = false;
    FormClose();
    emit Closed();
}

void TWorkshopF::AddPictureArea(QWidget *area)
{
    area->setFocusPolicy(Qt::StrongFocus);
    area->installEventFilter(this);
    m_pictureAreas.append(area);
}

QRect TWorkshopF::FocusFrameRect(const QWidget *area) const
{
    return area->geometry();
}

QRect TWorkshopF::FocusBand(const QWidget *area) const
{
    // In the margin round the picture, so that not one of its pixels changes.
    return FocusFrameRect(area).adjusted(-3, -3, 3, 3);
}

void TWorkshopF::OrderTabs()
{
    // Buttons and bars take no focus from a click, which leaves the keys on
    // the picture, but Tab reaches them all.
    const QList<QWidget *> all = findChildren<QWidget *>();
    for (QWidget *w : all)
        if ((qobject_cast<QAbstractButton *>(w) || qobject_cast<QAbstractSlider *>(w)) && w->focusPolicy() == Qt::NoFocus)
            w->setFocusPolicy(Qt::TabFocus);
    QList<QWidget *> toolButtons;
    for (QWidget *b : {static_cast<QWidget *>(m_closeBout), static_cast<QWidget *>(m_copierBout), static_cast<QWidget *>(m_aideBout),
                       static_cast<QWidget *>(m_ouvreBout), static_cast<QWidget *>(m_defautBout), m_perception->Button(),
                       static_cast<QWidget *>(m_output->SaveBout()), static_cast<QWidget *>(m_output->PrintBout())})
        if (b)
            toolButtons.append(b);
    QList<QWidget *> controls;
    for (QWidget *w : all)
        if ((w->focusPolicy() & Qt::TabFocus) && !m_pictureAreas.contains(w) && !toolButtons.contains(w))
            controls.append(w);
    // The panel read column by column, as its groups stand: the boxes on
    // the left, then each bar with its figure, and so on rightwards.
    std::stable_sort(controls.begin(), controls.end(), [this](const QWidget *a, const QWidget *b) {
        const QPoint pa = a->mapTo(this, QPoint()), pb = b->mapTo(this, QPoint());
        return pa.x() != pb.x() ? pa.x() < pb.x() : pa.y() < pb.y();
    });
    QList<QWidget *> chain = m_pictureAreas;
    chain.append(controls);
    chain.append(toolButtons);
    for (qsizetype i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

void TWorkshopF::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    for (const QWidget *area : std::as_const(m_pictureAreas)) {
        if (!area->hasFocus())
            continue;
        const QRect band = FocusBand(area);
        QPainter p(this);
        const QRegion ring = QRegion(band).subtracted(QRegion(band.adjusted(2, 2, -2, -2)));
        for (const QRect &r : ring)
            p.fillRect(r, palette().color(QPalette::Highlight));
    }
}

void TWorkshopF::AddWheelArea(QWidget *area)
{
    area->installEventFilter(this);
    m_wheelAreas.append(area);
}

bool TWorkshopF::eventFilter(QObject *watched, QEvent *event)
{
    if (!watched->isWidgetType())
        return QWidget::eventFilter(watched, event);
    auto *widget = static_cast<QWidget *>(watched);
    if (event->type() == QEvent::Wheel && m_wheelAreas.contains(widget)) {
        wheelEvent(static_cast<QWheelEvent *>(event));
        return true;
    }
    if (!m_pictureAreas.contains(widget))
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
        update(FocusBand(widget));
    if (widget != m_pictureAreas.first() || !m_shown)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        PictureMouseDown(*static_cast<QMouseEvent *>(event));
        return true;
    case QEvent::MouseMove:
        // The probe tracks the pointer; the workshop sees only moves with a
        // button held, as before it did.
        if (static_cast<QMouseEvent *>(event)->buttons() != Qt::NoButton)
            PictureMouseMove(*static_cast<QMouseEvent *>(event));
        return true;
    case QEvent::MouseButtonRelease:
        PictureMouseUp(*static_cast<QMouseEvent *>(event));
        return true;
    case QEvent::KeyPress:
        if (QGuiApplication::mouseButtons() == Qt::NoButton && PictureKeyPress(*static_cast<QKeyEvent *>(event))) {
            if (const TProbeSpot spot = KeyProbeSpot(); spot.Area)
                m_perception->ProbeAt(spot.Area, spot.At);
            return true;
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void TWorkshopF::CloseBoutClick()
{
    close();
}

void TWorkshopF::CopierBoutClick()
{
    const QImage image = ShownImage();
    if (!image.isNull())
        QApplication::clipboard()->setImage(image);
}

void TWorkshopF::AideBoutClick()
{
    m_program.ShowHelp(m_frame.helpTopic);
}

QPoint ArrowStep(const QKeyEvent &key)
{
    const int step = (key.modifiers() & Qt::ShiftModifier) ? 10 : 1;
    switch (key.key()) {
    case Qt::Key_Left:
        return {-step, 0};
    case Qt::Key_Right:
        return {step, 0};
    case Qt::Key_Up:
        return {0, -step};
    case Qt::Key_Down:
        return {0, step};
    default:
        return {};
    }
}

int PlusMinus(const QKeyEvent &key)
{
    switch (key.key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        return 1;
    case Qt::Key_Minus:
    case Qt::Key_Underscore: // Shift with "-" on many keyboards
        return -1;
    default:
        return 0;
    }
}

int ChoiceKey(const QKeyEvent &key)
{
    switch (key.key()) {
    case Qt::Key_1:
    case Qt::Key_Ampersand:
        return 1;
    case Qt::Key_2:
    case Qt::Key_Eacute:
        return 2;
    case Qt::Key_3:
    case Qt::Key_QuoteDbl:
        return 3;
    default:
        return 0;
    }
}

QString SpokenHint(const QString &hint)
{
    return hint.trimmed();
}

} // namespace Irisonde
