#pragma once
// The tie between one data-bound widget and one field of a table object,
// like Delphi's field data link: it follows the table object's cursor, rows
// and state and tells the widget when to show the field again, and it
// writes the values the widget's user types.
#include "platform/dataset/dataset.h"

#include <QObject>
#include <QPointer>

#include <functional>

class FieldLink : public QObject {
    Q_OBJECT
public:
    // `onRefresh` is called whenever the widget should show the field again
    // (cursor moved, rows read, state changed, the field's value changed by
    // anyone but this link).
    explicit FieldLink(QObject *owner, std::function<void()> onRefresh);

    // Follows `field` of `dataSet` (null unbinds). Throws
    // std::invalid_argument when the table object has fields and this one is
    // not among them. Calls onRefresh.
    void bind(ds::DataSet *dataSet, const QString &field);
    ds::DataSet *dataSet() const { return dataSet_; }
    QString fieldName() const { return fieldName_; }

    // Bound to an open table object that has the field.
    bool isActive() const;
    const ds::Field *field() const; // null when not active
    // Whether typing may change the field: active, a stored field that is not
    // read-only, of a table object that stores rows (not a query), and the
    // widget itself not made read-only.
    bool canModify() const;
    void setWidgetReadOnly(bool on) { widgetReadOnly_ = on; }
    bool widgetReadOnly() const { return widgetReadOnly_; }

    // The field of the current row; null/empty when not active or no row.
    QVariant value() const;
    QString displayText() const;
    QString editText() const;

    enum class Write {
        Done,    // the row holds the value
        Invalid, // the value does not convert (a partial number or date): nothing written
        Refused, // the field cannot be modified, or a hook refused the edit: the widget was refreshed
    };
    // Writes the value (typed text goes through the table object's text
    // conversion: decimal ',' or '.', '€', dates dd/MM/yyyy); a table object
    // in browse state starts an edit.
    Write write(const QVariant &value);
    Write writeText(const QString &text) { return write(QVariant(text)); }
    // True while this link writes: the table object's own signals are then
    // not echoed back to the widget, so what is being typed stays as typed.
    bool isWriting() const { return writing_ > 0; }

private:
    void changed();

    std::function<void()> onRefresh_;
    QPointer<ds::DataSet> dataSet_;
    QString fieldName_;
    bool widgetReadOnly_ = false;
    int writing_ = 0;
    QList<QMetaObject::Connection> connections_;
};
