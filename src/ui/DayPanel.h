// The day's panchanga below the tithi report: the vara, the nakshatra with its pada, the yoga and
// the karana with their ends, the risings and settings of the Sun and the Moon, the lunar month
// in both reckonings and the era years. Each value is a label whose accessible name is its
// caption.
#pragma once

#include <QWidget>

class QGridLayout;
class ValueLabel;
struct PanchangaMoment;

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

private:
    ValueLabel* addValue(QGridLayout* grid, int row, int column, const QString& caption,
                         const char* objectName, int span = 1);
};
