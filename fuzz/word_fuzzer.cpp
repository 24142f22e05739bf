// SPDX-License-Identifier: MIT
// libFuzzer entry for judging picture file names: the bytes as a name decoded from UTF-8 (bad
// sequences replaced), from Latin-1 and as raw UTF-16 (lone surrogates included). A name taken
// as a word has an entry starting with an article, a noun of alphabet letters only, and gives
// the same forms when made again from its entry.
//   build-fuzz/fuzz/word_fuzzer -dict=fuzz/word.dict -timeout=10 work/ fuzz/corpus/word
#include "fuzzcheck.h"
#include "core/germantext.h"
#include "core/word.h"

#include <cstddef>
#include <cstdint>

using namespace wortilo;

namespace {

void checkName(const QString &name)
{
    Word::fromEntry(name); // entries of any shape must not crash either

    const std::optional<Word> word = Word::fromFileName(name, kAlphabet);
    if (!word)
        return;
    FUZZ_CHECK(startsWithArticle(word->entry()));
    FUZZ_CHECK(word->article() == u"der" || word->article() == u"die" || word->article() == u"das");
    const QString upperNoun = word->upperNoun();
    for (const QChar c : upperNoun)
        FUZZ_CHECK(kAlphabet.contains(c));
    FUZZ_CHECK(word->entry().startsWith(germanUpper(word->article()) + upperNoun));
    FUZZ_CHECK(germanUpper(word->noun()) == upperNoun);
    FUZZ_CHECK(word->display() == word->article() + u' ' + word->noun());

    const Word again = Word::fromEntry(word->entry());
    FUZZ_CHECK(again.entry() == word->entry());
    FUZZ_CHECK(again.article() == word->article());
    FUZZ_CHECK(again.noun() == word->noun());
    FUZZ_CHECK(again.upperNoun() == upperNoun);
    FUZZ_CHECK(again == *word && qHash(again) == qHash(*word)); // one word, whatever its case
    // The entry is itself a name the program takes as the same word. (Only the same forms: past
    // the first dot the entry may compose further, as in ".ı̈" whose upper case I + ̈ becomes Ï.)
    const std::optional<Word> fromEntryName = Word::fromFileName(word->entry(), kAlphabet);
    FUZZ_CHECK(fromEntryName && fromEntryName->article() == word->article() && fromEntryName->noun() == word->noun());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const auto *chars = reinterpret_cast<const char *>(data);
    checkName(QString::fromUtf8(chars, qsizetype(size)));
    checkName(QString::fromLatin1(chars, qsizetype(size)));
    checkName(QString(reinterpret_cast<const QChar *>(data), qsizetype(size / 2)));
    return 0;
}
