// SPDX-License-Identifier: MIT
// The Options menu: which ephemeris every time is found on and which ayanamsa fixes the sidereal
// zodiac, each a group of checkable entries, remembered among the settings' preferences.
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

Q_SIGNALS:
    // The user chose another ephemeris or ayanamsa (after it is remembered).
    void changed();

private:
    void choose(const SkyChoice& choice);

    Platform& platform_;
    SkyChoice choice_;
};
