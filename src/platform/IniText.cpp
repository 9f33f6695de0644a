// SPDX-License-Identifier: MIT
// Line edits of a settings file: a header "[Section]", then "key=value" lines, comments (";" or
// "#") and blank lines, which are all kept as they were unless the edit is of their key.
#include "platform/IniText.h"

#include <QStringList>

#include <optional>

namespace {

struct Lines {
    QStringList lines;
    bool endsWithNewline = true;
};

Lines Split(const QString& text) {
    Lines split;
    if (text.isEmpty())
        return split;
    split.lines = text.split(QLatin1Char('\n'));
    split.endsWithNewline = text.endsWith(QLatin1Char('\n'));
    if (split.endsWithNewline)
        split.lines.removeLast();
    for (QString& line : split.lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    return split;
}

QString Join(const Lines& split) {
    if (split.lines.isEmpty())
        return {};
    return split.lines.join(QLatin1Char('\n')) +
           (split.endsWithNewline ? QStringLiteral("\n") : QString());
}

// The section a header line opens, or none for any other line.
std::optional<QString> HeaderOf(const QString& line) {
    const QString trimmed = line.trimmed();
    if (trimmed.startsWith(QLatin1Char('[')) && trimmed.endsWith(QLatin1Char(']')))
        return trimmed.mid(1, trimmed.size() - 2).trimmed();
    return std::nullopt;
}

bool IsComment(const QString& line) {
    const QString trimmed = line.trimmed();
    return trimmed.startsWith(QLatin1Char(';')) || trimmed.startsWith(QLatin1Char('#'));
}

// The key a line sets, or empty for a comment, a blank line or a header.
QString KeyOf(const QString& line) {
    if (IsComment(line) || HeaderOf(line))
        return {};
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    return equals < 0 ? QString() : line.left(equals).trimmed();
}

// Where a section's lines run: from its header to the line before the next header; and the line
// after its last line that is neither blank nor a comment trailing it, where a key is added.
struct SectionLines {
    qsizetype header = -1;
    qsizetype end = 0;      // one past its last line
    qsizetype addAt = 0;    // one past its last key line (or its header)
};

SectionLines Find(const QStringList& lines, const QString& section) {
    SectionLines found;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const auto header = HeaderOf(lines[i]);
        if (found.header >= 0) {
            if (header) {
                found.end = i;
                return found;
            }
            if (!KeyOf(lines[i]).isEmpty())
                found.addAt = i + 1;
        } else if (header && *header == section) {
            found.header = i;
            found.addAt = i + 1;
        }
    }
    found.end = lines.size();
    return found;
}

QString LineOf(const QString& key, const QString& value) {
    return key + QLatin1Char('=') + IniValueText(value);
}

} // namespace

QString IniValueText(const QString& value) {
    bool plain = !value.isEmpty() && value.trimmed() == value;
    for (const QChar c : value) {
        if (c.unicode() < 0x20 || c.unicode() >= 0x7f || QStringLiteral("\";,=#\\").contains(c))
            plain = false;
    }
    if (plain || value.isEmpty())
        return value;
    QString quoted = QStringLiteral("\"");
    for (const QChar c : value) {
        switch (c.unicode()) {
        case '"':
            quoted += QStringLiteral("\\\"");
            break;
        case '\\':
            quoted += QStringLiteral("\\\\");
            break;
        case '\n':
            quoted += QStringLiteral("\\n");
            break;
        case '\r':
            quoted += QStringLiteral("\\r");
            break;
        case '\t':
            quoted += QStringLiteral("\\t");
            break;
        default:
            quoted += c;
        }
    }
    return quoted + QLatin1Char('"');
}

QString WithIniValue(const QString& text, const QString& section, const QString& key,
                     const QString& value) {
    Lines split = Split(text);
    QStringList& lines = split.lines;
    const SectionLines found = Find(lines, section);
    if (found.header < 0) {
        if (!lines.isEmpty() && !lines.last().trimmed().isEmpty())
            lines << QString();
        lines << QLatin1Char('[') + section + QLatin1Char(']') << LineOf(key, value);
        split.endsWithNewline = true;
        return Join(split);
    }
    for (qsizetype i = found.header + 1; i < found.end; ++i) {
        if (KeyOf(lines[i]) == key) {
            lines[i] = LineOf(key, value);
            return Join(split);
        }
    }
    lines.insert(found.addAt, LineOf(key, value));
    return Join(split);
}

QString WithIniSection(const QString& text, const QString& section,
                       const QMap<QString, QString>& values) {
    Lines split = Split(text);
    QStringList& lines = split.lines;
    QStringList replacement;
    for (auto value = values.cbegin(); value != values.cend(); ++value)
        replacement << LineOf(value.key(), value.value());

    const SectionLines found = Find(lines, section);
    if (found.header < 0) {
        if (replacement.isEmpty())
            return text;
        if (!lines.isEmpty() && !lines.last().trimmed().isEmpty())
            lines << QString();
        lines << QLatin1Char('[') + section + QLatin1Char(']') << replacement;
        split.endsWithNewline = true;
        return Join(split);
    }
    // The section's own lines up to its last key go; what trails them (a blank line before the
    // next section) stays.
    lines.remove(found.header + 1, found.addAt - found.header - 1);
    if (replacement.isEmpty()) {
        lines.removeAt(found.header);
        // No blank line left doubled where the section stood.
        if (found.header < lines.size() && lines[found.header].trimmed().isEmpty() &&
            (found.header == 0 || lines[found.header - 1].trimmed().isEmpty()))
            lines.removeAt(found.header);
    } else {
        for (qsizetype i = 0; i < replacement.size(); ++i)
            lines.insert(found.header + 1 + i, replacement[i]);
    }
    return Join(split);
}
