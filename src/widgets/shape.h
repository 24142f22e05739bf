// SPDX-License-Identifier: MIT
#pragma once
#include <QColor>
#include <QPoint>
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

// A straight line between two points given in twips of its parent, drawn in one colour. The
// widget covers just the line's bounding box and lets mouse presses through.
class LineShape : public QWidget
{
    Q_OBJECT
public:
    LineShape(QWidget *parent, QPoint fromTwips, QPoint toTwips, const QColor &colour);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPoint m_from; // in the widget's pixels
    QPoint m_to;
    QColor m_colour;
};

// A small face drawn in a square: the hanging figure's worried head or the rescued figure's
// smiling one.
class Face : public QWidget
{
    Q_OBJECT
public:
    enum class Mood { Worried, Happy };

    Face(QWidget *parent, Mood mood);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Mood m_mood;
};

} // namespace wortilo
