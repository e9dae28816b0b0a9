#include "catalogue/ParcourU.h"

#include "shell/AppStateU.h"
#include "shell/MainClientU.h"
#include "shell/PaintBoxU.h"

#include <QApplication>
#include <QComboBox>
#include <QAbstractItemView>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTimer>

namespace Irisonde {

namespace {

constexpr int kItemHeight = 16;
constexpr int kIndent = 8; // pixels per folder level
constexpr int kPathRole = Qt::UserRole;
constexpr int kLevelRole = Qt::UserRole + 1;
constexpr int kWarnMs = 3000;

// Folder lines indented by their level, each 16 pixels high.
class TDirDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem shifted(option);
        shifted.rect.setLeft(option.rect.left() + kIndent * index.data(kLevelRole).toInt());
        QStyledItemDelegate::paint(painter, shifted, index);
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const QSize s = QStyledItemDelegate::sizeHint(option, index);
        return {s.width() + kIndent * index.data(kLevelRole).toInt(), kItemHeight};
    }
};

// The deepest folder of `folder` that still exists, not above `root`: a
// folder shown last time may have been removed since.
QString ExistingFolder(const QString &root, QString folder)
{
    while (!QFileInfo(folder).isDir() && folder.size() > root.size() && folder != QLatin1String("/"))
        folder = QFileInfo(folder).path();
    return QFileInfo(folder).isDir() ? folder : root;
}

} // namespace

TParcourF::TParcourF(QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                          | Qt::MSWindowsFixedSizeDialogHint),
      m_folder(QDir::currentPath())
{
    setObjectName(QStringLiteral("ParcourF"));
    setWindowTitle(QStringLiteral(" Spécifier le chemin de travail"));
    setFont(ArialPx(11));
    setFixedSize(314, 176);
    setModal(true);

    DriveBox = new QComboBox(this);
    DriveBox->setObjectName(QStringLiteral("DriveBox"));
    DriveBox->setGeometry(8, 8, 209, 20);
    DriveBox->setAccessibleName(QStringLiteral("Lecteur"));
    DriveBox->view()->setAccessibleName(QStringLiteral("Lecteurs"));
    connect(DriveBox, &QComboBox::currentIndexChanged, this, &TParcourF::DriveBoxChange);

    DirBox = new QListWidget(this);
    DirBox->setObjectName(QStringLiteral("DirBox"));
    DirBox->setGeometry(8, 36, 209, 105);
    DirBox->setAccessibleName(QStringLiteral("Dossiers"));
    DirBox->setItemDelegate(new TDirDelegate(DirBox));
    DirBox->setUniformItemSizes(true);
    DirBox->setIconSize(QSize(14, 14));
    connect(DirBox, &QListWidget::itemActivated, this, &TParcourF::DirBoxActivated);

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(8, 148, 293, 22);
    Edit1->setAccessibleName(QStringLiteral("Chemin de travail"));

    PB = new TPaintBox(this, QRect(227, 10, 79, 29), [](QPainter &p) { p.drawImage(0, 0, App::MiniLogo()); });
    PB->setObjectName(QStringLiteral("PB"));
    PB->setAccessibleName(QStringLiteral("Logo d'Irisonde"));

    const auto button = [this](const char *name, const QString &caption, int top) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(228, top, 75, 24);
        // Enter in the folder list opens a folder; it must not press a button.
        b->setAutoDefault(false);
        return b;
    };
    AnnulBout = button("AnnulBout", QStringLiteral("&Annuler"), 52);
    AideBout = button("AideBout", QStringLiteral("Ai&de"), 84);
    OkBout = button("OkBout", QStringLiteral("&Ok"), 116);
    OkBout->setAccessibleDescription(QStringLiteral("Choisit le dossier ouvert comme chemin de travail"));
    connect(AnnulBout, &QPushButton::clicked, this, &TParcourF::AnnulBoutClick);
    connect(AideBout, &QPushButton::clicked, this, &TParcourF::AideBoutClick);
    connect(OkBout, &QPushButton::clicked, this, &TParcourF::OkBoutClick);

    Warn = new QTimer(this);
    Warn->setObjectName(QStringLiteral("Warn"));
    Warn->setInterval(kWarnMs);
    // Three seconds from the failure, not "about" three: a coarse timer may
    // end the warning 150 ms early.
    Warn->setTimerType(Qt::PreciseTimer);
    connect(Warn, &QTimer::timeout, this, &TParcourF::WarnTimer);
}

