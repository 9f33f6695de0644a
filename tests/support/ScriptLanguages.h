// SPDX-License-Identifier: MIT
// The languages the program speaks besides English, for the tests that run through all of them:
// each with the block of Unicode its names are written in (The Unicode Standard, its code charts
// of the Indic scripts).
#pragma once

#include "ui/Languages.h"

#include <QString>

#include <string>

struct ScriptLanguage {
    Language language;
    const char* code;
    char32_t first, last; // the script's block
    const char* script;   // for messages
};

inline constexpr ScriptLanguage ScriptLanguages[] = {
    {Language::Hindi, "hi", 0x0900, 0x097F, "Devanagari"},
    {Language::Marathi, "mr", 0x0900, 0x097F, "Devanagari"},
    {Language::Gujarati, "gu", 0x0A80, 0x0AFF, "Gujarati"},
    {Language::Bengali, "bn", 0x0980, 0x09FF, "Bengali"},
    {Language::Tamil, "ta", 0x0B80, 0x0BFF, "Tamil"},
    {Language::Telugu, "te", 0x0C00, 0x0C7F, "Telugu"},
    {Language::Kannada, "kn", 0x0C80, 0x0CFF, "Kannada"},
};

// Whether a text is written in the language's script: it holds a letter, and each of its letters
// and marks is of the script's block (blanks, punctuation, digits and joiners may stand between).
inline bool InScript(const QString& text, const ScriptLanguage& in) {
    bool letters = false;
    for (const char32_t c : text.toUcs4()) {
        const QChar::Category category = QChar::category(c);
        const bool letterOrMark = QChar::isLetter(c) || category == QChar::Mark_NonSpacing ||
                                  category == QChar::Mark_SpacingCombining;
        if (!letterOrMark)
            continue;
        if (c < in.first || c > in.last)
            return false;
        letters = true;
    }
    return letters;
}

inline bool InScript(const std::string& text, const ScriptLanguage& in) {
    return InScript(QString::fromStdString(text), in);
}
