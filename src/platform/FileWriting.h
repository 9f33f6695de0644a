// SPDX-License-Identifier: MIT
// Writing a whole file or nothing, as the platform seam's real implementation does it.
#pragma once

#include <QByteArray>
#include <QString>

// WriteWholeFile: writes the bytes as SaveWholeFile does (files/WholeFile.h): through a link to
// its target, in place to a device or a pipe, otherwise through a temporary file beside it that
// keeps the old file's mode and then takes its place, so that a failure at any step leaves the
// folder as it was (no partial file, an existing file unchanged).
//   path   where the file goes
//   bytes  all of its contents
// Returns empty on success, otherwise a sentence that says why, for the user.
QString WriteWholeFile(const QString& path, const QByteArray& bytes);
