#include "test_installation.h"

#include "app/server_switch.h"
#include "data/schema.h"
#include "platform/globals.h"
#include "platform/prompt/prompt.h"

#include <QProcess>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

int FreeLocalPort()
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return 0;
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof addr;
    int port = 0;
    if (::bind(fd, reinterpret_cast<sockaddr *>(&addr), sizeof addr) == 0
        && ::getsockname(fd, reinterpret_cast<sockaddr *>(&addr), &len) == 0)
        port = ntohs(addr.sin_port);
    ::close(fd);
    return port;
}

bool RunSetup(const QString &folder, int port, QString *output)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(QStringLiteral(TESSELMAR_SETUP_BIN), {folder, QStringLiteral("--port"), QString::number(port)});
    const bool finished = p.waitForFinished(300000);
    if (output)
        *output = QString::fromLocal8Bit(p.readAll());
    return finished && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

TestInstallation &TestInstallation::instance()
{
    static TestInstallation installation;
    return installation;
}

TestInstallation::TestInstallation() : dir_(QDir::tempPath() + QStringLiteral("/tesselmar-test-XXXXXX"))
{
    if (!dir_.isValid())
        qFatal("TestInstallation: no temporary folder");
    port_ = FreeLocalPort();
    QString output;
    if (!RunSetup(dir_.path(), port_, &output))
        qFatal("TestInstallation: tesselmar-setup failed:\n%s", qPrintable(output));
    SetAppDir(dir_.path());
    folder_ = AppDir();
    db_ = std::make_unique<ds::Connection>(QStringLiteral("test-installation"));
    start();
}

TestInstallation::~TestInstallation() { stop(); }

ds::ConnectionParams TestInstallation::params() const
{
    ds::ConnectionParams p;
    p.port = port_;
    return p;
}

void TestInstallation::start()
{
    qputenv("TESSELMAR_DB_PORT", QByteArray::number(port_));
    SetAppDir(folder_);
    db_->setParams(params());
    // A failure would show a message box; here it is recorded and reported.
    prompt::Script script;
    running_ = StartConnectionAttempts(*db_, 3);
    if (!running_)
        qFatal("TestInstallation: the server did not start: %s\n%s", qPrintable(script.texts().join("\n")),
               qPrintable(LastErrorDetail));
}

void TestInstallation::activate()
{
    qputenv("TESSELMAR_DB_PORT", QByteArray::number(port_));
    SetAppDir(folder_);
    db_->setParams(params());
    bool alive = db_->isOpen();
    if (alive) {
        try {
            db_->exec(QStringLiteral("SELECT 1"));
        } catch (const ds::DbError &) {
            alive = false;
        }
    }
    if (!alive)
        start();
}

void TestInstallation::reset() { reset(*db_); }

void TestInstallation::reset(ds::Connection &db)
{
    db.exec(QStringLiteral("SET FOREIGN_KEY_CHECKS = 0"));
    for (const TableDef &t : SchemaTables())
        db.exec(QStringLiteral("TRUNCATE TABLE `%1`").arg(t.name));
    db.exec(QStringLiteral("SET FOREIGN_KEY_CHECKS = 1"));
    db.exec(QStringLiteral("INSERT INTO utilizadores (login, password, nivel_acesso) VALUES (?, ?, ?)"),
            {QStringLiteral("vorel"), QStringLiteral("vorel"), 1});
}

void TestInstallation::stop()
{
    if (!running_)
        return;
    running_ = false;
    SetAppDir(folder_);
    SwitchDatabaseServer(*db_, false);
}
