// SPDX-License-Identifier: MIT
// The program's icon: a crescent moon in a night sky, drawn in resources/kestrava.svg and
// embedded in the program.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

// The resource path of the icon's SVG.
QString KestravaIconPath();

// The icon at the usual sizes, for window titles and task bars.
QIcon KestravaIcon();

// The icon drawn as a picture of size x size device-independent pixels, sharp on a screen of the
// given pixel ratio.
QPixmap KestravaPicture(int size, qreal devicePixelRatio);
