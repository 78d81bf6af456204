#include "platform/dataset/connection.h"

#include <QSqlError>

namespace ds {

DbError::DbError(const QString &message, int code, const QString &sqlState)
    : std::runtime_error(message.toStdString()), message_(message), code_(code), sqlState_(sqlState)
{
}

namespace {

DbError errorOf(const QSqlError &e)
{
    bool ok = false;
    const int code = e.nativeErrorCode().toInt(&ok);
    QString text = e.databaseText();
    if (text.isEmpty())
        text = e.text();
    if (text.isEmpty())
        text = e.driverText();
    return DbError(text, ok ? code : 0, QString());
}

} // namespace

Connection::Connection(const QString &name) : name_(name) {}

Connection::~Connection()
{
    close();
    if (QSqlDatabase::contains(name_))
        QSqlDatabase::removeDatabase(name_);
}

QSqlDatabase Connection::database() const { return QSqlDatabase::database(name_, false); }

void Connection::open()
{
    close();
    QSqlDatabase db = QSqlDatabase::contains(name_) ? QSqlDatabase::database(name_, false)
                                                    : QSqlDatabase::addDatabase(QStringLiteral("QMYSQL"), name_);
    if (!db.isValid())
        throw DbError(QStringLiteral("O controlador MySQL do Qt (QMYSQL) não está instalado."));
    db.setHostName(params_.host);
    db.setPort(params_.port);
    db.setDatabaseName(params_.database);
    db.setUserName(params_.user);
    db.setPassword(params_.password);
    db.setConnectOptions(QStringLiteral("MYSQL_OPT_CONNECT_TIMEOUT=5"));
    trace_.add(QStringLiteral("CONNECT %1@%2:%3/%4").arg(params_.user, params_.host).arg(params_.port).arg(params_.database));
    if (!db.open())
        throw errorOf(db.lastError());
    exec(QStringLiteral("SET NAMES utf8mb4"));
}

void Connection::close()
{
    if (!QSqlDatabase::contains(name_))
        return;
    QSqlDatabase db = QSqlDatabase::database(name_, false);
    if (db.isOpen()) {
        trace_.add(QStringLiteral("DISCONNECT"));
        db.close();
    }
}

bool Connection::isOpen() const
{
    return QSqlDatabase::contains(name_) && QSqlDatabase::database(name_, false).isOpen();
}

QSqlQuery Connection::exec(const QString &sql, const QVariantList &binds)
{
    QSqlDatabase db = database();
    if (!db.isOpen())
        throw DbError(QStringLiteral("A ligação à base de dados não está aberta."));
    QString traced = sql;
    if (!binds.isEmpty()) {
        QStringList values;
        for (const QVariant &v : binds)
            values << (v.isNull() ? QStringLiteral("NULL") : v.toString());
        traced += QStringLiteral("  -- [") + values.join(QStringLiteral(", ")) + QLatin1Char(']');
    }
    trace_.add(traced);
    QSqlQuery query(db);
    query.setForwardOnly(true);
    bool ok;
    if (binds.isEmpty()) {
        ok = query.exec(sql);
    } else {
        ok = query.prepare(sql);
        if (ok) {
            for (const QVariant &v : binds)
                query.addBindValue(v);
            ok = query.exec();
        }
    }
    if (!ok) {
        const DbError e = errorOf(query.lastError());
        trace_.add(QStringLiteral("ERROR %1: %2").arg(e.code()).arg(e.message()));
        throw e;
    }
    return query;
}

QString SqlLikeText(const QString &text)
{
    QString out;
    out.reserve(text.size() + 8);
    for (QChar c : text) {
        if (c == QLatin1Char('\\'))
            out += QStringLiteral("\\\\\\\\"); // a literal backslash inside LIKE: \\ in the pattern, escaped again
        else if (c == QLatin1Char('\''))
            out += QStringLiteral("''");
        else if (c == QLatin1Char('%') || c == QLatin1Char('_'))
            out += QLatin1Char('\\') + QString(QLatin1Char('\\')) + c;
        else
            out += c;
    }
    return out;
}

QString SqlQuote(const QString &text)
{
    QString out;
    out.reserve(text.size() + 2);
    out += QLatin1Char('\'');
    for (QChar c : text) {
        if (c == QLatin1Char('\\'))
            out += QStringLiteral("\\\\");
        else if (c == QLatin1Char('\''))
            out += QStringLiteral("''");
        else if (c == QChar(0))
            out += QStringLiteral("\\0");
        else
            out += c;
    }
    out += QLatin1Char('\'');
    return out;
}

} // namespace ds
