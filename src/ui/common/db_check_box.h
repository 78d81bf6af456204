#pragma once
// A check box bound to one field of a table object: checked when the field
// holds valueChecked (default 1), unchecked otherwise (null included).
// A click writes valueChecked or valueUnchecked (default 0) at once.
#include "platform/dataset/dataset.h"

#include <QCheckBox>

class FieldLink;

class DBCheckBox : public QCheckBox {
    Q_OBJECT
public:
    explicit DBCheckBox(QWidget *parent = nullptr);
    DBCheckBox(const QString &caption, ds::DataSet *dataSet, const QString &field, QWidget *parent = nullptr);

    void bind(ds::DataSet *dataSet, const QString &field);
    ds::DataSet *dataSet() const;
    QString fieldName() const;

    void setValueChecked(const QVariant &value);
    void setValueUnchecked(const QVariant &value);
    QVariant valueChecked() const { return checked_; }
    QVariant valueUnchecked() const { return unchecked_; }

    // A read-only box shows the field; clicks do not change it.
    void setReadOnly(bool on);
    bool isReadOnly() const;

private:
    void refresh();
    void clickedByUser(bool checked);

    FieldLink *link_;
    QVariant checked_ = 1;
    QVariant unchecked_ = 0;
};
