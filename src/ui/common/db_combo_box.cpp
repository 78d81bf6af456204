#include "ui/common/db_combo_box.h"

#include "ui/common/field_link.h"
#include "ui/common/value_match.h"

#include <QSignalBlocker>

DBComboBox::DBComboBox(QWidget *parent) : QComboBox(parent), link_(new FieldLink(this, [this]() { refresh(); }))
{
    connect(this, &QComboBox::activated, this, &DBComboBox::chosen);
}

DBComboBox::DBComboBox(ds::DataSet *dataSet, const QString &field, QWidget *parent) : DBComboBox(parent)
{
    bind(dataSet, field);
}

void DBComboBox::bind(ds::DataSet *dataSet, const QString &field) { link_->bind(dataSet, field); }
ds::DataSet *DBComboBox::dataSet() const { return link_->dataSet(); }
QString DBComboBox::fieldName() const { return link_->fieldName(); }

void DBComboBox::setItems(const QStringList &captions, const QVariantList &values)
{
    {
        const QSignalBlocker block(this);
        clear();
        for (int i = 0; i < captions.size(); ++i)
            addItem(captions[i], i < values.size() ? values[i] : QVariant(captions[i]));
    }
    refresh();
}

void DBComboBox::setReadOnly(bool on) { link_->setWidgetReadOnly(on); }
bool DBComboBox::isReadOnly() const { return link_->widgetReadOnly(); }

void DBComboBox::refresh()
{
    const QVariant v = link_->value();
    int index = -1;
    for (int i = 0; i < count() && index < 0; ++i)
        if (SameFieldValue(v, itemData(i)))
            index = i;
    if (index != currentIndex())
        setCurrentIndex(index);
}

void DBComboBox::chosen(int index)
{
    if (link_->write(itemData(index)) != FieldLink::Write::Done)
        refresh();
}

DBLookupCombo::DBLookupCombo(QWidget *parent) : DBComboBox(parent) {}

void DBLookupCombo::setListSource(ds::DataSet *source, const QString &keyField, const QString &listField)
{
    for (const QMetaObject::Connection &c : std::as_const(connections_))
        disconnect(c);
    connections_.clear();
    source_ = source;
    keyField_ = keyField;
    listField_ = listField;
    if (source) {
        // Rows read, added, removed or renamed change the list; the source's
        // cursor does not.
        connections_ << connect(source, &ds::DataSet::rowsReset, this, &DBLookupCombo::reload)
                     << connect(source, &ds::DataSet::stateChanged, this, &DBLookupCombo::reload)
                     << connect(source, &ds::DataSet::rowChanged, this, &DBLookupCombo::reload);
    }
    reload();
}

void DBLookupCombo::reload()
{
    QStringList captions;
    QVariantList keys;
    if (source_ && source_->isActive() && source_->hasField(keyField_) && source_->hasField(listField_))
        for (int row = 0; row < source_->rowCount(); ++row) {
            captions << source_->displayText(row, listField_);
            keys << source_->value(row, keyField_);
        }
    setItems(captions, keys);
}
