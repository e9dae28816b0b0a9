// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/WorkshopU.h"

#include "shell/AccessibleU.h"
#include "shell/AppStateU.h"
#include "shell/FocusRingU.h"
#include "shell/PlacementBoundsU.h"
#include "shell/ProgramU.h"
#include "shell/WorkshopRowU.h"
#include "shell/WorkshopOutputU.h"

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
      frame{QString::fromUtf8(row.Caption), QString::fromLatin1(row.HelpTopic), toolbarHeight, pictureButtons}
{
    setObjectName(QString::fromLatin1(row.Section));
    InstallHintFilter();
    InstallAccessible<TWorkshopF, TWindowAccess>();
    setWindowTitle(frame.caption);
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
    if (frame.pictureButtons) {
        m_ouvreBout = MakeButton(QStringLiteral("OuvreBout"), 108, QStringLiteral(" Ouvrir un fichier image"), ToolGlyph(EGlyph::Open));
        m_defautBout = MakeButton(QStringLiteral("DefautBout"), 140, QStringLiteral(" Revenir à l'image par défaut"), ToolGlyph(EGlyph::Default));
        connect(m_ouvreBout, &QToolButton::clicked, this, [this] { OuvreBoutClick(); });
        connect(m_defautBout, &QToolButton::clicked, this, [this] { DefautBoutClick(); });
    }
    m_output = new TWorkshopOutput(this, m_toolBar, [this] { return CopyImage(); }, frame.caption);
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
    // whole, with the panel's bevel after them.
    const int controlsRight = m_output->LeastRight();
    constexpr int bevel = 4;
    const QSize least = LeastOuterSize().shrunkBy(decoration).expandedTo(QSize(controlsRight + bevel, frame.toolbarHeight + 1));
    if (minimumSize() != least)
        setMinimumSize(least); // resizes (and comes back here) when smaller
    else if (width() < least.width() || height() < least.height())
        QTimer::singleShot(0, this, [this] { resize(size().expandedTo(minimumSize())); });
}

void TWorkshopF::resizeEvent(QResizeEvent *event)
{
    m_toolBar->setGeometry(0, height() - frame.toolbarHeight, width(), frame.toolbarHeight);
    m_output->Place();
    KeepLeastSize();
    QWidget::resizeEvent(event);
    if (awaitingFrame && shown && Irisonde::IsFramed(*this)) {
        // Framed just now and resized to its outer bounds: the show's layout
        // was made for a client area the window no longer has. Nothing has
        // been done in it yet; it is laid out again from the real one, once
        // this resize has been handled, as a show lays out.
        awaitingFrame = false;
        QTimer::singleShot(0, this, [this] {
            if (!shown)
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
        awaitingFrame = false;
}

void TWorkshopF::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // A window coming back from the task bar is not a new showing.
    if (event->spontaneous() || shown)
        return;
    shown = true;
    m_toolBar->setGeometry(0, height() - frame.toolbarHeight, width(), frame.toolbarHeight);
    m_output->Place();
    FormShow();
    KeepLeastSize();
    OrderTabs();
    if (!m_pictureAreas.isEmpty())
        m_pictureAreas.first()->setFocus(Qt::OtherFocusReason);
    // Without a window manager the window is never framed, and the layout
    // stands; with one, the framing may come late on a loaded machine.
    awaitingFrame = !Irisonde::IsFramed(*this);
}

void TWorkshopF::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    if (!shown)
        return;
    shown = false;
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
    for (QToolButton *b : {m_closeBout, m_copierBout, m_aideBout, m_ouvreBout, m_defautBout, m_output->SaveBout(), m_output->PrintBout()})
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
    if (widget != m_pictureAreas.first() || !shown)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        PictureMouseDown(*static_cast<QMouseEvent *>(event));
        return true;
    case QEvent::MouseMove:
        PictureMouseMove(*static_cast<QMouseEvent *>(event));
        return true;
    case QEvent::MouseButtonRelease:
        PictureMouseUp(*static_cast<QMouseEvent *>(event));
        return true;
    case QEvent::KeyPress:
        if (QGuiApplication::mouseButtons() == Qt::NoButton && PictureKeyPress(*static_cast<QKeyEvent *>(event)))
            return true;
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
    const QImage image = CopyImage();
    if (!image.isNull())
        QApplication::clipboard()->setImage(image);
}

void TWorkshopF::AideBoutClick()
{
    m_program.ShowHelp(frame.helpTopic);
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

QIcon ToolGlyph(EGlyph g)
{
    QPixmap pm(20, 20);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink(40, 40, 60);
    switch (g) {
    case EGlyph::Close: // an open door with an arrow leaving
        p.setPen(QPen(ink, 1.2));
        p.setBrush(QColor(190, 150, 90));
        p.drawRect(QRectF(3.5, 2.5, 9, 15));
        p.setBrush(QColor(120, 80, 40));
        p.drawPolygon(QPolygonF({{3.5, 2.5}, {9.5, 4.5}, {9.5, 19}, {3.5, 17.5}}));
        p.setPen(QPen(QColor(180, 30, 30), 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(12, 10), QPointF(18, 10));
        p.drawLine(QPointF(15.5, 7), QPointF(18.5, 10));
        p.drawLine(QPointF(15.5, 13), QPointF(18.5, 10));
        break;
    case EGlyph::Copy: // two sheets, the front one bearing the three lights
        p.setPen(QPen(ink, 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(2.5, 2.5, 10, 12));
        p.drawRect(QRectF(7.5, 6.5, 10, 12));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(230, 40, 40));
        p.drawEllipse(QPointF(11, 11), 2.3, 2.3);
        p.setBrush(QColor(40, 190, 60));
        p.drawEllipse(QPointF(14.3, 11), 2.3, 2.3);
        p.setBrush(QColor(50, 80, 230));
        p.drawEllipse(QPointF(12.6, 14.3), 2.3, 2.3);
        break;
    case EGlyph::Help: { // a blue disc with a question mark
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 90, 200));
        p.drawEllipse(QRectF(1.5, 1.5, 17, 17));
        QFont f(QStringLiteral("Liberation Sans"));
        f.setPixelSize(14);
        f.setBold(true);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(QRectF(1.5, 1.5, 17, 17), Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    case EGlyph::Open: // an open folder
        p.setPen(QPen(QColor(120, 90, 20), 1));
        p.setBrush(QColor(240, 200, 80));
        p.drawPolygon(QPolygonF({{1.5, 4.5}, {7.5, 4.5}, {9.5, 6.5}, {16.5, 6.5}, {16.5, 16.5}, {1.5, 16.5}}));
        p.setBrush(QColor(250, 225, 120));
        p.drawPolygon(QPolygonF({{4.5, 9.5}, {19, 9.5}, {16.5, 16.5}, {1.5, 16.5}}));
        break;
    case EGlyph::Default: { // a small test card: colour bars under a disc
        p.setPen(QPen(ink, 1));
        p.setBrush(QColor(128, 128, 128));
        p.drawRect(QRectF(1.5, 3.5, 17, 13));
        const QColor bars[] = {Qt::yellow, Qt::cyan, Qt::green, Qt::magenta, Qt::red, Qt::blue};
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 6; ++i) {
            p.setBrush(bars[i]);
            p.drawRect(QRectF(3 + 2.4 * i, 7, 2.4, 4));
        }
        p.setBrush(Qt::black);
        p.drawRect(QRectF(3, 11, 14.4, 3));
        break;
    }
    }
    return QIcon(pm);
}

} // namespace Irisonde
