// SPDX-License-Identifier: MIT
// The start-up sequence: the single-instance guard, the update reminder, then the main window.
#pragma once

class Platform;
class QApplication;

// What a build of Kestrava does at start beyond the guard and the window.
struct StartupOptions {
    // The reminder, every fifteen days, that an update may be available; a distribution's
    // package leaves it out, for there the package manager brings the updates.
    bool remindOfUpdates = true;
};

// Runs Kestrava on an application object and returns the process's exit code. A second start by
// the same user says so and ends without a window of its own.
int RunKestrava(QApplication& app, Platform& platform, const StartupOptions& options = {});
