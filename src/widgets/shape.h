// SPDX-License-Identifier: MIT
#pragma once
#include <QWidget>

namespace wortilo {

// A rectangle shape: filled (or transparent) with a border along its edges, one pixel wide unless
// told otherwise. Like a drawn shape it lets mouse presses through to what lies beneath.
class Shape : public QWidget
{
    Q_OBJECT
public:
    explicit Shape(QWidget *parent = nullptr, const QColor &fill = Qt::transparent,
                   const QColor &border = Qt::black, int borderWidth = 1);

    QColor fillColor() const { return m_fill; }
    void setFillColor(const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_fill;
    QColor m_border;
    int m_borderWidth;
};

} // namespace wortilo
