// SPDX-License-Identifier: MIT
// The Options menu: which ephemeris every time is found on and which ayanamsa fixes the sidereal
// zodiac, each a group of checkable entries, remembered in the settings store.
#pragma once

#include "engine/sky/SkyChoice.h"
#include "platform/Platform.h"
#include "ui/TranslatedTexts.h"

#include <QObject>

class QAction;
class QMenu;

class SkyMenu : public QObject {
    Q_OBJECT
public:
    // Reads the remembered choice (modern and Lahiri where none is stored, or an unknown one).
    SkyMenu(Platform& platform, QObject* parent);

    // Adds the two submenus to `options`; their texts are set through `texts`.
    void populate(QMenu* options, TranslatedTexts& texts);

    const SkyChoice& choice() const { return choice_; }

    // The settings store's section and keys, and what they hold: the names of SkyChoice.h.
    static constexpr const char* Section = "Options";
    static constexpr const char* EphemerisKey = "Ephemeris";
    static constexpr const char* AyanamsaKey = "Ayanamsa";

Q_SIGNALS:
    // The user chose another ephemeris or ayanamsa (after it is remembered).
    void changed();

private:
    void choose(const SkyChoice& choice);

    Platform& platform_;
    SkyChoice choice_;
};
