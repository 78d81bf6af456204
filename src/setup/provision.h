#pragma once
// Prepares a program folder: the data folders, the private server's option
// file and program links, and - only when there is no data folder yet - a
// new database with the schema, the root password and the default user.
// Running it again never touches an existing database.
#include <QString>

#include <functional>

struct ProvisionOptions {
    QString folder;  // the program folder
    int port = 3307; // written into a new my.ini
    // Bound of each wait for the server (start, stop).
    int waitMs = 60000;
    // Progress lines for the user.
    std::function<void(const QString &)> log;
};

// The option file of a new installation: server, client and tool settings.
QString ServerIniText(const QString &userName, int port);

// True on success; otherwise `error` says what failed.
bool ProvisionInstallation(const ProvisionOptions &options, QString *error);
