// SPDX-License-Identifier: MIT
// A stand-in for the platform services: records every message, address, setting, search, save
// dialog and file written, answers Yes/No and the save dialog as the test says, and keeps a clock
// the test sets.
#pragma once

#include "platform/FileWriting.h"
#include "platform/Platform.h"
#include "support/QtPrinters.h"

#include <QMap>
#include <QStringList>
#include <QVector>
#include <QWidget>
#include <functional>

class FakePlatform : public Platform {
public:
    struct Message {
        QString text;
        MessageIcon icon;
        MessageButtons buttons;
    };

    QVector<Message> messages;
    QStringList openedAddresses;
    QMap<QString, QString> settings; // "application/section/key" -> value
    bool settingsWritable = true;    // for whole sections
    QDateTime now{QDate(2026, 1, 15), QTime(9, 30, 15)};
    bool previousInstance = false;
    int runningInstanceNotified = 0; // times a refused start asked the first to come forward
    std::function<void()> activationHandler; // what the first does when asked
    QVector<QPair<QString, QString>> placeSearches;
    int endProcessCalls = 0;
    MessageAnswer answer = MessageAnswer::Yes; // for Yes/No questions
    std::function<void()> whileMessageShown;   // runs as if the user looked at the box
    struct SaveDialog {
        QString caption, suggestedPath, filter;
    };
    QVector<SaveDialog> saveDialogs;
    QString saveAnswer;              // the path the save dialog gives; empty as if cancelled
    QMap<QString, QByteArray> files; // every file written, by path
    bool writeToDisk = false;        // write through the real whole-file writer as well

    MessageAnswer showMessage(QWidget*, const QString& text, MessageIcon icon,
                              MessageButtons buttons) override {
        messages.push_back({text, icon, buttons});
        if (whileMessageShown)
            whileMessageShown();
        return buttons == MessageButtons::YesNo ? answer : MessageAnswer::Ok;
    }
    bool openAddress(const QString& address) override {
        openedAddresses << address;
        return true;
    }
    QString readSetting(const QString& application, const QString& section,
                        const QString& key) override {
        return settings.value(application + '/' + section + '/' + key);
    }
    void writeSetting(const QString& application, const QString& section, const QString& key,
                      const QString& value) override {
        settings[application + '/' + section + '/' + key] = value;
    }
    bool replaceSettingsSection(const QString& application, const QString& section,
                                const QMap<QString, QString>& values) override {
        if (!settingsWritable)
            return false;
        const QString prefix = application + '/' + section + '/';
        for (const QString& key : settings.keys()) {
            if (key.startsWith(prefix))
                settings.remove(key);
        }
        for (auto value = values.cbegin(); value != values.cend(); ++value)
            settings[prefix + value.key()] = value.value();
        return true;
    }
    QDateTime currentDateTime() override { return now; }
    bool isPreviousInstanceRunning() override { return previousInstance; }
    bool notifyRunningInstance() override {
        ++runningInstanceNotified;
        return true;
    }
    void setActivationHandler(std::function<void()> handler) override {
        activationHandler = std::move(handler);
    }
    void searchPlace(const QString& searchText, const QString& siteAddress) override {
        placeSearches.push_back({searchText, siteAddress});
    }
    void endProcess() override { ++endProcessCalls; }
    QString saveFileName(QWidget*, const QString& caption, const QString& suggestedPath,
                         const QString& filter) override {
        saveDialogs.push_back({caption, suggestedPath, filter});
        return saveAnswer;
    }
    QString writeFileAtomically(const QString& path, const QByteArray& bytes) override {
        if (writeToDisk) {
            const QString error = WriteWholeFile(path, bytes);
            if (!error.isEmpty())
                return error;
        }
        files[path] = bytes;
        return {};
    }

    QStringList messageTexts() const {
        QStringList texts;
        for (const Message& m : messages)
            texts << m.text;
        return texts;
    }
};
