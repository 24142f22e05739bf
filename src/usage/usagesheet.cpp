// SPDX-License-Identifier: MIT
#include "usagesheet.h"

#include <QTextCursor>
#include <QTextDocument>

namespace wortilo {

std::unique_ptr<QTextDocument> usageSheet(const QString &name, const QDate &date,
                                          const std::array<QString, kActivityCount> &headings,
                                          const std::array<QStringList, kActivityCount> &lines, const QFont &font)
{
    auto document = std::make_unique<QTextDocument>();
    QFont body = font;
    body.setPointSizeF(12);
    body.setBold(false);
    document->setDefaultFont(body);
    QTextCharFormat title;
    title.setFont(body);
    title.setFontPointSize(18);
    title.setFontWeight(QFont::Bold);
    QTextCharFormat heading;
    heading.setFont(body);
    heading.setFontPointSize(14);
    heading.setFontWeight(QFont::Bold);
    QTextCharFormat plain;
    plain.setFont(body);
    QTextBlockFormat spaced;
    spaced.setTopMargin(12);

    // Typed by hand, never read as markup: the cursor inserts plain text.
    QTextCursor cursor(document.get());
    cursor.insertText(name, title);
    cursor.insertBlock();
    cursor.insertText(date.toString(QStringLiteral("dd.MM.yyyy")), plain);
    for (int i = 0; i < kActivityCount; ++i) {
        cursor.insertBlock(spaced);
        cursor.insertText(headings[std::size_t(i)], heading);
        cursor.insertBlock(QTextBlockFormat());
        const QStringList &words = lines[std::size_t(i)];
        cursor.insertText(words.isEmpty() ? QStringLiteral("–") : words.join(QStringLiteral(", ")), plain);
    }
    return document;
}

} // namespace wortilo
