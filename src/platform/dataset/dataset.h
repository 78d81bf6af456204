#pragma once
// A table object: an in-memory view of one table (or of a fixed query, or
// of nothing for an in-memory table) with a current row, edit states,
// hooks, master-detail links, lookup fields, a client-side filter, a sort
// and cached updates. Windows and rules reach rows only through it.
#include "platform/dataset/field_type.h"

#include <QList>
#include <QObject>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

#include <functional>
#include <memory>

namespace ds {

class Connection;
class DataSet;
class DbError;
class FilterExpr;

// Thrown by a before-hook to stop the operation silently (the layer
// swallows it), like Delphi's Abort.
struct AbortOperation {};
[[noreturn]] void Abort();

// A lookup field's value is `resultField` of the row of `source` whose
// `sourceKey` equals this row's `keyField`.
struct LookupDef {
    DataSet *source = nullptr;
    QString keyField;
    QString sourceKey;
    QString resultField;
};

struct Field {
    QString name;
    FieldType type = FieldType::String;
    int size = 0;
    bool notNull = false;
    QString displayFormat; // e.g. "0.00 €"
    QString editFormat;    // e.g. "0.00"
    QString editMask;      // Delphi mask, e.g. "!99/99/0000;1;_"
    bool isLookup = false;
    LookupDef lookup;
    bool readOnly = false;
};

class DataSet : public QObject {
    Q_OBJECT
public:
    enum class State { Inactive, Browse, Edit, Insert };
    enum class Order { None, Ascending, Descending };
    enum class ErrorAction { Fail, Abort };

    using Hook = std::function<void(DataSet &)>;
    using FieldHook = std::function<void(DataSet &, const QString &field)>;
    using ErrorHook = std::function<ErrorAction(DataSet &, const DbError &)>;

    explicit DataSet(const QString &name, QObject *parent = nullptr);
    ~DataSet() override;

    // --- identity and source
    QString name() const { return objectName(); }
    QString caption() const { return caption_; }
    void setCaption(const QString &caption) { caption_ = caption; }
    void setConnection(Connection *connection) { connection_ = connection; }
    Connection *connection() const { return connection_; }
    // A table object reads and writes `table`; a query object runs `sql`;
    // with neither, the rows live only in memory.
    void setTableName(const QString &table) { table_ = table; }
    QString tableName() const { return table_; }
    void setSql(const QString &sql) { sql_ = sql; }
    QString sql() const { return sql_; }
    bool isQuery() const { return table_.isEmpty() && !sql_.isEmpty(); }
    bool isInMemory() const { return table_.isEmpty() && sql_.isEmpty(); }
    void setOpenAtStart(bool on) { openAtStart_ = on; }
    bool openAtStart() const { return openAtStart_; }

    // --- fields: stored fields in column order, then lookup fields
    void setFields(const QList<Field> &stored); // closes the table object
    void addLookupField(const Field &lookup);   // closes the table object
    const QList<Field> &fields() const { return fields_; }
    int fieldIndex(const QString &name) const;
    bool hasField(const QString &name) const { return fieldIndex(name) >= 0; }
    Field &field(const QString &name);
    const Field &field(const QString &name) const;
    int storedFieldCount() const { return storedCount_; }

    // --- open and close
    void open();
    void close();
    bool isActive() const { return state_ != State::Inactive; }
    // Re-reads the rows, keeping the current row (by id) where it still is.
    void refresh();
    State state() const { return state_; }
    bool isEditing() const { return state_ == State::Edit || state_ == State::Insert; }

    // --- cursor over the visible (filtered, sorted) rows
    int rowCount() const { return int(view_.size()); }
    bool isEmpty() const { return view_.isEmpty(); }
    int recNo() const { return cur_; } // 0-based, -1 when empty
    void first();
    void last();
    void next();
    void prior();
    void moveTo(int row);
    bool eof() const { return eof_; }
    bool bof() const { return bof_; }
    // Moves to the first visible row whose field equals value (texts compared
    // exactly, or without case when caseInsensitive). False: cursor stays.
    bool locate(const QString &field, const QVariant &value, bool caseInsensitive = false);
    // The value of the first visible row matching, without moving.
    QVariant lookup(const QString &keyField, const QVariant &key, const QString &resultField) const;

    // --- values
    QVariant value(const QString &field) const;          // current row
    QVariant value(int row, const QString &field) const; // visible row
    // Empty: null or an empty text.
    bool isBlank(const QString &field) const;
    // Sets a field of the current row; in browse state this starts an edit.
    void setValue(const QString &field, const QVariant &value);
    void clearValue(const QString &field) { setValue(field, QVariant()); }
    QString displayText(const QString &field) const;
    QString displayText(int row, const QString &field) const;
    QString editText(const QString &field) const;
    // Sets a field from text typed by the user (decimal ',' or '.', '€').
    void setText(const QString &field, const QString &text);

