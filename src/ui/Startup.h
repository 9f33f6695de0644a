// The start-up sequence: the single-instance guard, the update reminder, then the main window.
#pragma once

class Platform;
class QApplication;

// Runs Kestrava on an application object and returns the process's exit code. A second start by
// the same user says so and ends without a window of its own.
int RunKestrava(QApplication& app, Platform& platform);
