// SPDX-License-Identifier: MIT
// Windows that fit the screen they open on: a window's controls in a scroll area, so that at a
// large scale or on a small screen every control stays within reach, and a size within the screen.
#pragma once

#include <QSize>

class QWidget;

// ScrollingContents: fills `window` with a frameless scroll area and returns the widget inside
// it, on which the window lays out its controls. The area scrolls only where the window is
// smaller than its controls need; otherwise it is not seen.
QWidget* ScrollingContents(QWidget* window);

// ScreenRoom: the room a window has on its screen (the primary screen before it is shown): the
// screen's available area, less the frame that the desktop draws around the window.
QSize ScreenRoom(const QWidget* window);

// ResizeWithinScreen: gives the window the size it wants, or as much of it as its screen has
// room for.
void ResizeWithinScreen(QWidget* window, const QSize& wanted);

// ShowFocusFromStart: the window draws the focus on its buttons from the start, not only once
// the keyboard has moved it (Qt draws a button's focus frame only after a keyboard focus change
// and forgets it as a window is activated).
void ShowFocusFromStart(QWidget* window);

// ContentsSize: the size a scroll area's contents need to be shown whole, the scroll area's own
// margins included: what a window of ScrollingContents wants to be.
QSize ContentsSize(const QWidget* contents);
