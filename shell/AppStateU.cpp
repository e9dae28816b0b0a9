#include "shell/AppStateU.h"

#include "shell/HelpU.h"

#include <QApplication>
#include <QMessageBox>
#include <QPixmap>

namespace App {

const QCursor &LinkCursor()
{
    // The pointing hand "C_Main"; its hot spot is the tip of the finger.
    static const QCursor cursor = [] {
        const QPixmap hand(QStringLiteral(":/res/C_Main.png"));
        return hand.isNull() ? QCursor(Qt::PointingHandCursor) : QCursor(hand, 6, 0);
    }();
    return cursor;
}

void ShowWarning(const QString &text, QWidget *parent)
{
    QApplication::beep();
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Avertissement"), text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void ShowHelp(const QString &topic)
{
    THelpF::Instance().ShowTopic(HelpFile, topic);
}

} // namespace App
