#pragma once
// The one database connection of the program. Every statement goes through
// exec(), which also writes the SQL trace.
#include "platform/dataset/sql_trace.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>

#include <stdexcept>

namespace ds {

// A failure reported by the database layer: the server's error code and
// SQL state where it gave them.
class DbError : public std::runtime_error {
public:
    DbError(const QString &message, int code = 0, const QString &sqlState = {});
    QString message() const { return message_; }
    int code() const { return code_; }
    QString sqlState() const { return sqlState_; }
    // The name of the error's type as the error report shows it.
    static QString className() { return QStringLiteral("EDatabaseError"); }

private:
    QString message_;
    int code_;
    QString sqlState_;
};

struct ConnectionParams {
    QString host = QStringLiteral("127.0.0.1");
    int port = 3307;
    QString database = QStringLiteral("tesselmar");
    QString user = QStringLiteral("root");
    QString password = QStringLiteral("kqzt");
};

class Connection {
public:
    explicit Connection(const QString &name = QStringLiteral("tesselmar"));
    ~Connection();
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    void setParams(const ConnectionParams &params) { params_ = params; }
    const ConnectionParams &params() const { return params_; }

    // Opens the connection; throws DbError when the server refuses.
    void open();
    void close();
    bool isOpen() const;

    // Runs one statement with its bound values; throws DbError on failure.
    QSqlQuery exec(const QString &sql, const QVariantList &binds = {});

    SqlTrace &trace() { return trace_; }
    QSqlDatabase database() const;

private:
    QString name_;
    ConnectionParams params_;
    SqlTrace trace_;
};

// A text as a MariaDB string literal, quotes included: quote and backslash
// escaped. The one place that builds literals for SQL text.
QString SqlQuote(const QString &text);
// The inside of a LIKE pattern that must match `text` literally: as
// SqlQuote's content, with '%' and '_' escaped as well.
QString SqlLikeText(const QString &text);

} // namespace ds
