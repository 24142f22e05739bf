// SPDX-License-Identifier: MIT
#include "typingwindow.h"

#include "core/twips.h"
#include "widgets/controls.h"
#include "widgets/drawingsurface.h"
#include "widgets/fonts.h"
#include "widgets/pictureframe.h"
#include "widgets/shape.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>

namespace wortilo {

FrameLayout TypingWindow::typingLayout(QSize client, QPoint image1, QPoint image2)
{
    FrameLayout l;
    l.client = client;
    l.resizable = true;
    l.image1 = QRect(image1, QSize(5295, 3855));
    l.image2 = QRect(image2, QSize(3855, 5295));
    l.bar = QRect(120, 7920, 10575, 615);
    l.previous = QRect(240, 8040, 1095, 375);
    l.cancel = QRect(4320, 8040, 2175, 375);
    l.next = QRect(9480, 8040, 1095, 375);
    return l;
}

TypingWindow::TypingWindow(ActivityContext &context, Navigation &navigation, OwnedEngine<TypingExercise> exercise,
                           const QString &caption, const FrameLayout &layout, QWidget *parent)
    : ExerciseWindow(context, navigation, std::move(exercise), caption, layout, parent), m_typing(exercise.engine)
{
    // Leaving keeps the pictures; the next activation replaces them anyway.
    setKeepPicturesOnCancel(true);
    m_text = new QLineEdit(this);
    m_text->setObjectName(QStringLiteral("Text1"));
    m_text->setAccessibleName(QStringLiteral("Eingabe"));
    m_text->setFont(verdana(36, true));
    QPalette pal = m_text->palette();
    pal.setColor(QPalette::Base, QColor(0, 0, 192));
    pal.setColor(QPalette::Text, Qt::white);
    m_text->setPalette(pal);
    m_text->setGeometry(twipsRect(120, 6840, 10575, 975));
    // Letters are judged as they are committed; no word completion gets in between.
    m_text->setInputMethodHints(Qt::ImhNoPredictiveText | Qt::ImhNoAutoUppercase);

    // textChanged carries the committed text only: what an input method is still composing
    // is not part of it, so a half-composed letter is never judged.
    connect(m_text, &QLineEdit::textChanged, this, [this](const QString &text) {
        typing().textChanged(text);
        focusText();
    });
    connect(&typing(), &WordFrame::wordPresented, this, [this] {
        // Emptied with its undo history (clear() could be undone, bringing the last word back).
        m_text->setText(QString());
        focusText();
    });
    connect(&typing(), &TypingExercise::visibilityChanged, this, &TypingWindow::showVisibility);
    connect(strip(), &DrawingSurface::clicked, this, &TypingWindow::focusText);
    showVisibility();
}

void TypingWindow::setInstruction(QLabel *instruction)
{
    m_instruction = instruction;
    showVisibility();
}

void TypingWindow::focusText()
{
    m_text->setFocus(Qt::OtherFocusReason);
}

void TypingWindow::mousePressEvent(QMouseEvent *event)
{
    focusText();
    ExerciseWindow::mousePressEvent(event);
}

void TypingWindow::showVisibility()
{
    const TypingExercise &t = typing();
    image1()->setVisible(t.picturesVisible());
    image2()->setVisible(t.picturesVisible());
    strip()->setVisible(t.stripVisible());
    if (m_instruction)
        m_instruction->setVisible(t.instructionVisible());
}

namespace {
// The installed fonts standing in for the design's can be wider: a caption that would be cut
// off by the frame is made smaller until it fits.
void fitCaption(QRadioButton *option)
{
    QFont font = option->font();
    while (option->sizeHint().width() > option->width() && font.pixelSize() > 8) {
        font.setPixelSize(font.pixelSize() - 1);
        option->setFont(font);
    }
}
} // namespace

Form9::Form9(ActivityContext &context, Navigation &navigation, QWidget *parent)
    : ExerciseWindowOf(context, navigation, QStringLiteral("ortilo (Abschrift)"),
                       typingLayout(QSize(10830, 8655), QPoint(2760, 840), QPoint(3480, 120)), parent)
{
    addLabel(QStringLiteral("Label2"), QStringLiteral("Schreibe das Wort bitte fehlerfrei ab."),
             QRect(360, 1920, 2295, 1695), 15.75, QColor(0, 0, 255), kBarColour);

    auto *group = new QWidget(this);
    group->setObjectName(QStringLiteral("Frame1"));
    group->setGeometry(twipsRect(8160, 1920, 2295, 1695));
    fillBackground(group, kBarColour);
    auto *outline = new Shape(group, Qt::transparent, Qt::black);
    outline->setObjectName(QStringLiteral("Shape2"));
    outline->setGeometry(group->rect());

    const struct {
        const char *name;
        const char *caption;
        int top;
        Copying::Model model;
    } options[] = {{"Option1", "Bild", 120, Copying::Model::Picture},
                   {"Option2", "Wort", 600, Copying::Model::Word},
                   {"Option3", "Bild und Wort", 1200, Copying::Model::Both}};
    for (const auto &o : options) {
        auto *option = new QRadioButton(QString::fromLatin1(o.caption), group);
        option->setObjectName(QString::fromLatin1(o.name));
        option->setFont(o.model == Copying::Model::Both ? designFont(QStringLiteral("MS Sans Serif"), 12, true)
                                                        : verdana(12, true));
        // From its place up to the frame's outline.
        option->setGeometry(twipsRect(120, o.top, 2160, 375));
        fitCaption(option);
        option->setChecked(o.model == engine().model());
        const Copying::Model model = o.model;
        connect(option, &QRadioButton::clicked, this, [this, model] {
            engine().setModel(model);
            focusText();
        });
    }
}

Form10::Form10(ActivityContext &context, Navigation &navigation, QWidget *parent)
    : ExerciseWindowOf(context, navigation, QStringLiteral("ortilo (Diktat)"),
                       typingLayout(QSize(10815, 8640), QPoint(5400, 840), QPoint(6120, 120)), parent)
{
    setInstruction(addLabel(QStringLiteral("Label2"), QStringLiteral("Lies das Wort und schreibe es auswendig."),
                            QRect(120, 120, 3975, 1815), 24, QColor(0, 192, 0), QColor(224, 224, 224)));
}

} // namespace wortilo
