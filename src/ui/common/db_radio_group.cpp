#include "ui/common/db_radio_group.h"

#include "ui/common/field_link.h"
#include "ui/common/value_match.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

DBRadioGroup::DBRadioGroup(QWidget *parent)
    : QGroupBox(parent), link_(new FieldLink(this, [this]() { refresh(); })), group_(new QButtonGroup(this))
{
    new QGridLayout(this);
    connect(group_, &QButtonGroup::idClicked, this, &DBRadioGroup::clickedByUser);
}

DBRadioGroup::DBRadioGroup(const QString &title, ds::DataSet *dataSet, const QString &field, QWidget *parent)
    : DBRadioGroup(parent)
{
    setTitle(title);
    bind(dataSet, field);
}

void DBRadioGroup::bind(ds::DataSet *dataSet, const QString &field) { link_->bind(dataSet, field); }
ds::DataSet *DBRadioGroup::dataSet() const { return link_->dataSet(); }
QString DBRadioGroup::fieldName() const { return link_->fieldName(); }

void DBRadioGroup::setItems(const QStringList &captions, const QVariantList &values, int columns)
{
    qDeleteAll(buttons_);
    buttons_.clear();
    values_.clear();
    auto *grid = static_cast<QGridLayout *>(layout());
    const int cols = qMax(1, columns);
    const int rows = (int(captions.size()) + cols - 1) / cols;
    for (int i = 0; i < captions.size(); ++i) {
        auto *b = new QRadioButton(captions[i], this);
        group_->addButton(b, i);
        grid->addWidget(b, i % rows, i / rows); // filled column by column, as Delphi does
        buttons_ << b;
        values_ << (i < values.size() ? values[i] : QVariant(captions[i]));
    }
    refresh();
}

QVariant DBRadioGroup::itemValue(int index) const { return values_.value(index); }

int DBRadioGroup::itemIndex() const { return group_->checkedId(); }

void DBRadioGroup::setReadOnly(bool on) { link_->setWidgetReadOnly(on); }
bool DBRadioGroup::isReadOnly() const { return link_->widgetReadOnly(); }

void DBRadioGroup::refresh()
{
    const QVariant v = link_->value();
    int index = -1;
    for (int i = 0; i < values_.size() && index < 0; ++i)
        if (SameFieldValue(v, values_[i]))
            index = i;
    if (index >= 0) {
        buttons_[index]->setChecked(true);
        return;
    }
    // An exclusive group keeps one button checked; lift that to clear it.
    group_->setExclusive(false);
    for (QRadioButton *b : std::as_const(buttons_))
        b->setChecked(false);
    group_->setExclusive(true);
}

void DBRadioGroup::clickedByUser(int index)
{
    if (link_->write(values_.value(index)) != FieldLink::Write::Done)
        refresh();
}
