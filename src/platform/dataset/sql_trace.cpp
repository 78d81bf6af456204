#include "platform/dataset/sql_trace.h"

#include <QDateTime>
#include <QTextStream>

namespace ds {

void SqlTrace::setFile(const QString &path) { path_ = path; }

void SqlTrace::add(const QString &statement)
{
    if (!active_)
        return;
    const QString line = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz")) +
                         QStringLiteral("  ") + statement;
    entries_ << line;
    if (entries_.size() > MaxEntries)
        entries_.removeFirst();
    if (path_.isEmpty())
        return;
    QFile file(path_);
    if (file.open(QIODevice::Append | QIODevice::Text)) {
        QTextStream out(&file);
        out << line << '\n';
    }
}

} // namespace ds
