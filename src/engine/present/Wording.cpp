// SPDX-License-Identifier: MIT
// The English wording: the names and phrases as the engine and the windows' sources have them.
#include "engine/present/Wording.h"

#include "engine/report/TithiReport.h"

std::string Wording::Name(NameKind, std::string_view english) const {
    return std::string(english);
}

std::string Wording::TithiTitleOf(int tithi) const {
    return TithiTitle(tithi);
}

std::string Wording::FestivalName(std::string_view english) const {
    return std::string(english);
}

std::string Wording::Phrase(const char*, const char* english,
                            const std::vector<std::string>& values) const {
    return FillPlaces(english, values);
}

const Wording& EnglishWords() {
    static const Wording english;
    return english;
}

std::string FillPlaces(std::string_view text, const std::vector<std::string>& values) {
    std::string filled;
    for (std::size_t k = 0; k < text.size(); ++k) {
        if (text[k] == '%' && k + 1 < text.size() && text[k + 1] >= '1' && text[k + 1] <= '9') {
            const auto place = static_cast<std::size_t>(text[k + 1] - '1');
            if (place < values.size()) {
                filled += values[place];
                ++k;
                continue;
            }
        }
        filled += text[k];
    }
    return filled;
}
