// SPDX-License-Identifier: MIT
// The Moon drawn in its phase: the lit part and the terminator on a dark disc, the lit side where
// the sky shows it (on the right of a waxing Moon seen from the northern hemisphere, on the left
// from the southern), and a widget that shows it at a size that follows the display's font.
#pragma once

#include <QWidget>

class QPainter;
class QRectF;

// How a Moon is drawn.
struct MoonLook {
    double Illumination{}; // the lit share of the disc, 0 ... 1
    bool Waxing{};
    bool Southern{}; // seen from south of the equator: left and right change places
};

// PaintMoon: the Moon in a square centred in a rectangle.
void PaintMoon(QPainter& painter, const QRectF& rect, const MoonLook& look);

// MoonPhaseText: "23 % lit, waxing", as a screen reader reads the drawing.
QString MoonPhaseText(const MoonLook& look);

class MoonPhaseWidget : public QWidget {
    Q_OBJECT
public:
    // sizeInLines: the disc's diameter in lines of the widget's font.
    explicit MoonPhaseWidget(double sizeInLines = 3, QWidget* parent = nullptr);

    void setMoon(const MoonLook& look);
    void clearMoon();
    const MoonLook& moon() const { return look_; }
    bool hasMoon() const { return shown_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void describe();

    double sizeInLines_;
    MoonLook look_;
    bool shown_{};
};
