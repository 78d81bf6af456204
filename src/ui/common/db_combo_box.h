#pragma once
// Drop-down lists bound to one field of a table object.
//
// DBComboBox offers fixed items, each a caption and the value it stores
// (without values the captions are stored, e.g. "Feminino"/"Masculino").
// DBLookupCombo offers the rows of another table object: it shows their
// list field and stores their key field (socio.tipo_socio from
// ztSocio_Tipo: id → nome), and follows that table object's rows.
// Both show the item whose value the field holds (none for null or an
// unknown value) and write the chosen item's value at once.
#include "platform/dataset/dataset.h"

#include <QComboBox>
#include <QPointer>

class FieldLink;

class DBComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit DBComboBox(QWidget *parent = nullptr);
    DBComboBox(ds::DataSet *dataSet, const QString &field, QWidget *parent = nullptr);

    void bind(ds::DataSet *dataSet, const QString &field);
    ds::DataSet *dataSet() const;
    QString fieldName() const;

    void setItems(const QStringList &captions, const QVariantList &values = {});

    // A read-only list shows the field; choosing an item changes nothing.
    void setReadOnly(bool on);
    bool isReadOnly() const;

protected:
    FieldLink *link() const { return link_; }
    void refresh();

private:
    void chosen(int index);

    FieldLink *link_;
};

class DBLookupCombo : public DBComboBox {
    Q_OBJECT
public:
    explicit DBLookupCombo(QWidget *parent = nullptr);

    // The rows offered: every visible row of `source`, showing `listField`
    // and storing `keyField`.
    void setListSource(ds::DataSet *source, const QString &keyField, const QString &listField);
    ds::DataSet *listSource() const { return source_; }

private:
    void reload();

    QPointer<ds::DataSet> source_;
    QString keyField_, listField_;
    QList<QMetaObject::Connection> connections_;
};
