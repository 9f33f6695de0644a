// Two real Kestrava processes started as a new user would start them, on an X display of the
// test's own: the second is refused with its message and ends without a window, the first stays;
// a crashed first instance does not block the next start; the reminder comes before the window.
// The test acts as the user through the X server: it finds the windows by title and process and
// closes them as a click on a title bar's close button would.
#include "support/QtPrinters.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <xcb/xcb.h>

namespace {

constexpr int StartTimeout = 30000; // milliseconds; generous for builds with sanitizers

struct XWindow {
    xcb_window_t id = 0;
    QString title;
    qint64 pid = 0;
};

// A connection to the test's X server, and the questions the test asks of it.
class XDisplay {
public:
    explicit XDisplay(const QString& name)
        : connection_(xcb_connect(name.toLocal8Bit().constData(), nullptr)) {}
    ~XDisplay() { xcb_disconnect(connection_); }
    XDisplay(const XDisplay&) = delete;
    XDisplay& operator=(const XDisplay&) = delete;

    bool connected() const { return xcb_connection_has_error(connection_) == 0; }

    // The windows shown on the screen, with their titles and the processes that own them.
    QList<XWindow> shownWindows() {
        QList<XWindow> windows;
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
        std::unique_ptr<xcb_query_tree_reply_t, decltype(&free)> tree(
            xcb_query_tree_reply(connection_, xcb_query_tree(connection_, root), nullptr), &free);
        if (!tree)
            return windows;
        const xcb_window_t* children = xcb_query_tree_children(tree.get());
        for (int k = 0; k < xcb_query_tree_children_length(tree.get()); ++k) {
            std::unique_ptr<xcb_get_window_attributes_reply_t, decltype(&free)> attributes(
                xcb_get_window_attributes_reply(
                    connection_, xcb_get_window_attributes(connection_, children[k]), nullptr),
                &free);
            if (!attributes || attributes->map_state != XCB_MAP_STATE_VIEWABLE)
                continue;
            XWindow window;
            window.id = children[k];
            const QByteArray title = property(children[k], atom("_NET_WM_NAME"));
            window.title = QString::fromUtf8(title);
            const QByteArray pid = property(children[k], atom("_NET_WM_PID"));
            if (pid.size() == 4)
                window.pid = *reinterpret_cast<const quint32*>(pid.constData());
            windows << window;
        }
        return windows;
    }

    // What a click on the window's close button asks of it.
    void askToClose(xcb_window_t window) {
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 32;
        event.window = window;
        event.type = atom("WM_PROTOCOLS");
        event.data.data32[0] = atom("WM_DELETE_WINDOW");
        event.data.data32[1] = XCB_CURRENT_TIME;
        xcb_send_event(connection_, 0, window, XCB_EVENT_MASK_NO_EVENT,
                       reinterpret_cast<const char*>(&event));
        xcb_flush(connection_);
    }

private:
    xcb_atom_t atom(const char* name) {
        std::unique_ptr<xcb_intern_atom_reply_t, decltype(&free)> reply(
            xcb_intern_atom_reply(connection_,
                                  xcb_intern_atom(connection_, 0, uint16_t(strlen(name)), name),
                                  nullptr),
            &free);
        return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    }
    QByteArray property(xcb_window_t window, xcb_atom_t name) {
        std::unique_ptr<xcb_get_property_reply_t, decltype(&free)> reply(
            xcb_get_property_reply(
                connection_,
                xcb_get_property(connection_, 0, window, name, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024),
                nullptr),
            &free);
        if (!reply)
            return {};
        return QByteArray(static_cast<const char*>(xcb_get_property_value(reply.get())),
                          xcb_get_property_value_length(reply.get()));
    }

