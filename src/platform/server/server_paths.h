#pragma once
// Where the private database server of this installation lives, all under
// AppDir() + "AppData/mysql/", and how the program reaches it.
#include <QString>
#include <QStringList>

QString ServerFolder();       // AppData/mysql/
QString ServerIniPath();      // AppData/mysql/my.ini
QString ServerToolsDir();     // AppData/mysql/bin/ (trailing '/')
QString ServerProgramPath();  // AppData/mysql/bin/mysqld_server
QString ServerDataDir();      // AppData/mysql/data
QString ServerPidFilePath();  // AppData/mysql/mysqld.pid
QString ServerLogPath();      // AppData/mysql/mysqld.err
// The server's Unix socket: inside AppData/mysql, or in the temporary folder
// (a name derived from the installation's path) when that path would be too
// long for a socket address.
QString ServerSocketPath();

// The port the private server listens on: 3307, or the value of the
// environment variable TESSELMAR_DB_PORT (several servers side by side).
int PrivateServerPort();

// The server program is given its option file explicitly; nothing else.
QStringList ServerArguments();
