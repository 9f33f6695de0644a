// SPDX-License-Identifier: MIT
// The texts of a window in the chosen language: each is set by a small function that runs when
// it is added and again whenever the language changes, so that a window changes its language
// without being built anew and without losing what the user entered.
#pragma once

#include <QEvent>

#include <functional>
#include <utility>
#include <vector>

class TranslatedTexts {
public:
    // Runs `set` now and at every change of language. What it touches must live as long as the
    // owner of these texts (its own child widgets).
    void add(std::function<void()> set) {
        set();
        sets_.push_back(std::move(set));
    }

    // Sets every text again.
    void apply() const {
        for (const auto& set : sets_)
            set();
    }

    // For a window's changeEvent: sets every text again when the event is a change of language.
    // Returns whether it was.
    bool handle(const QEvent* event) const {
        if (event->type() != QEvent::LanguageChange)
            return false;
        apply();
        return true;
    }

private:
    std::vector<std::function<void()>> sets_;
};
