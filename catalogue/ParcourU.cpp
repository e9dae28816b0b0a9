// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "catalogue/ParcourU.h"

#include "catalogue/EnterPressU.h"
#include "shell/AccessibleU.h"
#include "shell/StatusLineU.h"
#include "shell/AppStateU.h"
#include "shell/ProgramU.h"
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
    while (!TParcourState::IsFolder(folder) && folder.size() > root.size() && folder != QLatin1String("/"))
        folder = QFileInfo(folder).path();
    return TParcourState::IsFolder(folder) ? folder : root;
}

} // namespace

TParcourF::TParcourF(TProgram &program, QWidget *parent, std::chrono::milliseconds warningStay)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                          | Qt::MSWindowsFixedSizeDialogHint),
      m_program(program), m_folder(QDir::currentPath()), m_showing(*this, [this] { FormShow(); })
{
    setObjectName(QStringLiteral("ParcourF"));
    setWindowTitle(QStringLiteral(" Spécifier le chemin de travail"));
    setFont(ArialPx(11));
    setFixedSize(314, 176);
    setModal(true);

    m_driveBox = new QComboBox(this);
    m_driveBox->setObjectName(QStringLiteral("DriveBox"));
    m_driveBox->setGeometry(8, 8, 209, 20);
    LabelForScreenReaders(*m_driveBox, QStringLiteral("Lecteur"));
    m_driveBox->view()->setAccessibleName(QStringLiteral("Lecteurs"));
    connect(m_driveBox, &QComboBox::currentIndexChanged, this, &TParcourF::DriveBoxChange);

    m_dirBox = new QListWidget(this);
    m_dirBox->setObjectName(QStringLiteral("DirBox"));
    m_dirBox->setGeometry(8, 36, 209, 105);
    m_dirBox->setAccessibleName(QStringLiteral("Dossiers"));
    m_dirBox->setItemDelegate(new TDirDelegate(m_dirBox));
    m_dirBox->setUniformItemSizes(true);
    m_dirBox->setIconSize(QSize(14, 14));
    connect(m_dirBox, &QListWidget::itemActivated, this, &TParcourF::DirBoxActivated);

    m_edit1 = new QLineEdit(this);
    m_edit1->setObjectName(QStringLiteral("Edit1"));
    m_edit1->setGeometry(8, 148, 293, 22);
    m_edit1->setAccessibleName(QStringLiteral("Chemin de travail"));

    m_pb = new TPaintBox(this, QRect(227, 10, 79, 29), [](QPainter &p) { p.drawImage(0, 0, App::MiniLogo()); });
    m_pb->setObjectName(QStringLiteral("PB"));
    m_pb->setAccessibleName(QStringLiteral("Logo d'Irisonde"));

    const auto button = [this](const char *name, const QString &caption, int top) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(228, top, 75, 24);
        // Enter in the folder list opens a folder; it must not press a button.
        // Enter on a button presses that one.
        b->setAutoDefault(false);
        TEnterPress::Install(b);
        return b;
    };
    m_annulBout = button("AnnulBout", QStringLiteral("&Annuler"), 52);
    m_aideBout = button("AideBout", QStringLiteral("Ai&de"), 84);
    m_okBout = button("OkBout", QStringLiteral("&Ok"), 116);
    m_okBout->setAccessibleDescription(QStringLiteral("Choisit le dossier ouvert comme chemin de travail"));
    connect(m_annulBout, &QPushButton::clicked, this, &TParcourF::AnnulBoutClick);
    connect(m_aideBout, &QPushButton::clicked, this, &TParcourF::AideBoutClick);
    connect(m_okBout, &QPushButton::clicked, this, &TParcourF::OkBoutClick);

    m_warn = new QTimer(this);
    m_warn->setObjectName(QStringLiteral("Warn"));
    m_warn->setInterval(warningStay);
    // The whole stay from the failure, not about as long: a coarse timer may
    // end the warning 150 ms early.
    m_warn->setTimerType(Qt::PreciseTimer);
    connect(m_warn, &QTimer::timeout, this, &TParcourF::WarnTimer);
}

void TParcourF::FormShow()
{
    FillDrives();
    const QString start = m_state.FormShow();
    if (!start.isEmpty()) {
        const QString drive = TParcourState::DriveOf(start, m_listVolumes());
        // The start folder exists: its volume counts as one that worked, even
        // when its top folder may not be listed by this user.
        m_state.LastDrive = drive;
        ShowFolder(drive, start);
    } else {
        // The lists keep what they showed; read the folder again all the same.
        ShowFolder(m_drive.isEmpty() ? TParcourState::DriveOf(m_folder, m_listVolumes()) : m_drive, m_folder);
    }
    m_edit1->setText(m_state.EditText(m_folder));
}

void TParcourF::FillDrives()
{
    const QSignalBlocker quiet(m_driveBox);
    m_driveBox->clear();
    for (const TVolume &v : m_listVolumes())
        m_driveBox->addItem(QApplication::style()->standardIcon(QStyle::SP_DriveHDIcon), v.Root, v.Root);
    m_driveBox->setCurrentIndex(std::max(0, m_driveBox->findData(m_drive)));
}

void TParcourF::ShowFolder(const QString &drive, const QString &folder)
{
    m_drive = drive;
    m_folder = ExistingFolder(drive, folder);
    m_state.SetFolder(drive, m_folder);
    {
        const QSignalBlocker quiet(m_driveBox);
        const int i = m_driveBox->findData(drive);
        if (i >= 0)
            m_driveBox->setCurrentIndex(i);
    }
    const QIcon open = QApplication::style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = QApplication::style()->standardIcon(QStyle::SP_DirClosedIcon);
    m_dirBox->clear();
    for (const TDirItem &d : TParcourState::DirItems(drive, m_folder)) {
        auto *item = new QListWidgetItem(d.Open ? open : closed, d.Text, m_dirBox);
        item->setData(kPathRole, d.Path);
        item->setData(kLevelRole, d.Level);
        if (d.Current)
            m_dirBox->setCurrentItem(item);
    }
}

void TParcourF::DriveBoxChange()
{
    const TDriveChange change = m_state.DriveBoxChange(m_driveBox->currentData().toString());
    ShowFolder(change.Drive, m_state.FolderOn(change.Drive));
    if (change.Ok) {
        DirBoxChange();
        return;
    }
    if (change.StartTimer)
        m_warn->start();
    ShowDriveWarning();
}

void TParcourF::ShowDriveWarning()
{
    SetEditColour(QColor(255, 0, 0));
    m_edit1->setText(m_state.EditText(m_folder));
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
        m_edit1->setText(m_state.EditText(m_folder));
}

void TParcourF::WarnTimer()
{
    m_warn->stop();
    m_state.WarnTimer();
    SetEditColour(QColor(0, 0, 0));
    m_edit1->setText(m_state.EditText(m_folder));
}

void TParcourF::SetEditColour(const QColor &colour)
{
    QPalette p = m_edit1->palette();
    p.setColor(QPalette::Text, colour);
    m_edit1->setPalette(p);
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
    m_program.ShowHelp(QStringLiteral("Browser"));
}

} // namespace Irisonde
