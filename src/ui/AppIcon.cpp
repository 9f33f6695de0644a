// SPDX-License-Identifier: MIT
// The program's icon, rendered from its embedded SVG without needing an image plugin.
#include "ui/AppIcon.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

// The resources live in a static library: register them once, before their first use. (Outside
// any namespace, as the registration function is declared where it is called.)
static int RegisterKestravaResources() {
    Q_INIT_RESOURCE(kestrava);
    return 0;
}

static void RegisterResources() {
    static const int registered = RegisterKestravaResources();
    Q_UNUSED(registered);
}

QString KestravaIconPath() {
    RegisterResources();
    return QStringLiteral(":/kestrava.svg");
}

QPixmap KestravaPicture(int size, qreal devicePixelRatio) {
    const int pixels = qRound(size * devicePixelRatio);
    QPixmap pixmap(pixels, pixels);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(KestravaIconPath());
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

QIcon KestravaIcon() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(KestravaPicture(size, 1.0));
    return icon;
}
