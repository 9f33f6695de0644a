// The real platform services of Kestrava: Qt's message boxes, desktop services, settings store,
// clock and lock file.
#include "platform/QtPlatform.h"

#include "platform/AppInfo.h"
#include "platform/PlaceSearch.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>

QtPlatform::QtPlatform() = default;
QtPlatform::~QtPlatform() = default;

Platform::MessageAnswer QtPlatform::showMessage(QWidget* parent, const QString& text,
                                                MessageIcon icon, MessageButtons buttons) {
    QMessageBox box(icon == MessageIcon::Critical ? QMessageBox::Critical
                                                  : QMessageBox::Information,
                    AppTitle(), text, QMessageBox::NoButton, parent);
    if (buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    default:
        return MessageAnswer::Ok;
    }
}

bool QtPlatform::openAddress(const QString& address) {
    return QDesktopServices::openUrl(QUrl(address));
}

QString QtPlatform::readSetting(const QString& application, const QString& section,
                                const QString& key) {
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, application, application);
    const QVariant value = settings.value(section + QLatin1Char('/') + key);
    // A text with commas, edited into the file by hand, comes back from the file as a list; it is
    // still a text that was stored, not an absent one.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

void QtPlatform::writeSetting(const QString& application, const QString& section,
                              const QString& key, const QString& value) {
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, application, application);
    settings.setValue(section + QLatin1Char('/') + key, value);
    settings.sync();
}

QDateTime QtPlatform::currentDateTime() {
    return QDateTime::currentDateTime();
}

bool QtPlatform::isPreviousInstanceRunning() {
    if (instanceLock_)
        return false;
    QString folder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    QDir().mkpath(folder);
    auto lock = std::make_unique<QLockFile>(QDir(folder).filePath(QStringLiteral("instance.lock")));
    lock->setStaleLockTime(0); // only a lock of a live process counts
    if (lock->tryLock(0)) {
        instanceLock_ = std::move(lock);
        return false;
    }
    return lock->error() == QLockFile::LockFailedError;
}

void QtPlatform::searchPlace(const QString& searchText, const QString& siteAddress) {
    // A web search for the text in the user's browser; a failure is not reported.
    const PlaceSearch search([this](const QString& address) { return openAddress(address); });
    search.Search(searchText, siteAddress);
}

void QtPlatform::endProcess() {
    QCoreApplication::exit(0);
}
