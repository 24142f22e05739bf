// SPDX-License-Identifier: MIT
#pragma once
#include "pictures/picture.h"

#include <QImage>
#include <QWidget>

namespace wortilo {

// An image control that shows its picture stretched to its own size (aspect ratio not kept).
// An unloadable picture shows as a light grey area without text; an empty frame draws nothing
// and lets clicks through to what lies beneath. A double-click is one click.
class PictureFrame : public QWidget
{
    Q_OBJECT
public:
    static inline const QColor kPlaceholder = QColor(224, 224, 224);

    explicit PictureFrame(QWidget *parent = nullptr);

    void setPicture(const Picture &picture);
    const Picture &picture() const { return m_picture; }

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    Picture m_picture;
    QImage m_rendered;    // the picture at the frame's size, made when first painted; null: placeholder
    QSize m_renderedSize; // the size m_rendered was made for
    bool m_pressed = false;
};

} // namespace wortilo
