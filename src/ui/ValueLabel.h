// SPDX-License-Identifier: MIT
// A label that shows a value beside its caption: a screen reader reads the caption as the label's
// name and the value as its text, and hears when a new value replaces the old one.
#pragma once

#include <QLabel>

class ValueLabel : public QLabel {
    Q_OBJECT
public:
    // The caption becomes the label's accessible name; the label starts empty.
    explicit ValueLabel(const QString& caption, QWidget* parent = nullptr);

    // Shows a new value and tells assistive technology of the change. QLabel::setText is not
    // virtual: a value set through a plain QLabel pointer is shown, but not announced.
    void setText(const QString& value);
};
