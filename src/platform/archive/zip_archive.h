#pragma once
// Zip archives over libzip: building a new archive that replaces an older
// one only once it is complete, and extracting one into a folder.
#include <QString>
#include <QStringList>

// `name` with ".zip" appended unless it already ends in it (any case).
QString ZipArchiveName(const QString &name);

class ZipWriter {
public:
    // Names the archive to build (".zip" appended when missing). Nothing on
    // disk changes before commit().
    QString PrepareNewZip(const QString &name);
    // Adds a file, stored under its file name.
    void AddToZip(const QString &file);
    // Writes the archive under a temporary name and moves it over the
    // archive's name only when it is complete; an older archive stays as it
    // was when anything fails.
    bool commit();

    QString archiveName() const { return archive_; }
    QString errorString() const { return error_; }

private:
    QString archive_;
    QStringList files_;
    QString error_;
};

// Extracts every entry of `archive` into `folder`; the paths written are put
// into `extracted`. Entries that would land outside the folder (absolute
// names, "..") are refused.
bool ExtractZip(const QString &folder, const QString &archive, QStringList *extracted = nullptr,
                QString *error = nullptr);
