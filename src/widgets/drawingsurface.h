// SPDX-License-Identifier: MIT
#pragma once
#include <QImage>
#include <QWidget>
#include <optional>

namespace wortilo {

// A picture box used as a drawing surface: what is drawn on it persists (it is kept in an
// image) until the next clear. Positions are in twips relative to the surface. Like a picture
// box it takes the mouse presses on itself: they are not passed on to what lies beneath. A
// double-click is one press and one click.
class DrawingSurface : public QWidget
{
    Q_OBJECT
public:
    explicit DrawingSurface(QWidget *parent = nullptr);

    QColor backgroundColor() const { return m_background; }
    // Sets the background colour; like a fresh surface, it clears what was drawn.
    void setBackgroundColor(const QColor &color);

    void clear();
    QPoint currentPos() const { return m_pos; }
    void setCurrentPos(QPoint twipsPos) { m_pos = twipsPos; }
    // Prints text at the current position in the surface's font and the given colour, without a
    // line break: the current position moves to the right by the text's width. The position is
    // the top of the line; the baseline lies the letters' ascent (letterExtent) below it.
    void print(const QString &text, const QColor &color);
    // Rectangle from one corner to the other, filled and/or outlined.
    void drawRect(const QRect &twipsRect, const std::optional<QColor> &fill,
                  const std::optional<QColor> &outline);

    // What the surface shows (background and drawing).
    const QImage &image() const { return m_image; }

Q_SIGNALS:
    // A mouse button went down at this place (twips, to the nearest whole twip); any button.
    void pressed(QPoint twipsPos, Qt::MouseButton button);
    // A left-button press and release on the surface.
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void ensureImage();

    QImage m_image;
    QColor m_background = Qt::white;
    QPoint m_pos;
    bool m_leftDown = false;
};

} // namespace wortilo
