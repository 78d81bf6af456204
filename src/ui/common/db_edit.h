#pragma once
// A one-line edit bound to one field of a table object.
//
// It shows the field's edit text ("12,50") while it has the focus and the
// field may be modified, and its display text ("12,50 €") otherwise; it
// follows the table object's cursor, re-reads and state changes (a cancel
// shows the old value again). The field's Delphi edit mask becomes a Qt
// input mask; text fields without a mask are limited to the field's size.
//
// When values are written: on every change the user makes (textEdited),
// so a value typed and then saved with the table object's post() from a
// button is never lost. The first change puts a table object in browse state
// into edit. Text that cannot become a value yet — a partial date, a lone
// "-", a mask whose required positions are not all filled — is held in the
// edit and not written (the field keeps its previous value) until it
// becomes valid; leaving the edit or pressing Escape shows the field's
// value again. Empty text, or a masked text with nothing typed, writes
// null.
#include "platform/dataset/dataset.h"

#include <QLineEdit>

class FieldLink;

class DBEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit DBEdit(QWidget *parent = nullptr);
    DBEdit(ds::DataSet *dataSet, const QString &field, QWidget *parent = nullptr);

    // Follows `field` of `dataSet`; throws std::invalid_argument when the
    // table object has fields and this one is not among them.
    void bind(ds::DataSet *dataSet, const QString &field);
    ds::DataSet *dataSet() const;
    QString fieldName() const;

    // A read-only edit shows the field and never edits it. (Hides
    // QLineEdit's setter: the edit is also read-only while the table object
    // is inactive or the field is read-only.)
    void setReadOnly(bool on);
    bool isReadOnlyRequested() const;

    // True while typed text is held because it is not a value yet.
    bool hasPendingText() const { return pending_; }
    // Drops held text and shows the field again.
    void reset();

protected:
    // The Delphi edit mask applied: the field's own (DBDateEdit fixes one).
    virtual QString delphiMask() const;
    FieldLink *link() const { return link_; }
    virtual void refresh();

    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void applyMask();
    void typed();
    // The text to write: null when nothing is typed; without the mask's
    // literals when the mask says they are not saved.
    QVariant typedValue() const;

    FieldLink *link_;
    bool pending_ = false;
    QString mask_;          // Delphi mask in force
    QString emptyMasked_;   // text() of the mask with nothing typed
    QString separatorMap_;  // per mask position: the literal, or '\0' for an input position
    bool saveLiterals_ = true;
};
