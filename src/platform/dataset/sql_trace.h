#pragma once
// Trace of the statements run on the connection: the last 255 kept in
// memory, each one appended to the trace file as it comes.
#include <QFile>
#include <QStringList>

namespace ds {

class SqlTrace {
public:
    static constexpr int MaxEntries = 255;

    void setFile(const QString &path);
    QString file() const { return path_; }
    void setActive(bool active) { active_ = active; }
    bool isActive() const { return active_; }

    void add(const QString &statement);
    const QStringList &entries() const { return entries_; }

private:
    QString path_;
    bool active_ = false;
    QStringList entries_;
};

} // namespace ds