    // --- editing
    void append();
    void insert();
    void edit();
    bool post(); // true when the row was stored
    void cancel();
    void remove();
    // Appends and posts one row given by position: stored fields in column
    // order, then lookup fields (ignored). A null value leaves the field as
    // the insert hooks and the master link filled it (`id` is generated).
    void appendRecord(const QVariantList &values);

    // --- hooks, in Delphi order
    Hook beforeInsert, afterInsert, beforeEdit, afterEdit, beforePost, afterPost, beforeDelete, afterDelete,
        beforeCancel, afterCancel, afterOpen, afterScroll;
    FieldHook onFieldChange;
    ErrorHook onPostError;

    // --- master-detail: the rows are those whose detailFields equal the
    // master's current masterFields; they follow the master's cursor.
    void setMaster(DataSet *master, const QStringList &masterFields, const QStringList &detailFields);
    DataSet *master() const { return master_; }

    // --- client-side filter and one-field sort
    void setFilter(const QString &filter); // throws std::invalid_argument on bad text
    QString filter() const { return filterText_; }
    void setFiltered(bool on);
    bool filtered() const { return filtered_; }
    void setSort(const QString &field, Order order);
    QString sortField() const { return sortField_; }
    Order sortOrder() const { return sortOrder_; }
    // Sort by `field` ascending, or toggle the direction when already on it.
    void toggleSort(const QString &field);

    // --- bookmarks (by id, or by position for rows without id)
    QVariant bookmark() const;
    bool gotoBookmark(const QVariant &bookmark);

    // --- suspending bound controls (nesting); master links follow on resume
    void disableControls();
    void enableControls();
    bool controlsDisabled() const { return disabled_ > 0; }

    // --- cached updates
    void setCachedUpdates(bool on);
    bool cachedUpdates() const { return cached_; }
    bool updatesPending() const { return !pending_.isEmpty(); }
    void applyUpdates();
    void commitUpdates();
    void cancelUpdates();

signals:
    void stateChanged();
    void rowsReset();             // rows read, filtered, sorted or removed
    void currentChanged();        // cursor moved
    void rowChanged(int row);     // values of one visible row changed
    void fieldChanged(const QString &field); // a value of the current row

private:
    using Row = QVector<QVariant>;
    enum class OpKind { Insert, Update, Delete };
    struct PendingOp {
        OpKind kind;
        int rowSerial;         // identifies the row in rows_ for inserts/updates
        QVariant id;           // for updates and deletes
        QStringList changed;   // for updates
    };
    struct StoredRow {
        Row values;
        int serial = 0;
    };

    void requireActive(const char *what) const;
    void readRows();
    void rebuildView(const QVariant &keepId, int keepSerial = -1);
    bool rowPasses(const Row &row) const;
    QVariant rowValue(const Row &row, int fieldIndex) const;
    const Row *currentRow() const;
    QVariant convert(const Field &f, const QVariant &v) const;
    void setCursor(int row, bool force = false);
    void startInsert(bool atEnd);
    void writeInsert(StoredRow &row);
    void writeUpdate(const StoredRow &row, const QVariant &id, const QStringList &changed);
    void writeDelete(const QVariant &id);
    QString selectSql(QVariantList &binds) const;
    void masterMoved(bool force);
    void checkBrowseMode();
    bool gotoBookmarkQuiet(const QVariant &bookmark);
    void reapplyView();
    QVariantList masterKey() const;
    void emitReset();
    void emitCurrent();
    void emitState();
    int lookupRowIndex(const QString &sourceKey, const QVariant &key) const;
    int storedIndex(const QString &name) const;
    int idIndex() const { return storedIndex(QStringLiteral("id")); }

    QString caption_;
    Connection *connection_ = nullptr;
    QString table_;
    QString sql_;
    bool openAtStart_ = true;

    QList<Field> fields_;
    int storedCount_ = 0;
    QHash<QString, int> fieldIndex_;

    State state_ = State::Inactive;
    QVector<StoredRow> rows_;
    QVector<int> view_; // indices into rows_
    int cur_ = -1;
    bool eof_ = true;
    bool bof_ = true;
    int nextSerial_ = 1;

    Row editBuffer_;            // the row's values before an edit began
    QStringList changedFields_; // changed while editing
    int insertSerial_ = -1;     // serial of the placeholder row while inserting

    DataSet *master_ = nullptr;
    QStringList masterFields_;
    QStringList detailFields_;
    QVariantList lastMasterKey_;
    QList<DataSet *> details_;

    QString filterText_;
    std::shared_ptr<FilterExpr> filterExpr_;
    bool filtered_ = false;
    QString sortField_;
    Order sortOrder_ = Order::None;

    int disabled_ = 0;
    bool resetWhileDisabled_ = false;
    bool currentWhileDisabled_ = false;

    bool cached_ = false;
    QList<PendingOp> pending_;

    // lookup index by key field of this table object, rebuilt on change
    mutable QHash<QString, QHash<QString, int>> lookupIndex_;
};

} // namespace ds
