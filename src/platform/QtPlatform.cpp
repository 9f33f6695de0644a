// SPDX-License-Identifier: MIT
// The real platform services of Kestrava: Qt's message boxes, desktop services, settings store,
// clock, single-instance lock with the channel through which later starts reach the first, save
// dialog and whole-file writing.
#include "platform/QtPlatform.h"

#include "platform/AppInfo.h"
#include "platform/FileWriting.h"
#include "platform/IniText.h"
#include "platform/PlaceSearch.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileDialog>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>

#include <functional>

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

namespace {

// The file that holds an application's settings: where a symlink stands there, the file it points
// at, so that the link stays a link.
QString SettingsFile(const QString& application) {
    const QString path =
        QSettings(QSettings::IniFormat, QSettings::UserScope, application, application).fileName();
    const QFileInfo info(path);
    return info.isSymLink() ? info.symLinkTarget() : path;
}

// Changes the settings file's text by an edit of its lines and writes it whole, so that what the
// user wrote in it elsewhere (comments, quoting, order) is kept; nothing is written when the edit
// changes nothing. False when the file could not be read or written.
bool EditSettingsFile(const QString& application,
                      const std::function<QString(const QString&)>& edit) {
    const QString path = SettingsFile(application);
    QFile file(path);
    QString text;
    if (file.exists()) {
        if (!file.open(QIODevice::ReadOnly))
            return false;
        text = QString::fromUtf8(file.readAll());
        file.close();
    }
    const QString edited = edit(text);
    if (edited == text)
        return true;
    QDir().mkpath(QFileInfo(path).absolutePath());
    return WriteWholeFile(path, edited.toUtf8()).isEmpty();
}

} // namespace

void QtPlatform::writeSetting(const QString& application, const QString& section,
                              const QString& key, const QString& value) {
    EditSettingsFile(application, [&](const QString& text) {
        return WithIniValue(text, section, key, value);
    });
}

bool QtPlatform::replaceSettingsSection(const QString& application, const QString& section,
                                        const QMap<QString, QString>& values) {
    return EditSettingsFile(application, [&](const QString& text) {
        return WithIniSection(text, section, values);
    });
}

QDateTime QtPlatform::currentDateTime() {
    return QDateTime::currentDateTime();
}

// The folder of the single-instance lock, the user's own.
QString QtPlatform::instanceFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
}

bool QtPlatform::isPreviousInstanceRunning() {
    if (instanceLock_)
        return false;
    auto lock = std::make_unique<InstanceLock>(instanceFolder());
    switch (lock->tryClaim()) {
    case InstanceLock::Claim::Taken:
        instanceLock_ = std::move(lock);
        // The first instance listens for later starts; if it cannot, they are still refused.
        instanceChannel_ =
            std::make_unique<InstanceChannel>(InstanceChannel::NameFor(instanceFolder()));
        QObject::connect(instanceChannel_.get(), &InstanceChannel::activationRequested,
                         instanceChannel_.get(), [this] {
                             if (activationHandler_)
                                 activationHandler_();
                         });
        instanceChannel_->listen();
        return false;
    case InstanceLock::Claim::HeldByOther:
        return true;
    case InstanceLock::Claim::Unavailable:
        break; // a lock that cannot be made does not keep the program from starting
    }
    return false;
}

bool QtPlatform::notifyRunningInstance() {
    constexpr int AnswerTimeoutMs = 3000; // a running instance answers at once unless it hangs
    return InstanceChannel::requestActivation(InstanceChannel::NameFor(instanceFolder()),
                                              AnswerTimeoutMs);
}

void QtPlatform::setActivationHandler(std::function<void()> handler) {
    activationHandler_ = std::move(handler);
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
