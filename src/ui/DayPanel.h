// SPDX-License-Identifier: MIT
// The day's panchanga below the tithi report: the vara, the nakshatra with its pada, the yoga and
// the karana with their ends, the risings and settings of the Sun and the Moon, the lunar month
// in both reckonings and the era years. Each value is a label whose accessible name is its
// caption.
#pragma once

#include "engine/day/Panchanga.h"
#include "ui/TranslatedTexts.h"

#include <QWidget>
#include <optional>

class QGridLayout;
class ValueLabel;

class DayPanel : public QWidget {
    Q_OBJECT
public:
    explicit DayPanel(QWidget* parent = nullptr);

    // Shows the panchanga of the entered moment; the times on the place's clock, to the minute,
    // with the date where it is not the entered one.
    void showMoment(const PanchangaMoment& moment);

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

protected:
    // The captions and the moment shown are told again in the new language.
    void changeEvent(QEvent* event) override;

private:
    // A caption and its value; the value's accessible name is the caption unless one is given.
    ValueLabel* addValue(QGridLayout* grid, int row, int column, const char* caption,
                         const char* objectName, int span = 1, const char* valueName = nullptr);

    std::optional<PanchangaMoment> shown_;
    TranslatedTexts texts_;
};
