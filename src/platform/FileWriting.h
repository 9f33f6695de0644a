// SPDX-License-Identifier: MIT
// Writing a whole file or nothing, as the platform seam's real implementation does it.
#pragma once

#include <QByteArray>
#include <QString>

// WriteWholeFile: writes the bytes to a temporary file in the file's folder and then puts it in
// the file's place, so that a failure at any step leaves the folder as it was (no partial file,
// an existing file unchanged).
//   path   where the file goes
//   bytes  all of its contents
// Returns empty on success, otherwise a sentence that says why, for the user.
QString WriteWholeFile(const QString& path, const QByteArray& bytes);
