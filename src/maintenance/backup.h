#pragma once
// Backup and restore of the database through the private server's own dump
// tool and client, with dumps kept zipped in the backup folder.
#include <QString>

class TObj_Backup {
public:
    // Backup (`backup` true): dumps `database` into `file` - or, when `file`
    // is a folder (ends with '/'), into "backup_<dd-MM-yyyy>.sql" there -
    // and zips it into the same name with ".zip", replacing that day's
    // earlier archive only when the new dump worked; the dump is deleted.
    // Restore (`backup` false): feeds a .sql file, or the dump inside a .zip,
    // to the client; an empty `file` asks the user for one. True when the
    // tool ran and succeeded; failures are shown in a warning.
    bool BackupRestore(const QString &host, const QString &user, bool backup, bool showSuccess, const QString &file,
                       const QString &toolsDir, const QString &database, const QString &password);

    // "backup_" + the date as dd-MM-yyyy.
    static QString DatedBackupBaseName();
};

// The exit backup: backup without a success message into
// AppData/db_backup/ with this installation's tools.
bool RunDefaultBackup();