void TParcourF::showEvent(QShowEvent *event)
{
    if (!event->spontaneous()) {
        FormShow();
        if (const QScreen *screen = QGuiApplication::primaryScreen()) {
            const QRect area = screen->availableGeometry();
            move(area.center() - QPoint(frameGeometry().width() / 2, frameGeometry().height() / 2));
        }
    }
    QDialog::showEvent(event);
}

void TParcourF::FormShow()
{
    FillDrives();
    const QString start = m_state.FormShow();
    if (!start.isEmpty()) {
        const QString drive = TParcourState::DriveOf(start, ListVolumes());
        // The start folder exists: its volume counts as one that worked, even
        // when its top folder may not be listed by this user.
        m_state.LastDrive = drive;
        ShowFolder(drive, start);
    } else {
        // The lists keep what they showed; read the folder again all the same.
        ShowFolder(m_drive.isEmpty() ? TParcourState::DriveOf(m_folder, ListVolumes()) : m_drive, m_folder);
    }
    Edit1->setText(m_state.EditText(m_folder));
}

void TParcourF::FillDrives()
{
    const QSignalBlocker quiet(DriveBox);
    DriveBox->clear();
    for (const TVolume &v : ListVolumes())
        DriveBox->addItem(QApplication::style()->standardIcon(QStyle::SP_DriveHDIcon), v.Root, v.Root);
    DriveBox->setCurrentIndex(std::max(0, DriveBox->findData(m_drive)));
}

void TParcourF::ShowFolder(const QString &drive, const QString &folder)
{
    m_drive = drive;
    m_folder = ExistingFolder(drive, folder);
    m_state.SetFolder(drive, m_folder);
    {
        const QSignalBlocker quiet(DriveBox);
        const int i = DriveBox->findData(drive);
        if (i >= 0)
            DriveBox->setCurrentIndex(i);
    }
    const QIcon open = QApplication::style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = QApplication::style()->standardIcon(QStyle::SP_DirClosedIcon);
    DirBox->clear();
    for (const TDirItem &d : TParcourState::DirItems(drive, m_folder)) {
        auto *item = new QListWidgetItem(d.Open ? open : closed, d.Text, DirBox);
        item->setData(kPathRole, d.Path);
        item->setData(kLevelRole, d.Level);
        if (d.Current)
            DirBox->setCurrentItem(item);
    }
}

void TParcourF::DriveBoxChange()
{
    const TDriveChange change = m_state.DriveBoxChange(DriveBox->currentData().toString());
    ShowFolder(change.Drive, m_state.FolderOn(change.Drive));
    if (change.Ok) {
        DirBoxChange();
        return;
    }
    if (change.StartTimer)
        Warn->start();
    ShowDriveWarning();
}

void TParcourF::ShowDriveWarning()
{
    SetEditColour(QColor(255, 0, 0));
    Edit1->setText(m_state.EditText(m_folder));
}

void TParcourF::DirBoxActivated(QListWidgetItem *item)
{
    const QString path = item ? item->data(kPathRole).toString() : QString();
    if (path.isEmpty() || path == m_folder)
        return;
    ShowFolder(m_drive, path);
    DirBoxChange();
}

void TParcourF::DirBoxChange()
{
    if (!m_state.WarningShown)
        Edit1->setText(m_state.EditText(m_folder));
}

void TParcourF::WarnTimer()
{
    Warn->stop();
    m_state.WarnTimer();
    SetEditColour(QColor(0, 0, 0));
    Edit1->setText(m_state.EditText(m_folder));
}

void TParcourF::SetEditColour(const QColor &colour)
{
    QPalette p = Edit1->palette();
    p.setColor(QPalette::Text, colour);
    Edit1->setPalette(p);
}

void TParcourF::OkBoutClick()
{
    m_state.OkBoutClick(m_folder);
    accept();
}

void TParcourF::AnnulBoutClick()
{
    reject();
}

void TParcourF::AideBoutClick()
{
    // The original button did nothing; the catalogue's topic covers the chooser.
    App::ShowHelp(QStringLiteral("Browser"));
}

} // namespace Irisonde
