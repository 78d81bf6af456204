#include "ui/common/field_link.h"

#include <stdexcept>

FieldLink::FieldLink(QObject *owner, std::function<void()> onRefresh)
    : QObject(owner), onRefresh_(std::move(onRefresh))
{
}

void FieldLink::bind(ds::DataSet *dataSet, const QString &field)
{
    for (const QMetaObject::Connection &c : std::as_const(connections_))
        disconnect(c);
    connections_.clear();
    if (dataSet && !dataSet->fields().isEmpty() && !dataSet->hasField(field))
        throw std::invalid_argument(
            QStringLiteral("O campo '%1' não existe em %2.").arg(field, dataSet->name()).toStdString());
    dataSet_ = dataSet;
    fieldName_ = field;
    if (dataSet) {
        connections_ << connect(dataSet, &ds::DataSet::stateChanged, this, &FieldLink::changed)
                     << connect(dataSet, &ds::DataSet::rowsReset, this, &FieldLink::changed)
                     << connect(dataSet, &ds::DataSet::currentChanged, this, &FieldLink::changed)
                     << connect(dataSet, &ds::DataSet::fieldChanged, this, [this](const QString &name) {
                            if (name.compare(fieldName_, Qt::CaseInsensitive) == 0)
                                changed();
                        });
    }
    changed();
}

void FieldLink::changed()
{
    if (!isWriting() && onRefresh_)
        onRefresh_();
}

bool FieldLink::isActive() const { return dataSet_ && dataSet_->isActive() && dataSet_->hasField(fieldName_); }

const ds::Field *FieldLink::field() const { return isActive() ? &dataSet_->field(fieldName_) : nullptr; }

bool FieldLink::canModify() const
{
    const ds::Field *f = field();
    return f && !widgetReadOnly_ && !f->readOnly && !f->isLookup && !dataSet_->isQuery();
}

QVariant FieldLink::value() const { return isActive() ? dataSet_->value(fieldName_) : QVariant(); }

QString FieldLink::displayText() const { return isActive() ? dataSet_->displayText(fieldName_) : QString(); }

QString FieldLink::editText() const { return isActive() ? dataSet_->editText(fieldName_) : QString(); }

FieldLink::Write FieldLink::write(const QVariant &value)
{
    if (!canModify()) {
        changed();
        return Write::Refused;
    }
    bool converted = true;
    ++writing_;
    try {
        dataSet_->setValue(fieldName_, value);
    } catch (const std::invalid_argument &) {
        converted = false;
    } catch (...) {
        --writing_;
        throw;
    }
    --writing_;
    if (!converted)
        return Write::Invalid;
    if (!dataSet_ || !dataSet_->isEditing()) { // a before-edit hook aborted the edit
        changed();
        return Write::Refused;
    }
    return Write::Done;
}
