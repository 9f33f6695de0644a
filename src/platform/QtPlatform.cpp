// The real platform services of Kestrava: Qt's message boxes, desktop services, settings store,
// clock, single-instance lock, save dialog and whole-file writing.
#include "platform/QtPlatform.h"

#include "platform/AppInfo.h"
#include "platform/FileWriting.h"
#include "platform/PlaceSearch.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QRegularExpression>
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
    auto lock = std::make_unique<InstanceLock>(
        QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation));
    switch (lock->tryClaim()) {
    case InstanceLock::Claim::Taken:
        instanceLock_ = std::move(lock);
        return false;
    case InstanceLock::Claim::HeldByOther:
        return true;
    case InstanceLock::Claim::Unavailable:
        break; // a lock that cannot be made does not keep the program from starting
    }
    return false;
}

void QtPlatform::searchPlace(const QString& searchText, const QString& siteAddress) {
    // A web search for the text in the user's browser; a failure is not reported.
    const PlaceSearch search([this](const QString& address) { return openAddress(address); });
    search.Search(searchText, siteAddress);
}

void QtPlatform::endProcess() {
    QCoreApplication::exit(0);
}

QString QtPlatform::saveFileName(QWidget* parent, const QString& caption,
                                 const QString& suggestedPath, const QString& filter) {
    QFileDialog dialog(parent, caption, suggestedPath, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The filter's extension, "ics" of "iCalendar files (*.ics)", for a name typed without one.
    const qsizetype star = filter.indexOf(QStringLiteral("*."));
    if (star >= 0) {
        const qsizetype end = filter.indexOf(QRegularExpression(QStringLiteral("[ )]")), star);
        dialog.setDefaultSuffix(filter.mid(star + 2, end < 0 ? -1 : end - star - 2));
    }
    dialog.selectFile(suggestedPath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString QtPlatform::writeFileAtomically(const QString& path, const QByteArray& bytes) {
    return WriteWholeFile(path, bytes);
}
