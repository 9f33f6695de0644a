// SPDX-License-Identifier: MIT
// Edits of a settings file's text that change only the lines they must: a key's line, or a
// section's lines. The user's comments, blank lines, order and quoting elsewhere stay as they were.
#pragma once

#include <QMap>
#include <QString>

// IniValueText: a value as a settings file line holds it, read back as the same text by Qt's
// reader of such files: plain where it can be, else in double quotes with \" \\ \n \r \t escaped.
QString IniValueText(const QString& value);

// WithIniValue: the text with `key` of `section` set to the value's line: its line replaced where
// the key is present, else added at the end of the section, else a new section at the end.
QString WithIniValue(const QString& text, const QString& section, const QString& key,
                     const QString& value);

// WithIniSection: the text with a section's lines replaced by the keys and values given, in their
// place; with none, the section is removed along with its header.
QString WithIniSection(const QString& text, const QString& section,
                       const QMap<QString, QString>& values);
