#include "ui/common/db_check_box.h"

#include "ui/common/field_link.h"
#include "ui/common/value_match.h"

DBCheckBox::DBCheckBox(QWidget *parent) : QCheckBox(parent), link_(new FieldLink(this, [this]() { refresh(); }))
{
    connect(this, &QCheckBox::clicked, this, &DBCheckBox::clickedByUser);
}

DBCheckBox::DBCheckBox(const QString &caption, ds::DataSet *dataSet, const QString &field, QWidget *parent)
    : DBCheckBox(parent)
{
    setText(caption);
    bind(dataSet, field);
}

void DBCheckBox::bind(ds::DataSet *dataSet, const QString &field) { link_->bind(dataSet, field); }
ds::DataSet *DBCheckBox::dataSet() const { return link_->dataSet(); }
QString DBCheckBox::fieldName() const { return link_->fieldName(); }

void DBCheckBox::setValueChecked(const QVariant &value)
{
    checked_ = value;
    refresh();
}

void DBCheckBox::setValueUnchecked(const QVariant &value)
{
    unchecked_ = value;
    refresh();
}

void DBCheckBox::setReadOnly(bool on) { link_->setWidgetReadOnly(on); }
bool DBCheckBox::isReadOnly() const { return link_->widgetReadOnly(); }

void DBCheckBox::refresh() { setChecked(SameFieldValue(link_->value(), checked_)); }

void DBCheckBox::clickedByUser(bool checked)
{
    // The box has already toggled; write, or show the field again when it
    // may not be changed.
    if (link_->write(checked ? checked_ : unchecked_) != FieldLink::Write::Done)
        refresh();
}
