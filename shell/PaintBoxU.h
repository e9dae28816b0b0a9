#pragma once
// A windowless-looking paint area whose drawing is handed in by its owner, as
// the bullets of the main window and the logo boxes of the dialogs need.
#include <QWidget>
#include <functional>

class QPainter;

namespace Irisonde {

class TPaintBox : public QWidget {
    Q_OBJECT
public:
    using Painter = std::function<void(QPainter &)>;
    TPaintBox(QWidget *parent, const QRect &geometry, Painter paint);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Painter paint;
};

} // namespace Irisonde
