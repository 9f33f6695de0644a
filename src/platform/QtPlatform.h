// SPDX-License-Identifier: MIT
// The real platform services of Kestrava, on Qt.
#pragma once

#include "platform/InstanceChannel.h"
#include "platform/InstanceLock.h"
#include "platform/Platform.h"

#include <memory>

class QtPlatform : public Platform {
public:
    QtPlatform();
    ~QtPlatform() override;

    MessageAnswer showMessage(QWidget* parent, const QString& text, MessageIcon icon,
                              MessageButtons buttons) override;
    bool openAddress(const QString& address) override;
    QString readSetting(const QString& application, const QString& section,
                        const QString& key) override;
    void writeSetting(const QString& application, const QString& section, const QString& key,
                      const QString& value) override;
    bool replaceSettingsSection(const QString& application, const QString& section,
                                const QMap<QString, QString>& values) override;
    QDateTime currentDateTime() override;
    bool isPreviousInstanceRunning() override;
    bool notifyRunningInstance() override;
    void setActivationHandler(std::function<void()> handler) override;
    void searchPlace(const QString& searchText, const QString& siteAddress) override;
    void endProcess() override;
    QString saveFileName(QWidget* parent, const QString& caption, const QString& suggestedPath,
                         const QString& filter) override;
    QString writeFileAtomically(const QString& path, const QByteArray& bytes) override;

private:
    static QString instanceFolder();

    std::unique_ptr<InstanceLock> instanceLock_;       // held for the life of the first instance
    std::unique_ptr<InstanceChannel> instanceChannel_; // where the first hears later starts
    std::function<void()> activationHandler_;
};
