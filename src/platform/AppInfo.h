// SPDX-License-Identifier: MIT
// The program's title and window caption, shared by every window and message.
#pragma once

#include <QString>

inline QString AppTitle() {
    return QStringLiteral("Kestrava");
}
inline QString WindowCaption() {
    return QStringLiteral("Kestrava v1.15");
}
