#pragma once
// A titled group of radio buttons bound to one field of a table object.
// Each item has a caption and the value it stores ("Disponivel" → 0,
// "Desactivado" → 1); without values the captions themselves are stored.
// The button whose value the field holds is checked; none for null or an
// unknown value. A click writes the item's value at once.
#include "platform/dataset/dataset.h"

#include <QGroupBox>
#include <QList>

class FieldLink;
class QButtonGroup;
class QRadioButton;

class DBRadioGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit DBRadioGroup(QWidget *parent = nullptr);
    DBRadioGroup(const QString &title, ds::DataSet *dataSet, const QString &field, QWidget *parent = nullptr);

    void bind(ds::DataSet *dataSet, const QString &field);
    ds::DataSet *dataSet() const;
    QString fieldName() const;

    // Replaces the items; `values` (when given) pairs with `captions` by
    // position. `columns` lays the buttons out in that many columns.
    void setItems(const QStringList &captions, const QVariantList &values = {}, int columns = 1);
    int count() const { return int(buttons_.size()); }
    QRadioButton *button(int index) const { return buttons_.value(index); }
    QVariant itemValue(int index) const;
    // The checked item, -1 for none.
    int itemIndex() const;

    void setReadOnly(bool on);
    bool isReadOnly() const;

private:
    void refresh();
    void clickedByUser(int index);

    FieldLink *link_;
    QButtonGroup *group_;
    QList<QRadioButton *> buttons_;
    QVariantList values_;
};
