// SPDX-License-Identifier: MIT
// The day's panchanga below the tithi report: the vara, the nakshatra with its pada, the yoga and
// the karana with their ends, the risings and settings of the Sun and the Moon, the lunar month
// in both reckonings and the era years; rahu kalam, yamaganda, gulika kalam and abhijit; the
// Moon's and the Sun's rashis and the Moon drawn in its phase. Each value is a label whose
// accessible name is its caption.
#pragma once

#include "engine/day/Panchanga.h"
#include "ui/DayPeriodTexts.h"
#include "ui/TranslatedTexts.h"

#include <QWidget>
#include <optional>

class QGridLayout;
class MoonPhaseWidget;
class ValueLabel;

class DayPanel : public QWidget {
    Q_OBJECT
public:
    explicit DayPanel(QWidget* parent = nullptr);

    // Shows the panchanga of the entered moment; the times on the place's clock, to the minute,
    // with the date where it is not the entered one; the periods of its date and the Moon and
    // the Sun at the moment where they are given.
    void showMoment(const PanchangaMoment& moment,
                    const std::optional<MomentExtras>& extras = std::nullopt);

    // Empties every value (a moment without a panchanga).
    void clear();

    ValueLabel* lblVara{};
    ValueLabel* lblNakshatra{};
    ValueLabel* lblYoga{};
    ValueLabel* lblDayKarana{};
    ValueLabel* lblSunrise{};
    ValueLabel* lblSunset{};
    ValueLabel* lblMoonrise{};
    ValueLabel* lblMoonset{};
    ValueLabel* lblMasa{};
    ValueLabel* lblSamvat{};
    ValueLabel* lblRahuKalam{};
    ValueLabel* lblYamaganda{};
    ValueLabel* lblGulikaKalam{};
    ValueLabel* lblAbhijit{};
    ValueLabel* lblMoonRashi{};
    ValueLabel* lblSunRashi{};
    MoonPhaseWidget* picMoon{};

protected:
    // The captions and the moment shown are told again in the new language.
    void changeEvent(QEvent* event) override;

private:
    // A caption and its value; the value's accessible name is the caption unless one is given.
    ValueLabel* addValue(QGridLayout* grid, int row, int column, const char* caption,
                         const char* objectName, int span = 1, const char* valueName = nullptr);

    std::optional<PanchangaMoment> shown_;
    std::optional<MomentExtras> extras_;
    TranslatedTexts texts_;
};
