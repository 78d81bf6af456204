#include "ui/common/db_memo.h"

#include "ui/common/field_link.h"

DBMemo::DBMemo(QWidget *parent) : QPlainTextEdit(parent), link_(new FieldLink(this, [this]() { refresh(); }))
{
    connect(this, &QPlainTextEdit::textChanged, this, &DBMemo::typed);
    QPlainTextEdit::setReadOnly(true);
}

DBMemo::DBMemo(ds::DataSet *dataSet, const QString &field, QWidget *parent) : DBMemo(parent) { bind(dataSet, field); }

void DBMemo::bind(ds::DataSet *dataSet, const QString &field) { link_->bind(dataSet, field); }
ds::DataSet *DBMemo::dataSet() const { return link_->dataSet(); }
QString DBMemo::fieldName() const { return link_->fieldName(); }

void DBMemo::setReadOnly(bool on)
{
    link_->setWidgetReadOnly(on);
    refresh();
}

bool DBMemo::isReadOnlyRequested() const { return link_->widgetReadOnly(); }

void DBMemo::refresh()
{
    QPlainTextEdit::setReadOnly(!link_->canModify());
    const QString shown = link_->displayText();
    if (toPlainText() == shown)
        return;
    loading_ = true;
    setPlainText(shown);
    loading_ = false;
}

void DBMemo::typed()
{
    if (loading_)
        return;
    const QString text = toPlainText();
    link_->write(text.isEmpty() ? QVariant() : QVariant(text));
}
