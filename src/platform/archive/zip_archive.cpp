#include "platform/archive/zip_archive.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstdio>
#include <zip.h>

namespace {

QString zipErrorText(int code)
{
    zip_error_t e;
    zip_error_init_with_code(&e, code);
    const QString text = QString::fromLocal8Bit(zip_error_strerror(&e));
    zip_error_fini(&e);
    return text;
}

bool safeEntryName(const QString &name)
{
    if (name.isEmpty() || name.startsWith(QLatin1Char('/')) || name.contains(QLatin1Char('\\')))
        return false;
    const QStringList parts = name.split(QLatin1Char('/'));
    return !parts.contains(QStringLiteral(".."));
}

} // namespace

QString ZipArchiveName(const QString &name)
{
    if (name.endsWith(QLatin1String(".zip"), Qt::CaseInsensitive))
        return name;
    return name + QStringLiteral(".zip");
}

QString ZipWriter::PrepareNewZip(const QString &name)
{
    archive_ = ZipArchiveName(name);
    files_.clear();
    error_.clear();
    return archive_;
}

void ZipWriter::AddToZip(const QString &file) { files_ << file; }

bool ZipWriter::commit()
{
    error_.clear();
    const QString partial = archive_ + QStringLiteral(".part");
    QFile::remove(partial);
    int code = 0;
    zip_t *zip = zip_open(QFile::encodeName(partial).constData(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (!zip) {
        error_ = zipErrorText(code);
        return false;
    }
    for (const QString &file : files_) {
        zip_source_t *source = zip_source_file(zip, QFile::encodeName(file).constData(), 0, -1);
        if (!source || zip_file_add(zip, QFileInfo(file).fileName().toUtf8().constData(), source,
                                    ZIP_FL_OVERWRITE | ZIP_FL_ENC_UTF_8) < 0) {
            error_ = QStringLiteral("%1: %2").arg(file, QString::fromLocal8Bit(zip_strerror(zip)));
            if (source)
                zip_source_free(source);
            zip_discard(zip);
            QFile::remove(partial);
            return false;
        }
    }
    if (zip_close(zip) != 0) {
        error_ = QString::fromLocal8Bit(zip_strerror(zip));
        zip_discard(zip);
        QFile::remove(partial);
        return false;
    }
    // rename() replaces the old archive in one step.
    if (std::rename(QFile::encodeName(partial).constData(), QFile::encodeName(archive_).constData()) != 0) {
        error_ = QStringLiteral("Não foi possível substituir \"%1\".").arg(archive_);
        QFile::remove(partial);
        return false;
    }
    return true;
}

bool ExtractZip(const QString &folder, const QString &archive, QStringList *extracted, QString *error)
{
    auto failed = [error](const QString &text) {
        if (error)
            *error = text;
        return false;
    };
    int code = 0;
    zip_t *zip = zip_open(QFile::encodeName(archive).constData(), ZIP_RDONLY, &code);
    if (!zip)
        return failed(QStringLiteral("%1: %2").arg(archive, zipErrorText(code)));
    const QDir target(folder);
    const zip_int64_t count = zip_get_num_entries(zip, 0);
    bool ok = true;
    for (zip_int64_t i = 0; i < count && ok; ++i) {
        const QString name = QString::fromUtf8(zip_get_name(zip, zip_uint64_t(i), 0));
        if (!safeEntryName(name)) {
            ok = failed(QStringLiteral("%1: entrada recusada \"%2\"").arg(archive, name));
            break;
        }
        const QString path = target.filePath(name);
        if (name.endsWith(QLatin1Char('/'))) {
            ok = QDir().mkpath(path) || failed(QStringLiteral("%1: não foi possível criar a pasta").arg(path));
            continue;
        }
        QDir().mkpath(QFileInfo(path).absolutePath());
        zip_file_t *entry = zip_fopen_index(zip, zip_uint64_t(i), 0);
        if (!entry) {
            ok = failed(QStringLiteral("%1: %2").arg(name, QString::fromLocal8Bit(zip_strerror(zip))));
            break;
        }
        QSaveFile out(path);
        if (!out.open(QIODevice::WriteOnly)) {
            zip_fclose(entry);
            ok = failed(QStringLiteral("%1: %2").arg(path, out.errorString()));
            break;
        }
        char buffer[65536];
        zip_int64_t n;
        while ((n = zip_fread(entry, buffer, sizeof buffer)) > 0)
            out.write(buffer, n);
        zip_fclose(entry);
        if (n < 0 || !out.commit()) {
            ok = failed(QStringLiteral("%1: erro ao extrair").arg(path));
            break;
        }
        if (extracted)
            *extracted << path;
    }
    zip_close(zip);
    return ok;
}
