#pragma once
// Grid model over a table object: one row per visible row, the columns
// chosen by field name. The grid's current row and the table object's
// cursor are one and the same (see bindSelection).
#include <QAbstractTableModel>
#include <QPointer>
#include <QStringList>

class QItemSelectionModel;

namespace ds {

class DataSet;

class DataSetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit DataSetModel(DataSet *dataSet, QObject *parent = nullptr);

    DataSet *dataSet() const { return dataSet_; }
    // Columns by field name with their captions; empty = every field.
    void setColumns(const QStringList &fields, const QStringList &captions = {});
    QStringList columns() const { return fields_; }
    QString fieldAt(int column) const { return fields_.value(column); }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Keeps the selection model's current row and the table object's cursor
    // in step, both ways.
    void bindSelection(QItemSelectionModel *selection);

private:
    void syncSelection();

    QPointer<DataSet> dataSet_;
    QStringList fields_;
    QStringList captions_;
    QPointer<QItemSelectionModel> selection_;
    bool syncing_ = false;
};

} // namespace ds
