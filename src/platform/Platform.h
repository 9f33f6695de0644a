// SPDX-License-Identifier: MIT
// The seam between Kestrava and the desktop: every platform service the program uses, files
// saved included.
// QtPlatform is the real one; tests stand in a fake that records what was asked of it.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QMap>
#include <QString>
#include <functional>

class QWidget;

class Platform {
public:
    enum class MessageIcon { Critical, Information };
    enum class MessageButtons { Ok, YesNo };
    enum class MessageAnswer { Ok, Yes, No };

    virtual ~Platform() = default;

    // A modal message box with the program's title as caption; returns the button pressed.
    virtual MessageAnswer showMessage(QWidget* parent, const QString& text, MessageIcon icon,
                                      MessageButtons buttons = MessageButtons::Ok) = 0;

    // Opens a web address with the user's default browser; false when that failed.
    virtual bool openAddress(const QString& address) = 0;

    // The per-user settings store, addressed by application name, section and key.
    // Reading an absent key gives an empty text.
    virtual QString readSetting(const QString& application, const QString& section,
                                const QString& key) = 0;
    virtual void writeSetting(const QString& application, const QString& section,
                              const QString& key, const QString& value) = 0;
    // Replaces a whole section with the keys and values given (none: removes the section), other
    // sections untouched; false when the store could not be written.
    virtual bool replaceSettingsSection(const QString& application, const QString& section,
                                        const QMap<QString, QString>& values) = 0;

    // The current local date and time.
    virtual QDateTime currentDateTime() = 0;

    // True when another instance of this program already runs for this user. The first
    // instance holds its claim until it ends.
    virtual bool isPreviousInstanceRunning() = 0;

    // A later start, refused, asks the instance that runs to bring its window forward; false
    // when that instance could not be reached.
    virtual bool notifyRunningInstance() = 0;

    // What the first instance does when a later start asks it to come forward; an empty
    // function does nothing.
    virtual void setActivationHandler(std::function<void()> handler) = 0;

    // Hands a place's search text and the site address to the place search.
    virtual void searchPlace(const QString& searchText, const QString& siteAddress) = 0;

    // Ends the process once every window has been closed.
    virtual void endProcess() = 0;

    // Asks where to save a file: a save dialog that starts at a suggested path (a folder and a
    // name) and offers the filter ("iCalendar files (*.ics)"). Returns the chosen path, with the
    // filter's extension where the user typed none; empty when the user cancelled.
    virtual QString saveFileName(QWidget* parent, const QString& caption,
                                 const QString& suggestedPath, const QString& filter) = 0;

    // Writes a whole file or nothing: the bytes go to a temporary file beside it, which then
    // takes the file's place, so that a failure leaves neither a half-written file nor a changed
    // one. Returns empty on success, otherwise why it could not be written.
    virtual QString writeFileAtomically(const QString& path, const QByteArray& bytes) = 0;
};
