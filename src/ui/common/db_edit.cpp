#include "ui/common/db_edit.h"

#include "platform/dataset/format.h"
#include "ui/common/field_link.h"

#include <QFocusEvent>
#include <QKeyEvent>

DBEdit::DBEdit(QWidget *parent) : QLineEdit(parent), link_(new FieldLink(this, [this]() { refresh(); }))
{
    connect(this, &QLineEdit::textEdited, this, &DBEdit::typed);
    QLineEdit::setReadOnly(true);
}

DBEdit::DBEdit(ds::DataSet *dataSet, const QString &field, QWidget *parent) : DBEdit(parent) { bind(dataSet, field); }

void DBEdit::bind(ds::DataSet *dataSet, const QString &field) { link_->bind(dataSet, field); }
ds::DataSet *DBEdit::dataSet() const { return link_->dataSet(); }
QString DBEdit::fieldName() const { return link_->fieldName(); }

void DBEdit::setReadOnly(bool on)
{
    link_->setWidgetReadOnly(on);
    refresh();
}

bool DBEdit::isReadOnlyRequested() const { return link_->widgetReadOnly(); }

void DBEdit::reset() { refresh(); }

QString DBEdit::delphiMask() const
{
    const ds::Field *f = link_->field();
    return f ? f->editMask : QString();
}

void DBEdit::applyMask()
{
    const QString mask = link_->isActive() ? delphiMask() : QString();
    if (mask == mask_)
        return;
    mask_ = mask;
    const QString qt = DelphiMaskToQt(mask);
    setInputMask(qt);
    // Delphi: "<mask>;<save literals>;<blank>"; literals are saved unless
    // the second part is "0".
    const QStringList parts = mask.split(QLatin1Char(';'));
    saveLiterals_ = parts.size() < 2 || parts[1].trimmed() != QLatin1String("0");
    emptyMasked_.clear();
    separatorMap_.clear();
    if (!qt.isEmpty()) {
        QLineEdit probe;
        probe.setInputMask(qt);
        emptyMasked_ = probe.text();
        const QString shown = probe.displayText();
        const QChar blank = qt.at(qt.size() - 1);
        for (const QChar c : shown)
            separatorMap_ += c == blank ? QChar() : c;
    }
}

void DBEdit::refresh()
{
    pending_ = false;
    applyMask();
    const ds::Field *f = link_->field();
    setMaxLength(f && mask_.isEmpty() && f->type == ds::FieldType::String && f->size > 0 ? f->size : 32767);
    const bool editable = link_->canModify();
    QLineEdit::setReadOnly(!editable);
    const QString shown = hasFocus() && editable ? link_->editText() : link_->displayText();
    if (text() != shown)
        setText(shown);
}

QVariant DBEdit::typedValue() const
{
    if (inputMask().isEmpty())
        return text().isEmpty() ? QVariant() : QVariant(text());
    if (text() == emptyMasked_)
        return QVariant();
    if (saveLiterals_)
        return QVariant(text());
    const QString shown = displayText();
    const QChar blank = inputMask().at(inputMask().size() - 1);
    QString typed;
    for (int i = 0; i < shown.size(); ++i)
        if ((i >= separatorMap_.size() || separatorMap_[i].isNull()) && shown[i] != blank)
            typed += shown[i];
    return QVariant(typed);
}

void DBEdit::typed()
{
    const QVariant v = typedValue();
    if (!v.isNull() && !inputMask().isEmpty() && !hasAcceptableInput()) {
        pending_ = true; // required mask positions still open
        return;
    }
    switch (link_->write(v)) {
    case FieldLink::Write::Done:
        pending_ = false;
        break;
    case FieldLink::Write::Invalid:
        pending_ = true;
        break;
    case FieldLink::Write::Refused:
        break; // the link has shown the field again
    }
}

void DBEdit::focusInEvent(QFocusEvent *event)
{
    // Switch to the edit text before QLineEdit places the cursor or selects.
    refresh();
    QLineEdit::focusInEvent(event);
}

void DBEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason)
        refresh();
}

void DBEdit::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && pending_) {
        reset();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}