    xcb_connection_t* connection_;
};

class TwoInstancesTest : public ::testing::Test {
protected:
    void SetUp() override {
        const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        if (xvfb.isEmpty())
            GTEST_SKIP() << "Xvfb is not installed";
        ASSERT_TRUE(home.isValid());

        // The server writes its display number to the descriptor given, here its output.
        server.start(xvfb,
                     {QStringLiteral("-displayfd"), QStringLiteral("1"),
                      QStringLiteral("-nolisten"), QStringLiteral("tcp"), QStringLiteral("-screen"),
                      QStringLiteral("0"), QStringLiteral("1024x768x24")});
        ASSERT_TRUE(QTest::qWaitFor([this] { return server.canReadLine(); }, StartTimeout))
            << server.readAllStandardError().toStdString();
        displayName = QLatin1Char(':') + QString::fromLatin1(server.readLine().trimmed());
        display = std::make_unique<XDisplay>(displayName);
        ASSERT_TRUE(display->connected()) << displayName.toStdString();

        // A new user: an empty home, the desktop's folders inside it, and no session services.
        const QDir dir(home.path());
        dir.mkpath(QStringLiteral("run"));
        QFile::setPermissions(dir.filePath(QStringLiteral("run")), QFileDevice::ReadOwner |
                                                                       QFileDevice::WriteOwner |
                                                                       QFileDevice::ExeOwner);
        environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"SESSION_MANAGER", "XDG_SESSION_TYPE", "WAYLAND_DISPLAY",
                                 "XDG_CONFIG_DIRS", "XDG_DATA_DIRS", "XAUTHORITY"})
            environment.remove(QLatin1String(name));
        environment.insert(QStringLiteral("HOME"), home.path());
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                           dir.filePath(QStringLiteral(".config")));
        environment.insert(QStringLiteral("XDG_DATA_HOME"),
                           dir.filePath(QStringLiteral(".local/share")));
        environment.insert(QStringLiteral("XDG_CACHE_HOME"),
                           dir.filePath(QStringLiteral(".cache")));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir.filePath(QStringLiteral("run")));
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
                           QStringLiteral("unix:path=") + dir.filePath(QStringLiteral("no-bus")));
        environment.insert(QStringLiteral("DISPLAY"), displayName);
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    }

    void TearDown() override {
        for (auto& instance : instances) {
            if (instance->state() != QProcess::NotRunning) {
                instance->kill();
                instance->waitForFinished();
            }
        }
        display.reset();
        if (server.state() != QProcess::NotRunning) {
            server.terminate();
            server.waitForFinished();
        }
    }

    QProcess& start() {
        instances.push_back(std::make_unique<QProcess>());
        QProcess& instance = *instances.back();
        instance.setProcessEnvironment(environment);
        instance.start(QStringLiteral(KESTRAVA_EXECUTABLE), QStringList());
        EXPECT_TRUE(instance.waitForStarted());
        return instance;
    }

    // The window of a process with the given title, once it shows; none after the timeout.
    std::optional<XWindow> waitForWindow(const QProcess& process, const QString& title) {
        std::optional<XWindow> found;
        const bool settled = QTest::qWaitFor(
            [&] {
                found = windowOf(process, title);
                return found.has_value() || process.state() == QProcess::NotRunning;
            },
            StartTimeout);
        Q_UNUSED(settled); // the caller looks at what was found
        return found;
    }
    std::optional<XWindow> windowOf(const QProcess& process, const QString& title) {
        for (const XWindow& window : display->shownWindows()) {
            if (window.pid == process.processId() && window.title == title)
                return window;
        }
        return std::nullopt;
    }
    QString file(const QString& path) const {
        QFile f(QDir(home.path()).filePath(path));
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }
    static std::string output(QProcess& process) {
        return process.readAllStandardError().toStdString();
    }

    const QString mainCaption = QStringLiteral("Kestrava v1.15");
    const QString messageCaption = QStringLiteral("Kestrava");
    const QString settingsFile = QStringLiteral(".config/kestrava/kestrava.ini");
    QTemporaryDir home;
    QProcess server;
    QString displayName;
    std::unique_ptr<XDisplay> display;
    QProcessEnvironment environment;
    std::vector<std::unique_ptr<QProcess>> instances;
};

TEST_F(TwoInstancesTest, TheSecondStartIsRefusedAndACrashedFirstDoesNotBlockTheNext) {
    // The first start: no reminder yet, the main window, and the date stored to the second.
    QProcess& first = start();
    const auto firstWindow = waitForWindow(first, mainCaption);
    ASSERT_TRUE(firstWindow) << output(first);
    const QRegularExpression storedDate(
        QStringLiteral("\\[Settings\\]\\nDuration=(\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d)\\n"));
    const auto firstDate = storedDate.match(file(settingsFile));
    ASSERT_TRUE(firstDate.hasMatch()) << file(settingsFile).toStdString();

    // The second start shows its message and no main window; closed, it ends by itself.
    QProcess& second = start();
    const auto message = waitForWindow(second, messageCaption);
    ASSERT_TRUE(message) << output(second);
    EXPECT_FALSE(windowOf(second, mainCaption));
    display->askToClose(message->id);
    bool secondShowedMainWindow = false;
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            secondShowedMainWindow |= windowOf(second, mainCaption).has_value();
            return second.state() == QProcess::NotRunning;
        },
        StartTimeout));
    EXPECT_FALSE(secondShowedMainWindow);
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit) << output(second);
    EXPECT_EQ(second.exitCode(), 0);

    // The first is as it was.
    EXPECT_EQ(first.state(), QProcess::Running);
    EXPECT_TRUE(windowOf(first, mainCaption));
    EXPECT_EQ(storedDate.match(file(settingsFile)).captured(1), firstDate.captured(1));

    // The first crashes; its lock stays behind but does not block the next start. That start
    // finds a reminder date long past: the reminder comes before the window, and answering it
    // (closing the box says No) stores a new date.
    first.kill();
    ASSERT_TRUE(first.waitForFinished());
    {
        QFile settings(QDir(home.path()).filePath(settingsFile));
        ASSERT_TRUE(settings.open(QIODevice::WriteOnly | QIODevice::Truncate));
        settings.write("[Settings]\nDuration=2000-01-01T00:00:00\n");
    }
    QProcess& third = start();
    const auto reminder = waitForWindow(third, messageCaption);
    ASSERT_TRUE(reminder) << output(third);
    EXPECT_FALSE(windowOf(third, mainCaption));
    display->askToClose(reminder->id);
    const auto thirdWindow = waitForWindow(third, mainCaption);
    ASSERT_TRUE(thirdWindow) << output(third);
    const auto renewed = storedDate.match(file(settingsFile));
    ASSERT_TRUE(renewed.hasMatch()) << file(settingsFile).toStdString();
    EXPECT_NE(renewed.captured(1), QStringLiteral("2000-01-01T00:00:00"));

    // Closing the main window ends the program.
    display->askToClose(thirdWindow->id);
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return third.state() == QProcess::NotRunning; }, StartTimeout));
    EXPECT_EQ(third.exitStatus(), QProcess::NormalExit) << output(third);
    EXPECT_EQ(third.exitCode(), 0);

    // And with it gone, the next start is not refused.
    QProcess& fourth = start();
    EXPECT_TRUE(waitForWindow(fourth, mainCaption)) << output(fourth);
}

} // namespace
