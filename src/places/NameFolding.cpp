// SPDX-License-Identifier: MIT
// The folded form of a place name: accents, case and punctuation set aside for searching.
#include "places/NameFolding.h"

#include <QChar>
#include <QList>

namespace {

bool IsApostrophe(char32_t c) {
    // Straight, curly and modifier apostrophes, the Hawaiian ʻokina and the backtick that
    // transliterations use: "Xi'an", "Kal’kutta", "Oʻahu" are each one word.
    return c == U'\'' || c == U'\u2019' || c == U'\u2018' || c == U'\u02BC' || c == U'\u02BB' ||
           c == U'`';
}

bool IsMark(char32_t c) {
    const QChar::Category category = QChar::category(c);
    return category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining ||
           category == QChar::Mark_Enclosing;
}

// Latin letters that carry no separable accent, spelled as an English reader types them.
const char* SpelledOut(char32_t c) {
    switch (c) {
    case U'ß':
    case U'ẞ':
        return "ss";
    case U'æ':
    case U'Æ':
        return "ae";
    case U'œ':
    case U'Œ':
        return "oe";
    case U'ø':
    case U'Ø':
        return "o";
    case U'đ':
    case U'Đ':
    case U'ð':
    case U'Ð':
        return "d";
    case U'ł':
    case U'Ł':
        return "l";
    case U'þ':
    case U'Þ':
        return "th";
    case U'ı':
        return "i";
    case U'ħ':
    case U'Ħ':
        return "h";
    case U'ŧ':
    case U'Ŧ':
        return "t";
    case U'ə':
    case U'Ə':
        return "e";
    default:
        return nullptr;
    }
}

} // namespace

QString FoldPlaceName(const QString& text, Umlauts umlauts) {
    // Compatibility decomposition separates accents from their letters and turns ligatures,
    // full-width and superscript forms into plain ones.
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString folded;
    folded.reserve(decomposed.size());
    bool afterLatinLetter = false; // accents that follow are dropped
    bool afterLetter = false;      // signs that follow belong to the word
    bool wordBreak = false;        // a space is due before the next letter
    for (const char32_t c : decomposed.toUcs4()) {
        if (IsApostrophe(c)) {
            continue;
        }
        if (IsMark(c)) {
            if (afterLatinLetter) {
                // The two dots of German a, o and u stand for an "e" after them.
                if (c == U'\u0308' && umlauts == Umlauts::Expanded && !folded.isEmpty() &&
                    QStringView(u"aou").contains(folded.back())) {
                    folded.append(u'e');
                }
            } else if (afterLetter) {
                folded.append(QString::fromUcs4(&c, 1));
            }
            continue;
        }
        if (!QChar::isLetterOrNumber(c)) {
            wordBreak = true;
            afterLatinLetter = afterLetter = false;
            continue;
        }
        if (wordBreak && !folded.isEmpty()) {
            folded.append(u' ');
        }
        wordBreak = false;
        afterLetter = true;
        afterLatinLetter = QChar::script(c) == QChar::Script_Latin;
        if (const char* spelled = SpelledOut(c)) {
            folded.append(QLatin1StringView(spelled));
        } else {
            const char32_t lower = QChar::toCaseFolded(c);
            folded.append(QString::fromUcs4(&lower, 1));
        }
    }
    // Scripts whose signs do not come apart from their letters (Devanagari's nukta) are put back
    // together, so that typed text and the list's names meet in one form.
    return folded.normalized(QString::NormalizationForm_C);
}

bool EndsBetweenWords(const QString& text) {
    const QList<uint> codePoints = text.toUcs4();
    if (codePoints.isEmpty() || FoldPlaceName(text).isEmpty()) {
        return false;
    }
    const char32_t last = codePoints.back();
    return !IsApostrophe(last) && !IsMark(last) && !QChar::isLetterOrNumber(last);
}
