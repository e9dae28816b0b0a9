// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A windowless-looking paint area whose drawing is handed in by its owner, as
// the bullets of the main window, the logo boxes of the dialogs and the
// workshops' pictures need. A screen reader meets it as a picture: its name
// says what it is, and its owner may hand in a sentence saying what it shows
// now, asked for only when read. Its owner may also hand in a colour-vision
// view, through which every repainted part is shown.
#include <QWidget>
#include <functional>

class QPainter;

namespace Irisonde {

class TColourVision;

class TPaintBox : public QWidget {
    Q_OBJECT
public:
    using Painter = std::function<void(QPainter &)>;
    using Describer = std::function<QString()>;
    TPaintBox(QWidget *parent, const QRect &geometry, Painter paint);

    void SetDescriber(Describer describe) { m_describe = std::move(describe); }
    // The sentence as of now; empty without a describer.
    [[nodiscard]] QString Description() const { return m_describe ? m_describe() : QString(); }
    // What the area shows has changed: a listening screen reader is told.
    void DescriptionChanged();
    // The view the area is shown through; null or normal vision shows the
    // drawing itself. The view must outlive the area or be handed back null.
    void SetView(const TColourVision *view);

signals:
    // A part of the area reached the window's backing store.
    void Painted(const QRect &part);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Painter m_paint;
    Describer m_describe;
    const TColourVision *m_view = nullptr;
};

} // namespace Irisonde
