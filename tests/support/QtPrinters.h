// SPDX-License-Identifier: MIT
// Lets GoogleTest print Qt's texts readably in failure messages.
#pragma once

#include <QString>
#include <QStringList>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList& texts, std::ostream* out) {
    *out << '[';
    for (qsizetype k = 0; k < texts.size(); ++k)
        *out << (k ? ", \"" : "\"") << texts[k].toStdString() << '"';
    *out << ']';
}
