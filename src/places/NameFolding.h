// SPDX-License-Identifier: MIT
// The folded form of a place name by which the directory is searched: without accents, case or
// punctuation, so that "São Paulo", "SAO PAULO" and "Sao-Paulo" read alike.
#pragma once

#include <QString>

enum class Umlauts {
    Dropped,  // "München" folds to "munchen"
    Expanded, // "München" folds to "muenchen", as German writes it without the dots
};

// FoldPlaceName: the search key of a name or of typed text.
//   text      a name as the list gives it, or what the user typed
//   umlauts   how a, o and u with two dots are written
// Returns lower-case words separated by single spaces: accents on Latin letters dropped, the
// letters that have no accent to drop spelled out ("ß" as "ss", "Ø" as "o"), apostrophes
// dropped ("Xi'an" is "xian") and other punctuation read as a space. Other scripts
// (Devanagari) keep their letters and signs. An empty text folds to an empty key.
QString FoldPlaceName(const QString& text, Umlauts umlauts = Umlauts::Dropped);

// Whether the folded text ends where a word could continue: typed text that ends in a space or
// punctuation ("New ") asks for names with a further word, not for "Newark".
bool EndsBetweenWords(const QString& text);
