// SPDX-License-Identifier: MIT
#pragma once
#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QLabel;
class QListWidget;
class QPushButton;
class QWidget;

// Controls placed in twips, as every window of the program lays them out.
namespace wortilo {

// The light blue of the activity windows' button bars and of the gallows' keyboard.
inline const QColor kBarColour(128, 128, 255);

class Shape;

// A push button with its object name and caption at a place given in twips; it never becomes
// the default button, so Enter in a text field does not press it; a double-click presses it once.
QPushButton *addButton(QWidget *parent, const QString &name, const QString &caption, const QRect &twips,
                       const QFont &font);
// A label showing plain text (never markup: a name typed by the user stays as typed).
QLabel *addLabel(QWidget *parent, const QString &name, const QString &text, const QRect &twips, const QFont &font);
// A label of plain text wrapped at word ends from its top left corner, its lines as far apart as
// its letters reach (letterExtent), not as far as the face's taller line box would set them.
QLabel *addWrappedLabel(QWidget *parent, const QString &name, const QString &text, const QRect &twips,
                        const QFont &font);
// A list with its object name and the accessible name that says what it lists.
QListWidget *addList(QWidget *parent, const QString &name, const QString &accessibleName, const QRect &twips,
                     const QFont &font);
Shape *addShape(QWidget *parent, const QString &name, const QRect &twips, const QColor &fill,
                const QColor &border = Qt::black, int borderWidth = 1);
// The light-blue bar Shape1 along the bottom of an activity window, behind its buttons.
QWidget *addButtonBar(QWidget *parent, const QRect &twips);
// Fills the widget's background with the colour (check boxes and labels too).
void fillBackground(QWidget *widget, const QColor &colour);
// Sets the colour the widget paints its text in: a label's or frame's window text, a button's
// caption, and the items and text of a list or text field (which paint with the Text role).
void setTextColour(QWidget *widget, const QColor &colour);
// What assistive technology reads of a control that shows changing content: the content as its
// accessible name, like a label's text, and its purpose as its description. While it shows
// nothing, its purpose is its name too.
void setAccessibleContent(QWidget *widget, const QString &purpose, const QString &content);

} // namespace wortilo
