// SPDX-License-Identifier: MIT
// The Moon's disc: the lit part bounded by the bright limb and the terminator, the half-ellipse
// whose half-width is (1 - 2k) of the radius for a lit share k.
#include "ui/MoonPainting.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

void PaintMoon(QPainter& painter, const QRectF& rect, const MoonLook& look) {
    const double diameter = std::min(rect.width(), rect.height());
    if (diameter <= 0)
        return;
    const double r = diameter / 2;
    const QPointF centre = rect.center();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor dark(52, 56, 66), lit(250, 240, 200), rim(120, 120, 130);
    painter.setPen(Qt::NoPen);
    painter.setBrush(dark);
    painter.drawEllipse(centre, r, r);

    const double k = std::clamp(look.Illumination, 0.0, 1.0);
    // The lit limb faces the Sun: west of the Moon in the evening sky of a waxing Moon, which a
    // northern observer sees on the right.
    const double side = (look.Waxing != look.Southern) ? 1.0 : -1.0;
    QPainterPath path;
    constexpr int Steps = 48;
    constexpr double Pi = 3.14159265358979323846;
    // The bright limb from the top to the bottom, then the terminator back up.
    for (int i = 0; i <= Steps; ++i) {
        const double a = Pi * i / Steps; // 0 at the top
        const QPointF p(centre.x() + side * r * std::sin(a), centre.y() - r * std::cos(a));
        i == 0 ? path.moveTo(p) : path.lineTo(p);
    }
    const double terminator = (1 - 2 * k) * r;
    for (int i = Steps; i >= 0; --i) {
        const double a = Pi * i / Steps;
        path.lineTo(centre.x() + side * terminator * std::sin(a), centre.y() - r * std::cos(a));
    }
    path.closeSubpath();
    painter.setBrush(lit);
    painter.drawPath(path);

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(rim, std::max(1.0, diameter / 48)));
    painter.drawEllipse(centre, r, r);
    painter.restore();
}

QString MoonPhaseText(const MoonLook& look) {
    const QString percent = QString::number(look.Illumination * 100, 'f', 0);
    return look.Waxing ? MoonPhaseWidget::tr("%1 % lit, waxing").arg(percent)
                       : MoonPhaseWidget::tr("%1 % lit, waning").arg(percent);
}

MoonPhaseWidget::MoonPhaseWidget(double sizeInLines, QWidget* parent)
    : QWidget(parent), sizeInLines_(sizeInLines) {
    setObjectName(QStringLiteral("picMoon"));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    describe();
}

void MoonPhaseWidget::setMoon(const MoonLook& look) {
    look_ = look;
    shown_ = true;
    describe();
    update();
}

void MoonPhaseWidget::clearMoon() {
    shown_ = false;
    describe();
    update();
}

QSize MoonPhaseWidget::sizeHint() const {
    // The font's height already follows the display's scale.
    const int side = static_cast<int>(std::ceil(fontMetrics().height() * sizeInLines_));
    return {side, side};
}

void MoonPhaseWidget::paintEvent(QPaintEvent*) {
    if (!shown_)
        return;
    QPainter painter(this);
    PaintMoon(painter, QRectF(rect()).adjusted(1, 1, -1, -1), look_);
}

void MoonPhaseWidget::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        describe();
    else if (event->type() == QEvent::FontChange)
        updateGeometry();
    QWidget::changeEvent(event);
}

void MoonPhaseWidget::describe() {
    setAccessibleName(tr("Moon"));
    setAccessibleDescription(shown_ ? MoonPhaseText(look_) : QString());
    setToolTip(shown_ ? MoonPhaseText(look_) : QString());
}
