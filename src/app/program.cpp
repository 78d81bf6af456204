#include "app/program.h"

#include "app/instance_lock.h"
#include "app/server_switch.h"
#include "app/splash_window.h"
#include "app/startup.h"
#include "app/window_classes.h"
#include "data/data_module.h"
#include "maintenance/backup.h"
#include "platform/globals.h"
#include "platform/prompt/prompt.h"
#include "ui/common/pictures.h"
#include "ui/main/main_window.h"
#include "ui/main/report_exception.h"

#include <QApplication>
#include <QPointer>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// Errors that no window caught go to the error report, never end the
// program.
class TesselmarApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject *receiver, QEvent *event) override
    {
        try {
            return QApplication::notify(receiver, event);
        } catch (const ds::AbortOperation &) {
        } catch (const std::exception &e) {
            ReportException(e);
        }
        return false;
    }
};

int signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char c = 1;
    [[maybe_unused]] const ssize_t n = ::write(signalPipe[1], &c, 1);
}

// Once the system asks the program to end, nobody may be there to answer a
// box: messages go to the standard error and count as OK.
void answerMessagesUnattended()
{
    prompt::SetMessageHandler([](const ShownMessage &m) {
        std::fprintf(stderr, "tesselmar: %s\n", qPrintable(m.text));
        return (m.buttons & mbOK) ? mbOK : mbYes;
    });
    prompt::SetDialogRunner([](QDialog &) { return 0; });
}

// SIGTERM, SIGINT and SIGHUP end the program exactly as closing the main
// window with Yes: through the event loop, so the data module stores,
// optimises, backs up and stops the server.
void installSignalHandlers(QPointer<TfmMain> *main)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0)
        return;
    auto *notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, qApp, [main]() {
        char c;
        [[maybe_unused]] const ssize_t n = ::read(signalPipe[0], &c, 1);
        answerMessagesUnattended();
        if (*main)
            (*main)->closeWithoutQuestion();
        QCoreApplication::exit(0);
    });
    struct sigaction sa = {};
    sa.sa_handler = onSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    for (int s : {SIGTERM, SIGINT, SIGHUP})
        sigaction(s, &sa, nullptr);
}

// The end of the run: store and close, the exit backup, the server stopped.
void finishProgram(TDMDB &dm)
{
    try {
        dm.Shutdown();
    } catch (const std::exception &e) {
        ShowMessageDialog(QStringLiteral("Não foi possível guardar todos os dados antes de terminar:\r\n") +
                              QString::fromUtf8(e.what()),
                          MsgKind::Error, mbOK);
        dm._db.close();
    }
    if (dm.BackupOnExit)
        RunDefaultBackup();
    SwitchDatabaseServer(dm._db, false);
}

} // namespace

int RunProgram(int argc, char *argv[])
{
    TesselmarApplication app(argc, argv);
    LoadBackgroundPicture();
    QApplication::setApplicationName(QStringLiteral("Tesselmar"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tesselmar"));
    SetAppDir(QCoreApplication::applicationDirPath());

    // A second instance never touches the first one's server.
    InstanceLock lock;
    if (!AcquireInstanceLock(lock))
        return 1;

    RegisterAllWindows();
    static QPointer<TfmMain> mainWindow;
    installSignalHandlers(&mainWindow);

    int result = 0;
    {
        TDMDB dm;
        bool started = false;
        {
            TfmSplash splash(BackgroundPicture());
            StartUp startUp(dm, splash, BackgroundPicture());
            splash.setOnFirstShow([&]() { started = startUp.run(); });
            RunModal(splash);
        }
        if (started) {
            auto *main = new TfmMain(dm);
            main->setAttribute(Qt::WA_DeleteOnClose);
            mainWindow = main;
            main->show();
            result = app.exec();
        } else {
            dm.BackupOnExit = false;
        }
        finishProgram(dm);
    }
    return result;
}
