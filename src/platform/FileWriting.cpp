// SPDX-License-Identifier: MIT
// Writing a whole file or nothing, through QSaveFile.
#include "platform/FileWriting.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("FileWriting", text);
}

} // namespace

QString WriteWholeFile(const QString& path, const QByteArray& bytes) {
    const QFileInfo target(path);
    if (path.isEmpty())
        return Tr("No file name was given.");
    if (!target.absoluteDir().exists())
        return Tr("The folder %1 does not exist.")
            .arg(QDir::toNativeSeparators(target.absolutePath()));
    if (target.isDir())
        return Tr("%1 is a folder.").arg(QDir::toNativeSeparators(path));

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Tr("It could not be created: %1.").arg(file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return Tr("It could not be written: %1.").arg(reason);
    }
    if (!file.commit())
        return Tr("It could not be saved: %1.").arg(file.errorString());
    return {};
}
