// The real platform services of Kestrava, on Qt.
#pragma once

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
    QDateTime currentDateTime() override;
    bool isPreviousInstanceRunning() override;
    void searchPlace(const QString& searchText, const QString& siteAddress) override;
    void endProcess() override;
    QString saveFileName(QWidget* parent, const QString& caption, const QString& suggestedPath,
                         const QString& filter) override;
    QString writeFileAtomically(const QString& path, const QByteArray& bytes) override;

private:
    std::unique_ptr<InstanceLock> instanceLock_; // held for the life of the first instance
};
