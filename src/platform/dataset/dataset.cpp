#include "platform/dataset/dataset.h"

#include "platform/dataset/connection.h"
#include "platform/dataset/filter.h"
#include "platform/dataset/format.h"
#include "platform/globals.h"

#include <QSqlQuery>
#include <QSqlField>
#include <QSqlRecord>

#include <algorithm>
#include <stdexcept>

namespace ds {

void Abort() { throw AbortOperation{}; }

namespace {

QString quoteName(const QString &name) { return QLatin1Char('`') + name + QLatin1Char('`'); }

// Runs a before-hook; false when it aborted the operation.
bool runBefore(const DataSet::Hook &hook, DataSet &ds)
{
    if (!hook)
        return true;
    try {
        hook(ds);
    } catch (const AbortOperation &) {
        return false;
    }
    return true;
}

void runAfter(const DataSet::Hook &hook, DataSet &ds)
{
    if (!hook)
        return;
    try {
        hook(ds);
    } catch (const AbortOperation &) {
    }
}

QString keyText(const QVariant &v)
{
    if (v.isNull() || !v.isValid())
        return QString();
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        return QString::number(v.toLongLong());
    case QMetaType::Double: {
        const double d = v.toDouble();
        if (d == double(qint64(d)))
            return QString::number(qint64(d));
        return QString::number(d, 'g', 17);
    }
    default:
        return v.toString();
    }
}

int compareValues(const QVariant &a, const QVariant &b, FieldType type)
{
    const bool an = a.isNull() || !a.isValid();
    const bool bn = b.isNull() || !b.isValid();
    if (an || bn)
        return an == bn ? 0 : (an ? -1 : 1);
    switch (type) {
    case FieldType::Integer: {
        const qint64 x = a.toLongLong(), y = b.toLongLong();
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    case FieldType::Double: {
        const double x = a.toDouble(), y = b.toDouble();
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    case FieldType::Date: {
        const QDate x = a.toDate(), y = b.toDate();
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    default:
        return QString::compare(a.toString(), b.toString(), Qt::CaseInsensitive);
    }
}

FieldType typeOfMeta(int typeId)
{
    switch (typeId) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::Bool:
        return FieldType::Integer;
    case QMetaType::Double:
    case QMetaType::Float:
        return FieldType::Double;
    case QMetaType::QDate:
    case QMetaType::QDateTime:
        return FieldType::Date;
    default:
        return FieldType::String;
    }
}

} // namespace

DataSet::DataSet(const QString &name, QObject *parent) : QObject(parent) { setObjectName(name); }

DataSet::~DataSet()
{
    if (master_)
        master_->details_.removeAll(this);
    for (DataSet *d : std::as_const(details_))
        d->master_ = nullptr;
}

// ---------------------------------------------------------------- fields

void DataSet::setFields(const QList<Field> &stored)
{
    close();
    QList<Field> lookups;
    for (const Field &f : std::as_const(fields_))
        if (f.isLookup)
            lookups << f;
    fields_ = stored;
    storedCount_ = int(stored.size());
    fields_ += lookups;
    fieldIndex_.clear();
    for (int i = 0; i < fields_.size(); ++i)
        fieldIndex_.insert(fields_[i].name.toLower(), i);
}

void DataSet::addLookupField(const Field &lookup)
{
    close();
    Field f = lookup;
    f.isLookup = true;
    f.readOnly = true;
    const int existing = fieldIndex(f.name);
    if (existing >= storedCount_) {
        fields_[existing] = f;
        return;
    }
    if (existing >= 0)
        throw std::invalid_argument(QStringLiteral("O campo %1 já existe em %2.").arg(f.name, name()).toStdString());
    fields_ << f;
    fieldIndex_.insert(f.name.toLower(), int(fields_.size()) - 1);
}

int DataSet::fieldIndex(const QString &name) const { return fieldIndex_.value(name.toLower(), -1); }

int DataSet::storedIndex(const QString &name) const
{
    const int i = fieldIndex(name);
    return i < storedCount_ ? i : -1;
}

Field &DataSet::field(const QString &name)
{
    const int i = fieldIndex(name);
    if (i < 0)
        throw std::invalid_argument(QStringLiteral("O campo '%1' não existe em %2.").arg(name, this->name()).toStdString());
    return fields_[i];
}

const Field &DataSet::field(const QString &name) const { return const_cast<DataSet *>(this)->field(name); }

// ---------------------------------------------------------------- open/close

void DataSet::requireActive(const char *what) const
{
    if (state_ == State::Inactive)
        throw std::runtime_error(
            QStringLiteral("Não é possível %1: a tabela %2 está fechada.").arg(QString::fromUtf8(what), name()).toStdString());
}

void DataSet::open()
{
    if (isActive())
        return;
    rows_.clear();
    if (!isInMemory()) {
        readRows();
        // A detail of no master row reads nothing, yet opening must still
        // fail when its table cannot be read.
        if (master_ && rows_.isEmpty() && connection_) {
            QVariantList binds;
            connection_->exec(selectSql(binds).section(QStringLiteral(" WHERE "), 0, 0) + QStringLiteral(" LIMIT 0"));
        }
    }
    state_ = State::Browse;
    lastMasterKey_ = masterKey();
    rebuildView(QVariant());
    cur_ = view_.isEmpty() ? -1 : 0;
    bof_ = true;
    eof_ = view_.isEmpty();
    emitState();
    emitReset();
    emitCurrent();
    runAfter(afterOpen, *this);
}

void DataSet::close()
{
    if (!isActive())
        return;
    state_ = State::Inactive;
    rows_.clear();
    view_.clear();
    pending_.clear();
    lookupIndex_.clear();
    cur_ = -1;
    bof_ = eof_ = true;
    insertSerial_ = -1;
    changedFields_.clear();
    emitState();
    emitReset();
    emitCurrent();
}

QVariantList DataSet::masterKey() const
{
    QVariantList key;
    if (!master_)
        return key;
    for (const QString &f : masterFields_)
        key << (master_->isActive() && !master_->isEmpty() ? master_->value(f) : QVariant());
    return key;
}

QString DataSet::selectSql(QVariantList &binds) const
{
    if (isQuery())
        return sql_;
    QStringList cols;
    for (int i = 0; i < storedCount_; ++i)
        cols << quoteName(fields_[i].name);
    QString sql = QStringLiteral("SELECT ") + (cols.isEmpty() ? QStringLiteral("*") : cols.join(QStringLiteral(", "))) +
                  QStringLiteral(" FROM ") + quoteName(table_);
    if (master_) {
        QStringList where;
        const QVariantList key = masterKey();
        for (int i = 0; i < detailFields_.size(); ++i) {
            where << quoteName(detailFields_[i]) + QStringLiteral(" = ?");
            binds << key.value(i);
        }
        sql += QStringLiteral(" WHERE ") + where.join(QStringLiteral(" AND "));
    }
    return sql;
}

void DataSet::readRows()
{
    rows_.clear();
    lookupIndex_.clear();
    if (master_) {
        // A detail of no master row (closed, empty or not yet stored) has no rows.
        for (const QVariant &v : masterKey())
            if (v.isNull() || !v.isValid())
                return;
    }
    if (!connection_)
        throw std::runtime_error(QStringLiteral("A tabela %1 não tem ligação à base de dados.").arg(name()).toStdString());
    QVariantList binds;
    const QString sql = selectSql(binds);
    QSqlQuery q = connection_->exec(sql, binds);
    const QSqlRecord rec = q.record();
    if (fields_.isEmpty() || (isQuery() && storedCount_ == 0)) {
        QList<Field> defined;
        for (int i = 0; i < rec.count(); ++i) {
            Field f;
            f.name = rec.fieldName(i);
            f.type = typeOfMeta(rec.field(i).metaType().id());
            defined << f;
        }
        setFields(defined);
    }
    // Map result columns to fields by name (query objects may select fewer).
    QVector<int> columnOf(storedCount_, -1);
    for (int i = 0; i < storedCount_; ++i)
        columnOf[i] = rec.indexOf(fields_[i].name);
    while (q.next()) {
        StoredRow row;
        row.serial = nextSerial_++;
        row.values.resize(storedCount_);
        for (int i = 0; i < storedCount_; ++i)
            if (columnOf[i] >= 0)
                row.values[i] = convert(fields_[i], q.value(columnOf[i]));
        rows_.push_back(std::move(row));
    }
}

void DataSet::refresh()
{
    requireActive("reler");
    if (isEditing())
        post();
    const QVariant keep = bookmark();
    const int oldCur = cur_;
    if (!isInMemory())
        readRows();
    lastMasterKey_ = masterKey();
    rebuildView(QVariant());
    if (!gotoBookmarkQuiet(keep))
        cur_ = view_.isEmpty() ? -1 : std::clamp(oldCur, 0, int(view_.size()) - 1);
    bof_ = cur_ <= 0;
    eof_ = view_.isEmpty();
    emitReset();
    emitCurrent();
}

// ---------------------------------------------------------------- view

bool DataSet::rowPasses(const Row &row) const
{
    if (!filtered_ || !filterExpr_)
        return true;
    return filterExpr_->matches([&](const QString &name) -> QVariant {
        const int i = fieldIndex(name);
        if (i < 0)
            throw std::invalid_argument(
                QStringLiteral("Filtro de %1: o campo '%2' não existe.").arg(this->name(), name).toStdString());
        return rowValue(row, i);
    });
}

void DataSet::rebuildView(const QVariant &keepId, int keepSerial)
{
    view_.clear();
    view_.reserve(rows_.size());
    for (int i = 0; i < rows_.size(); ++i)
        if (rows_[i].serial == insertSerial_ || rowPasses(rows_[i].values))
            view_.push_back(i);
    if (sortOrder_ != Order::None && !sortField_.isEmpty()) {
        const int fi = fieldIndex(sortField_);
        if (fi >= 0) {
            const FieldType type = fields_[fi].type;
            const bool desc = sortOrder_ == Order::Descending;
            std::stable_sort(view_.begin(), view_.end(), [&](int a, int b) {
                const int c = compareValues(rowValue(rows_[a].values, fi), rowValue(rows_[b].values, fi), type);
                return desc ? c > 0 : c < 0;
            });
        }
    }
    cur_ = view_.isEmpty() ? -1 : std::clamp(cur_, 0, int(view_.size()) - 1);
    if (keepSerial >= 0) {
        for (int i = 0; i < view_.size(); ++i)
            if (rows_[view_[i]].serial == keepSerial) {
                cur_ = i;
                break;
            }
    } else if (keepId.isValid()) {
        gotoBookmarkQuiet(keepId);
    }
    eof_ = view_.isEmpty();
    bof_ = cur_ <= 0;
}

const DataSet::Row *DataSet::currentRow() const
{
    if (cur_ < 0 || cur_ >= view_.size())
        return nullptr;
    return &rows_[view_[cur_]].values;
}

// ---------------------------------------------------------------- cursor

void DataSet::checkBrowseMode()
{
    if (isEditing())
        post();
}

void DataSet::setCursor(int row, bool force)
{
    if (view_.isEmpty())
        row = -1;
    else
        row = std::clamp(row, 0, int(view_.size()) - 1);
    if (row == cur_ && !force)
        return;
    cur_ = row;
    emitCurrent();
    runAfter(afterScroll, *this);
}

void DataSet::first()
{
    requireActive("mover");
    checkBrowseMode();
    setCursor(0);
    bof_ = true;
    eof_ = view_.isEmpty();
}

void DataSet::last()
{
    requireActive("mover");
    checkBrowseMode();
    setCursor(int(view_.size()) - 1);
    eof_ = true;
    bof_ = view_.isEmpty();
}

void DataSet::next()
{
    requireActive("mover");
    checkBrowseMode();
    if (cur_ + 1 < view_.size()) {
        setCursor(cur_ + 1);
        bof_ = eof_ = false;
    } else {
        eof_ = true;
    }
}

void DataSet::prior()
{
    requireActive("mover");
    checkBrowseMode();
    if (cur_ > 0) {
        setCursor(cur_ - 1);
        bof_ = eof_ = false;
    } else {
        bof_ = true;
    }
}

void DataSet::moveTo(int row)
{
    requireActive("mover");
    checkBrowseMode();
    setCursor(row);
    bof_ = eof_ = view_.isEmpty();
}

bool DataSet::locate(const QString &fieldName, const QVariant &value, bool caseInsensitive)
{
    requireActive("procurar");
    const int fi = fieldIndex(fieldName);
    if (fi < 0)
        throw std::invalid_argument(QStringLiteral("O campo '%1' não existe em %2.").arg(fieldName, name()).toStdString());
    const QVariant wanted = convert(fields_[fi], value);
    for (int i = 0; i < view_.size(); ++i) {
        const QVariant v = rowValue(rows_[view_[i]].values, fi);
        bool equal;
        if (fields_[fi].type == FieldType::String || fields_[fi].type == FieldType::Memo)
            equal = !v.isNull() && !wanted.isNull() &&
                    QString::compare(v.toString(), wanted.toString(),
                                     caseInsensitive ? Qt::CaseInsensitive : Qt::CaseSensitive) == 0;
        else
            equal = !v.isNull() && !wanted.isNull() && compareValues(v, wanted, fields_[fi].type) == 0;
        if (equal) {
            checkBrowseMode();
            setCursor(i);
            bof_ = eof_ = false;
            return true;
        }
    }
    return false;
}

QVariant DataSet::lookup(const QString &keyField, const QVariant &key, const QString &resultField) const
{
    const int ki = fieldIndex(keyField);
    const int ri = fieldIndex(resultField);
    if (ki < 0 || ri < 0 || !isActive())
        return QVariant();
    const QVariant wanted = convert(fields_[ki], key);
    for (int i : view_)
        if (compareValues(rowValue(rows_[i].values, ki), wanted, fields_[ki].type) == 0 &&
            !rowValue(rows_[i].values, ki).isNull())
            return rowValue(rows_[i].values, ri);
    return QVariant();
}

// ---------------------------------------------------------------- values

int DataSet::lookupRowIndex(const QString &sourceKey, const QVariant &key) const
{
    const int ki = storedIndex(sourceKey);
    if (ki < 0)
        return -1;
    auto it = lookupIndex_.find(sourceKey);
    if (it == lookupIndex_.end()) {
        QHash<QString, int> index;
        index.reserve(rows_.size());
        for (int i = int(rows_.size()) - 1; i >= 0; --i)
            index.insert(keyText(rows_[i].values[ki]), i);
        it = lookupIndex_.insert(sourceKey, index);
    }
    return it->value(keyText(key), -1);
}

QVariant DataSet::rowValue(const Row &row, int fi) const
{
    if (fi < storedCount_)
        return fi < row.size() ? row[fi] : QVariant();
    const LookupDef &l = fields_[fi].lookup;
    const int ki = storedIndex(l.keyField);
    if (!l.source || ki < 0 || !l.source->isActive())
        return QVariant();
    const QVariant key = row.value(ki);
    if (key.isNull() || !key.isValid())
        return QVariant();
    const int si = l.source->lookupRowIndex(l.sourceKey, key);
    const int ri = l.source->storedIndex(l.resultField);
    if (si < 0 || ri < 0)
        return QVariant();
    return l.source->rows_[si].values[ri];
}

QVariant DataSet::value(const QString &fieldName) const
{
    const int fi = fieldIndex(fieldName);
    if (fi < 0)
        throw std::invalid_argument(QStringLiteral("O campo '%1' não existe em %2.").arg(fieldName, name()).toStdString());
    const Row *row = currentRow();
    return row ? rowValue(*row, fi) : QVariant();
}

QVariant DataSet::value(int row, const QString &fieldName) const
{
    const int fi = fieldIndex(fieldName);
    if (fi < 0)
        throw std::invalid_argument(QStringLiteral("O campo '%1' não existe em %2.").arg(fieldName, name()).toStdString());
    if (row < 0 || row >= view_.size())
        return QVariant();
    return rowValue(rows_[view_[row]].values, fi);
}

bool DataSet::isBlank(const QString &fieldName) const
{
    const QVariant v = value(fieldName);
    return v.isNull() || !v.isValid() || (v.typeId() == QMetaType::QString && v.toString().isEmpty());
}

QVariant DataSet::convert(const Field &f, const QVariant &v) const
{
    if (!v.isValid() || v.isNull())
        return QVariant();
    const bool isText = v.typeId() == QMetaType::QString || v.typeId() == QMetaType::QByteArray;
    const QString text = isText ? v.toString().trimmed() : QString();
    auto bad = [&]() {
        throw std::invalid_argument(
            QStringLiteral("'%1' não é um valor válido para o campo '%2'.").arg(v.toString(), f.name).toStdString());
    };
    switch (f.type) {
    case FieldType::Integer: {
        if (isText) {
            if (text.isEmpty())
                return QVariant();
            bool ok = false;
            const qint64 n = text.toLongLong(&ok);
            if (!ok)
                bad();
            return QVariant(n);
        }
        if (v.typeId() == QMetaType::Double)
            return QVariant(qint64(qRound64(v.toDouble())));
        bool ok = false;
        const qint64 n = v.toLongLong(&ok);
        if (!ok)
            bad();
        return QVariant(n);
    }
    case FieldType::Double: {
        if (isText) {
            if (text.isEmpty())
                return QVariant();
            double d = 0;
            if (!ParseAmount(text, &d))
                bad();
            return QVariant(d);
        }
        bool ok = false;
        const double d = v.toDouble(&ok);
        if (!ok)
            bad();
        return QVariant(d);
    }
    case FieldType::Date: {
        if (v.typeId() == QMetaType::QDate)
            return v.toDate().isValid() ? v : QVariant();
        if (v.typeId() == QMetaType::QDateTime)
            return QVariant(v.toDateTime().date());
        if (isText) {
            if (text.isEmpty() || text == QStringLiteral("__/__/____") || text == QStringLiteral("/  /"))
                return QVariant();
            for (const char *fmt : {"dd/MM/yyyy", "d/M/yyyy", "yyyy-MM-dd", "yyyy/MM/dd"}) {
                const QDate d = QDate::fromString(text, QString::fromLatin1(fmt));
                if (d.isValid())
                    return QVariant(d);
            }
            bad();
        }
        bad();
        return QVariant();
    }
    case FieldType::String:
    case FieldType::Memo:
        return QVariant(v.toString());
    }
    return v;
}

void DataSet::setValue(const QString &fieldName, const QVariant &newValue)
{
    requireActive("alterar");
    const int fi = fieldIndex(fieldName);
    if (fi < 0)
        throw std::invalid_argument(QStringLiteral("O campo '%1' não existe em %2.").arg(fieldName, name()).toStdString());
    if (fi >= storedCount_)
        throw std::invalid_argument(
            QStringLiteral("O campo '%1' de %2 não pode ser alterado.").arg(fieldName, name()).toStdString());
    const QVariant v = convert(fields_[fi], newValue);
    if (!isEditing())
        edit();
    if (!isEditing())
        return; // the edit was aborted by a hook
    Row &row = rows_[view_[cur_]].values;
    const QVariant old = row[fi];
    const bool same = (old.isNull() && v.isNull()) ||
                      (!old.isNull() && !v.isNull() && old.typeId() == v.typeId() && old == v);
    if (same)
        return;
    row[fi] = v;
    lookupIndex_.clear();
    if (!changedFields_.contains(fields_[fi].name))
        changedFields_ << fields_[fi].name;
    if (!controlsDisabled()) {
        emit rowChanged(cur_);
        emit fieldChanged(fields_[fi].name);
    }
    if (onFieldChange)
        onFieldChange(*this, fields_[fi].name);
}

QString DataSet::displayText(const QString &fieldName) const
{
    return cur_ < 0 ? QString() : displayText(cur_, fieldName);
}

QString DataSet::displayText(int row, const QString &fieldName) const
{
    const QVariant v = value(row, fieldName);
    if (v.isNull() || !v.isValid())
        return QString();
    const Field &f = field(fieldName);
    switch (f.type) {
    case FieldType::Double:
        if (!f.displayFormat.isEmpty())
            return FormatFloat(f.displayFormat, v.toDouble(), DecimalSep);
        return QString::number(v.toDouble(), 'g', 15).replace(QLatin1Char('.'), DecimalSep);
    case FieldType::Date:
        return v.toDate().toString(QStringLiteral("dd/MM/yyyy"));
    case FieldType::Integer:
        return QString::number(v.toLongLong());
    default:
        return v.toString();
    }
}

QString DataSet::editText(const QString &fieldName) const
{
    const QVariant v = value(fieldName);
    if (v.isNull() || !v.isValid())
        return QString();
    const Field &f = field(fieldName);
    if (f.type == FieldType::Double && !f.editFormat.isEmpty())
        return FormatFloat(f.editFormat, v.toDouble(), DecimalSep);
    return displayText(fieldName);
}

void DataSet::setText(const QString &fieldName, const QString &text) { setValue(fieldName, QVariant(text)); }

// ---------------------------------------------------------------- editing

void DataSet::startInsert(bool atEnd)
{
    requireActive("inserir");
    checkBrowseMode();
    if (!runBefore(beforeInsert, *this))
        return;
    StoredRow row;
    row.serial = nextSerial_++;
    row.values.resize(storedCount_);
    if (master_) {
        const QVariantList key = masterKey();
        for (int i = 0; i < detailFields_.size(); ++i) {
            const int di = storedIndex(detailFields_[i]);
            if (di >= 0)
                row.values[di] = convert(fields_[di], key.value(i));
        }
    }
    rows_.push_back(row);
    lookupIndex_.clear();
    const int rowIndex = int(rows_.size()) - 1;
    const int pos = (atEnd || cur_ < 0) ? int(view_.size()) : cur_;
    view_.insert(pos, rowIndex);
    insertSerial_ = row.serial;
    cur_ = pos;
    changedFields_.clear();
    state_ = State::Insert;
    bof_ = eof_ = false;
    emitState();
    emitReset();
    emitCurrent();
    runAfter(afterInsert, *this);
}

void DataSet::append() { startInsert(true); }
void DataSet::insert() { startInsert(false); }

void DataSet::edit()
{
    requireActive("editar");
    if (isEditing())
        return;
    if (view_.isEmpty()) {
        insert();
        return;
    }
    if (!runBefore(beforeEdit, *this))
        return;
    editBuffer_ = rows_[view_[cur_]].values;
    changedFields_.clear();
    state_ = State::Edit;
    emitState();
    runAfter(afterEdit, *this);
}

bool DataSet::post()
{
    if (!isEditing())
        return false;
    if (!runBefore(beforePost, *this))
        return false;
    if (!isEditing()) // the hook cancelled the edit
        return false;
    StoredRow &row = rows_[view_[cur_]];
    const int serial = row.serial;
    try {
        if (!isInMemory() && !isQuery()) {
            if (state_ == State::Insert) {
                if (cached_)
                    pending_ << PendingOp{OpKind::Insert, serial, QVariant(), {}};
                else
                    writeInsert(row);
            } else if (!changedFields_.isEmpty()) {
                const QVariant id = idIndex() >= 0 ? row.values[idIndex()] : QVariant();
                if (cached_) {
                    bool merged = false;
                    for (PendingOp &op : pending_)
                        if (op.rowSerial == serial && op.kind != OpKind::Delete) {
                            for (const QString &c : std::as_const(changedFields_))
                                if (!op.changed.contains(c))
                                    op.changed << c;
                            merged = true;
                        }
                    if (!merged)
                        pending_ << PendingOp{OpKind::Update, serial, id, changedFields_};
                } else {
                    writeUpdate(row, id, changedFields_);
                }
            }
        } else if (isQuery()) {
            throw std::runtime_error(QStringLiteral("A consulta %1 é só de leitura.").arg(name()).toStdString());
        }
    } catch (const DbError &e) {
        if (onPostError && onPostError(*this, e) == ErrorAction::Abort)
            return false;
        throw;
    }
    state_ = State::Browse;
    insertSerial_ = -1;
    changedFields_.clear();
    editBuffer_.clear();
    lookupIndex_.clear();
    rebuildView(QVariant(), serial);
    emitState();
    emitReset();
    emitCurrent();
    runAfter(afterPost, *this);
    return true;
}

void DataSet::cancel()
{
    if (!isEditing())
        return;
    if (!runBefore(beforeCancel, *this))
        return;
    if (state_ == State::Insert) {
        const int oldCur = cur_;
        for (int i = 0; i < rows_.size(); ++i)
            if (rows_[i].serial == insertSerial_) {
                rows_.remove(i);
                break;
            }
        insertSerial_ = -1;
        state_ = State::Browse;
        cur_ = oldCur;
        rebuildView(QVariant());
        if (oldCur >= view_.size())
            cur_ = int(view_.size()) - 1;
    } else {
        rows_[view_[cur_]].values = editBuffer_;
        state_ = State::Browse;
    }
    editBuffer_.clear();
    changedFields_.clear();
    lookupIndex_.clear();
    emitState();
    emitReset();
    emitCurrent();
    runAfter(afterCancel, *this);
}

void DataSet::remove()
{
    requireActive("apagar");
    if (state_ == State::Insert) {
        cancel();
        return;
    }
    if (state_ == State::Edit)
        cancel();
    if (view_.isEmpty())
        return;
    const int serial = rows_[view_[cur_]].serial;
    const QVariant id = idIndex() >= 0 ? rows_[view_[cur_]].values[idIndex()] : QVariant();
    if (!runBefore(beforeDelete, *this))
        return;
    if (!isInMemory() && !isQuery()) {
        if (cached_) {
            bool wasPendingInsert = false;
            for (int i = int(pending_.size()) - 1; i >= 0; --i)
                if (pending_[i].rowSerial == serial) {
                    wasPendingInsert |= pending_[i].kind == OpKind::Insert;
                    pending_.removeAt(i);
                }
            if (!wasPendingInsert)
                pending_ << PendingOp{OpKind::Delete, serial, id, {}};
        } else {
            writeDelete(id);
        }
    }
    // The hooks may have re-read the rows: find the row again by id or serial.
    const int oldCur = cur_;
    for (int i = 0; i < rows_.size(); ++i) {
        const bool match = id.isValid() && !id.isNull() && idIndex() >= 0
                               ? keyText(rows_[i].values[idIndex()]) == keyText(id)
                               : rows_[i].serial == serial;
        if (match) {
            rows_.remove(i);
            break;
        }
    }
    lookupIndex_.clear();
    cur_ = oldCur;
    rebuildView(QVariant());
    emitReset();
    emitCurrent();
    runAfter(afterDelete, *this);
}

void DataSet::appendRecord(const QVariantList &values)
{
    append();
    if (state_ != State::Insert)
        return;
    // A null value leaves the field as the insert hooks and the master link
    // filled it.
    for (int i = 0; i < storedCount_ && i < values.size(); ++i)
        if (values[i].isValid() && !values[i].isNull())
            setValue(fields_[i].name, values[i]);
    post();
}

void DataSet::writeInsert(StoredRow &row)
{
    QStringList cols, marks;
    QVariantList binds;
    const int id = idIndex();
    for (int i = 0; i < storedCount_; ++i) {
        if (i == id && (row.values[i].isNull() || !row.values[i].isValid()))
            continue;
        cols << quoteName(fields_[i].name);
        marks << QStringLiteral("?");
        binds << row.values[i];
    }
    const QString sql = QStringLiteral("INSERT INTO ") + quoteName(table_) + QStringLiteral(" (") +
                        cols.join(QStringLiteral(", ")) + QStringLiteral(") VALUES (") + marks.join(QStringLiteral(", ")) +
                        QLatin1Char(')');
    QSqlQuery q = connection_->exec(sql, binds);
    if (id >= 0 && (row.values[id].isNull() || !row.values[id].isValid()))
        row.values[id] = QVariant(q.lastInsertId().toLongLong());
}

void DataSet::writeUpdate(const StoredRow &row, const QVariant &id, const QStringList &changed)
{
    if (id.isNull() || !id.isValid() || changed.isEmpty())
        return;
    QStringList sets;
    QVariantList binds;
    for (const QString &c : changed) {
        const int fi = storedIndex(c);
        if (fi < 0)
            continue;
        sets << quoteName(fields_[fi].name) + QStringLiteral(" = ?");
        binds << row.values[fi];
    }
    binds << id;
    connection_->exec(QStringLiteral("UPDATE ") + quoteName(table_) + QStringLiteral(" SET ") +
                          sets.join(QStringLiteral(", ")) + QStringLiteral(" WHERE `id` = ?"),
                      binds);
}

void DataSet::writeDelete(const QVariant &id)
{
    if (id.isNull() || !id.isValid())
        return;
    connection_->exec(QStringLiteral("DELETE FROM ") + quoteName(table_) + QStringLiteral(" WHERE `id` = ?"), {id});
}

// ---------------------------------------------------------------- master-detail

void DataSet::setMaster(DataSet *master, const QStringList &masterFields, const QStringList &detailFields)
{
    if (master_) {
        master_->details_.removeAll(this);
        disconnect(master_, nullptr, this, nullptr);
    }
    master_ = master;
    masterFields_ = masterFields;
    detailFields_ = detailFields;
    if (!master_)
        return;
    master_->details_ << this;
    connect(master_, &DataSet::currentChanged, this, [this]() { masterMoved(false); });
    connect(master_, &DataSet::rowsReset, this, [this]() { masterMoved(true); });
}

void DataSet::masterMoved(bool force)
{
    if (!isActive() || isInMemory())
        return;
    const QVariantList key = masterKey();
    if (!force && key == lastMasterKey_)
        return;
    if (force && key == lastMasterKey_ && master_ && master_->state() == State::Edit)
        return; // typing into the master does not change which rows belong to it
    lastMasterKey_ = key;
    if (isEditing()) {
        try {
            post();
        } catch (...) {
            cancel();
        }
    }
    readRows();
    cur_ = 0;
    rebuildView(QVariant());
    cur_ = view_.isEmpty() ? -1 : 0;
    bof_ = true;
    eof_ = view_.isEmpty();
    emitReset();
    emitCurrent();
}

// ---------------------------------------------------------------- filter and sort

void DataSet::setFilter(const QString &filter)
{
    std::shared_ptr<FilterExpr> expr;
    if (!filter.trimmed().isEmpty())
        expr = FilterExpr::parse(filter);
    filterText_ = filter;
    filterExpr_ = expr;
    if (filtered_ && isActive())
        reapplyView();
}

void DataSet::setFiltered(bool on)
{
    if (filtered_ == on)
        return;
    filtered_ = on;
    if (isActive())
        reapplyView();
}

void DataSet::setSort(const QString &field, Order order)
{
    sortField_ = field;
    sortOrder_ = order;
    if (isActive())
        reapplyView();
}

void DataSet::toggleSort(const QString &field)
{
    if (QString::compare(sortField_, field, Qt::CaseInsensitive) != 0 || sortOrder_ == Order::None)
        setSort(field, Order::Ascending);
    else
        setSort(field, sortOrder_ == Order::Ascending ? Order::Descending : Order::Ascending);
}

void DataSet::reapplyView()
{
    checkBrowseMode();
    const QVariant keep = bookmark();
    rebuildView(QVariant());
    gotoBookmarkQuiet(keep);
    emitReset();
    emitCurrent();
}

// ---------------------------------------------------------------- bookmarks

QVariant DataSet::bookmark() const
{
    const Row *row = currentRow();
    if (!row)
        return QVariant();
    const int id = idIndex();
    if (id >= 0 && !(*row)[id].isNull())
        return QVariant(keyText((*row)[id]));
    return QVariant(QStringLiteral("#%1").arg(rows_[view_[cur_]].serial));
}

bool DataSet::gotoBookmarkQuiet(const QVariant &bookmark)
{
    if (!bookmark.isValid())
        return false;
    const QString mark = bookmark.toString();
    const int id = idIndex();
    for (int i = 0; i < view_.size(); ++i) {
        const StoredRow &r = rows_[view_[i]];
        const bool match = mark.startsWith(QLatin1Char('#')) ? QStringLiteral("#%1").arg(r.serial) == mark
                                                              : (id >= 0 && keyText(r.values[id]) == mark);
        if (match) {
            cur_ = i;
            return true;
        }
    }
    return false;
}

bool DataSet::gotoBookmark(const QVariant &bookmark)
{
    requireActive("mover");
    checkBrowseMode();
    const int before = cur_;
    if (!gotoBookmarkQuiet(bookmark))
        return false;
    const int target = cur_;
    cur_ = before;
    setCursor(target);
    bof_ = eof_ = false;
    return true;
}

// ---------------------------------------------------------------- controls

void DataSet::disableControls() { ++disabled_; }

void DataSet::enableControls()
{
    if (disabled_ == 0)
        return;
    if (--disabled_ > 0)
        return;
    const bool reset = resetWhileDisabled_, current = currentWhileDisabled_;
    resetWhileDisabled_ = currentWhileDisabled_ = false;
    if (reset)
        emit rowsReset();
    if (current || reset)
        emit currentChanged();
}

void DataSet::emitReset()
{
    if (controlsDisabled())
        resetWhileDisabled_ = true;
    else
        emit rowsReset();
}

void DataSet::emitCurrent()
{
    if (controlsDisabled())
        currentWhileDisabled_ = true;
    else
        emit currentChanged();
}

void DataSet::emitState()
{
    if (!controlsDisabled())
        emit stateChanged();
}

// ---------------------------------------------------------------- cached updates

void DataSet::setCachedUpdates(bool on)
{
    if (cached_ == on)
        return;
    if (!on && !pending_.isEmpty())
        cancelUpdates();
    cached_ = on;
}

void DataSet::applyUpdates()
{
    checkBrowseMode();
    while (!pending_.isEmpty()) {
        const PendingOp op = pending_.first();
        int index = -1;
        for (int i = 0; i < rows_.size(); ++i)
            if (rows_[i].serial == op.rowSerial) {
                index = i;
                break;
            }
        switch (op.kind) {
        case OpKind::Insert:
            if (index >= 0)
                writeInsert(rows_[index]);
            break;
        case OpKind::Update:
            if (index >= 0)
                writeUpdate(rows_[index], op.id, op.changed);
            break;
        case OpKind::Delete:
            writeDelete(op.id);
            break;
        }
        pending_.removeFirst();
    }
    lookupIndex_.clear();
}

void DataSet::commitUpdates() { pending_.clear(); }

void DataSet::cancelUpdates()
{
    if (isEditing())
        cancel();
    pending_.clear();
    if (isActive() && !isInMemory())
        refresh();
}

} // namespace ds
