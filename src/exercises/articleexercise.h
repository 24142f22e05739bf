// SPDX-License-Identifier: MIT
#pragma once
#include "speech/speaker.h"
#include "wordframe.h"

namespace wortilo {

// An exercise in which the child answers the current word's article: a right answer is
// recorded, confirmed when confirmations are on, and the next word follows; a wrong answer is
// reported and the word stays.
class ArticleExercise : public WordFrame
{
    Q_OBJECT
public:
    enum class Result { NoWord, Right, Wrong };

    static inline const QString kRightCaption = QStringLiteral("Lösung");
    static inline const QString kRightText = QStringLiteral("Der Begleiter ist richtig, weiter nun!");
    static inline const QString kWrongCaption = QStringLiteral("Fehler");

    // Compares the article ("der", "die", "das") with the current word's and runs richtig or
    // falsch. Does nothing when there is no word, or while an answer is still being handled.
    Result check(const QString &article);

    void richtig();
    void falsch();

protected:
    // praise: what is said about the word after a right answer.
    ArticleExercise(ActivityContext &context, Activity activity, const QString &wrongText, Utterance praise);

private:
    Activity m_activity;
    QString m_wrongText;
    Utterance m_praise;
};

// The logic of the article choice ("Begleiter"): der, die or das; a right answer is said with
// its article ("der Hund").
class ArticleChoice : public ArticleExercise
{
    Q_OBJECT
public:
    static inline const QString kWrongText = QStringLiteral("Das stimmt leider nicht, überlege nochmal!");
    explicit ArticleChoice(ActivityContext &context);
};

// The logic of the completion ("Ergänzen"): "Ich sehe" ein, eine or einen; a right answer is
// said as the whole sentence ("Ich sehe einen Hund").
class Completion : public ArticleExercise
{
    Q_OBJECT
public:
    static inline const QString kWrongText = QStringLiteral("Das stimmt leider nicht!");
    explicit Completion(ActivityContext &context);

    // The definite article for which an indefinite one is right: ein → das, eine → die,
    // einen → der.
    static QString articleFor(const QString &indefinite);
    // The answer check for the button with this caption.
    Result checkIndefinite(const QString &indefinite) { return check(articleFor(indefinite)); }
};

} // namespace wortilo
