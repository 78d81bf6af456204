#pragma once
// A multi-line text bound to one (Memo) field of a table object. It
// follows the cursor, re-reads and state changes like DBEdit, and writes
// on every change the user makes (the first one puts the table object into
// edit); an emptied text writes null.
#include "platform/dataset/dataset.h"

#include <QPlainTextEdit>

class FieldLink;

class DBMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit DBMemo(QWidget *parent = nullptr);
    DBMemo(ds::DataSet *dataSet, const QString &field, QWidget *parent = nullptr);

    void bind(ds::DataSet *dataSet, const QString &field);
    ds::DataSet *dataSet() const;
    QString fieldName() const;

    // Hides QPlainTextEdit's setter: the memo is also read-only while the
    // table object is inactive or the field is read-only.
    void setReadOnly(bool on);
    bool isReadOnlyRequested() const;

private:
    void refresh();
    void typed();

    FieldLink *link_;
    bool loading_ = false;
};
