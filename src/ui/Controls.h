// SPDX-License-Identifier: MIT
// Small helpers for building a window's controls: a control with its object name and the name
// a screen reader gives it, and the caption that labels it.
#pragma once

#include <QLabel>
#include <QString>

// Named: sets a control's object name (as tests and the accessibility interface find it) and its
// accessible name; returns the control.
template <typename W> W* Named(W* widget, const char* objectName, const QString& accessibleName) {
    widget->setObjectName(QLatin1String(objectName));
    widget->setAccessibleName(accessibleName);
    return widget;
}

// Caption: a label that names a control and moves the focus to it with its Alt key.
inline QLabel* Caption(const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text);
    label->setBuddy(buddy);
    return label;
}
