#pragma once
// A private database server for the tests of one executable: a temporary
// program folder provisioned by the real tesselmar-setup on a free port,
// its server started through the program's own SwitchDatabaseServer and
// stopped at the end. Tests never touch any other server or installation.
//
//   void initTestCase() { TestInstallation::instance(); }
//   void init() { TestInstallation::instance().reset(); }
#include "platform/dataset/connection.h"

#include <QString>
#include <QTemporaryDir>

#include <memory>

class TestInstallation {
public:
    // Provisioned and started on first use; ends the test run with a fatal
    // message when that fails.
    static TestInstallation &instance();
    ~TestInstallation();

    QString folder() const { return folder_; } // AppDir() of the installation
    int port() const { return port_; }
    // The fixture's own open connection.
    ds::Connection &db() { return *db_; }
    // What another connection needs to reach the server.
    ds::ConnectionParams params() const;

    // Points AppDir() and the port back at this installation (a test that
    // switched to a scratch installation calls it when done) and makes sure
    // the server runs and db() is open.
    void activate();
    // Empties every table and puts back the default account vorel/vorel/1.
    void reset();
    void reset(ds::Connection &db);
    // Stops the server (also done at exit).
    void stop();

private:
    TestInstallation();
    void start();

    QTemporaryDir dir_;
    QString folder_;
    int port_ = 0;
    std::unique_ptr<ds::Connection> db_;
    bool running_ = false;
};

// A port nobody listens on right now (bound to 0 on 127.0.0.1 and freed).
int FreeLocalPort();

// Runs the real tesselmar-setup on `folder` with `port`; true on exit 0.
bool RunSetup(const QString &folder, int port, QString *output = nullptr);
