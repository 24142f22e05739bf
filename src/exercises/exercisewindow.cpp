// SPDX-License-Identifier: MIT
#include "exercisewindow.h"

#include "widgets/controls.h"
#include "widgets/drawingsurface.h"
#include "widgets/fonts.h"
#include "core/palette.h"
#include "core/twips.h"
#include "widgets/pictureframe.h"
#include "widgets/speakerbutton.h"

#include <QLabel>
#include <QPushButton>

namespace wortilo {

ExerciseWindow::ExerciseWindow(ActivityContext &context, Navigation &navigation, OwnedEngine<WordFrame> frame,
                               const QString &caption, const FrameLayout &layout, QWidget *parent)
    : ActivityWindow(context, navigation, parent), m_frame(std::move(frame.owner))
{
    setWindowTitle(caption);
    setClientSizeTwips(layout.client.width(), layout.client.height(), layout.resizable);

    // Image2 lies above Image1; an empty frame draws nothing, so the one that shows the
    // picture is always seen.
    m_image1 = new PictureFrame(this);
    m_image1->setObjectName(QStringLiteral("Image1"));
    m_image1->setAccessibleName(QStringLiteral("Bild"));
    m_image1->setGeometry(twipsRect(layout.image1));
    m_image2 = new PictureFrame(this);
    m_image2->setObjectName(QStringLiteral("Image2"));
    m_image2->setAccessibleName(QStringLiteral("Bild"));
    m_image2->setGeometry(twipsRect(layout.image2));
    m_frame->setShownSizes(m_image1->size(), m_image2->size());

    m_strip = new DrawingSurface(this);
    m_strip->setObjectName(QStringLiteral("Picture1"));
    setAccessibleContent(m_strip, QStringLiteral("Wort"), QString());
    m_strip->setFont(verdana(36, true));
    m_strip->setGeometry(twipsRect(layout.strip));

    addButtonBar(this, layout.bar);
    const QFont arrows = verdana(14.25, true);
    m_previous = addButton(this, layout.previousName, QStringLiteral("<<"), layout.previous, arrows);
    m_cancel = addCancelButton(QStringLiteral("Command1"), layout.cancel, verdana(9.75, true));
    m_next = addButton(this, layout.nextName, QStringLiteral(">>"), layout.next, arrows);
    m_previous->setAccessibleName(QStringLiteral("Nächstes Wort"));
    m_next->setAccessibleName(QStringLiteral("Nächstes Wort"));
    connect(m_previous, &QPushButton::clicked, this, [this] { previousClicked(); });
    connect(m_next, &QPushButton::clicked, this, [this] { nextClicked(); });
    // In the bar's free space beside "<<", as high as its buttons.
    const QRect &previous = layout.previous;
    SpeakerButton *speaker = addSpeakerButton(
        this, QRect(previous.x() + previous.width() + 120, previous.y(), 735, previous.height()), context.speaker());
    connect(speaker, &QPushButton::clicked, m_frame.get(), &WordFrame::sayWord);

    connect(m_frame.get(), &WordFrame::picturesChanged, this, &ExerciseWindow::showPictures);
    connect(m_frame.get(), &WordFrame::stripChanged, this, &ExerciseWindow::showStrip);
}

QLabel *ExerciseWindow::addLabel(const QString &name, const QString &text, const QRect &twipsRect, double points,
                                 const QColor &colour, const QColor &background)
{
    QLabel *label = wortilo::addWrappedLabel(this, name, text, twipsRect, verdana(points, true));
    setTextColour(label, colour);
    fillBackground(label, background);
    return label;
}

void ExerciseWindow::activate()
{
    centre();
    m_strip->setBackgroundColor(context().background());
    m_frame->presentNewWord();
    if (!m_frame->hasWord())
        refuseWithoutWords();
}

void ExerciseWindow::previousClicked()
{
    if (m_frame->hasWord() && !m_frame->isBusy())
        m_frame->presentNewWord();
}

void ExerciseWindow::nextClicked()
{
    if (m_frame->hasWord() && !m_frame->isBusy())
        m_frame->presentNewWord();
}

void ExerciseWindow::cancelClicked()
{
    if (!m_keepPicturesOnCancel)
        m_frame->clearPictures();
    leave();
}

void ExerciseWindow::addAnswerButtons(std::initializer_list<AnswerButton> buttons, int left, QSize size,
                                      const std::function<void(const QString &)> &answer)
{
    for (const AnswerButton &b : buttons) {
        const QString caption = QString::fromLatin1(b.caption);
        QPushButton *button = addButton(this, QString::fromLatin1(b.name), caption, QRect(QPoint(left, b.top), size),
                                        verdana(20.25, true));
        connect(button, &QPushButton::clicked, this, [answer, caption] { answer(caption); });
    }
}

void ExerciseWindow::drawStrip(const QList<StripGlyph> &glyphs)
{
    m_strip->clear();
    for (const StripGlyph &glyph : glyphs)
        m_strip->print(glyph.text, paletteColor(glyph.colour));
}

void ExerciseWindow::showPictures()
{
    m_image1->setPicture(m_frame->landscapeFrame());
    m_image2->setPicture(m_frame->portraitFrame());
}

void ExerciseWindow::showStrip()
{
    drawStrip(m_frame->strip());
    setAccessibleContent(m_strip, QStringLiteral("Wort"), m_frame->stripText());
}

} // namespace wortilo
