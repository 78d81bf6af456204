#include "platform/dataset/dataset_model.h"

#include "platform/dataset/dataset.h"

#include <QItemSelectionModel>

namespace ds {

DataSetModel::DataSetModel(DataSet *dataSet, QObject *parent) : QAbstractTableModel(parent), dataSet_(dataSet)
{
    connect(dataSet, &DataSet::rowsReset, this, [this]() {
        beginResetModel();
        endResetModel();
        syncSelection();
    });
    connect(dataSet, &DataSet::rowChanged, this, [this](int row) {
        emit dataChanged(index(row, 0), index(row, columnCount() - 1));
    });
    connect(dataSet, &DataSet::currentChanged, this, [this]() { syncSelection(); });
}

void DataSetModel::setColumns(const QStringList &fields, const QStringList &captions)
{
    beginResetModel();
    fields_ = fields;
    captions_ = captions;
    endResetModel();
}

int DataSetModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid() || !dataSet_ || !dataSet_->isActive())
        return 0;
    return dataSet_->rowCount();
}

int DataSetModel::columnCount(const QModelIndex &parent) const
{
    if (parent.isValid() || !dataSet_)
        return 0;
    return fields_.isEmpty() ? int(dataSet_->fields().size()) : int(fields_.size());
}

QVariant DataSetModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || !dataSet_ || !dataSet_->isActive())
        return {};
    const QString field = fields_.isEmpty() ? dataSet_->fields().value(index.column()).name : fields_.value(index.column());
    if (field.isEmpty() || !dataSet_->hasField(field))
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return dataSet_->displayText(index.row(), field);
    case Qt::EditRole:
        return dataSet_->value(index.row(), field);
    default:
        return {};
    }
}

QVariant DataSetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || !dataSet_)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    if (section < captions_.size() && !captions_[section].isEmpty())
        return captions_[section];
    return fields_.isEmpty() ? dataSet_->fields().value(section).name : fields_.value(section);
}

void DataSetModel::bindSelection(QItemSelectionModel *selection)
{
    selection_ = selection;
    connect(selection, &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex &current) {
        if (syncing_ || !dataSet_ || !dataSet_->isActive() || !current.isValid())
            return;
        if (current.row() != dataSet_->recNo())
            dataSet_->moveTo(current.row());
    });
    syncSelection();
}

void DataSetModel::syncSelection()
{
    if (!selection_ || !dataSet_)
        return;
    syncing_ = true;
    const int row = dataSet_->isActive() ? dataSet_->recNo() : -1;
    if (row < 0)
        selection_->clearCurrentIndex();
    else if (selection_->currentIndex().row() != row)
        selection_->setCurrentIndex(index(row, std::max(0, selection_->currentIndex().column())),
                                    QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    syncing_ = false;
}

} // namespace ds
