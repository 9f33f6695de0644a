// SPDX-License-Identifier: MIT
// Writing a whole file or nothing, through the shared saving of files, with its failures told in
// the windows' language.
#include "platform/FileWriting.h"

#include "files/WholeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace {

// The texts are marked where they stand, so that the catalogue of translations finds them.
QString Tr(const char* text) {
    return QCoreApplication::translate("FileWriting", text);
}

QString Native(const std::string& path) {
    return QDir::toNativeSeparators(QFile::decodeName(QByteArray::fromStdString(path)));
}

} // namespace

QString WriteWholeFile(const QString& path, const QByteArray& bytes) {
    const auto failure = SaveWholeFile(QFile::encodeName(path).toStdString(),
                                       std::string_view(bytes.constData(), bytes.size()));
    if (!failure)
        return {};
    const QString where = Native(failure->Path);
    const QString reason = QString::fromLocal8Bit(failure->Reason().c_str());
    switch (failure->Step) {
    case SaveStep::NoName:
        return Tr(QT_TRANSLATE_NOOP("FileWriting", "No file name was given."));
    case SaveStep::NoFolder:
        return Tr(QT_TRANSLATE_NOOP("FileWriting", "The folder %1 does not exist.")).arg(where);
    case SaveStep::IsFolder:
        return Tr(QT_TRANSLATE_NOOP("FileWriting", "%1 is a folder.")).arg(where);
    case SaveStep::NotAFile:
        return Tr(QT_TRANSLATE_NOOP(
                      "FileWriting",
                      "%1 is not a file that can be written (a socket or a block device)."))
            .arg(where);
    case SaveStep::NoReader:
        return Tr(QT_TRANSLATE_NOOP("FileWriting", "%1 is a pipe that no program is reading."))
            .arg(where);
    case SaveStep::Inspect:
        return Tr(QT_TRANSLATE_NOOP("FileWriting", "%1 could not be looked at: %2."))
            .arg(where, reason);
    case SaveStep::Create:
        return Tr(QT_TRANSLATE_NOOP("FileWriting", "It could not be created in %1: %2."))
            .arg(where, reason);
    case SaveStep::Write:
        return Tr(QT_TRANSLATE_NOOP("FileWriting", "It could not be written: %1.")).arg(reason);
    case SaveStep::Replace:
        return Tr(QT_TRANSLATE_NOOP("FileWriting", "It could not take the place of %1: %2."))
            .arg(where, reason);
    }
    return Tr(QT_TRANSLATE_NOOP("FileWriting", "It could not be written: %1.")).arg(reason);
}
