#pragma once
// The search window: the rows of one table whose field contains the typed
// text, listed as the user types, on the data module's query object
// zQuery. Choosing a row (OK, a double click, Enter in the grid) moves the
// table object to the row of the same id.
#include <QDialog>

class DataGrid;
class QLineEdit;
class QPushButton;

namespace ds {
class DataSet;
}

class TfmSearch : public QDialog {
    Q_OBJECT
public:
    // Closes zQuery and clears its SQL.
    explicit TfmSearch(QWidget *parent = nullptr);
    // Closes zQuery and clears its SQL again.
    ~TfmSearch() override;

    // The table object to move, the field searched and its column caption,
    // and the table the query reads. Field and table names come from the
    // program, never from the user.
    void setTarget(ds::DataSet *table, const QString &field, const QString &caption, const QString &tableName);

    // The query's SQL for a search text: every row when empty, else the rows
    // whose field contains the text literally.
    QString searchSql(const QString &text) const;

    QLineEdit *searchEdit() const { return edtSearchValue_; }
    DataGrid *grid() const { return DBGridResultados_; }

public slots:
    // Re-runs the query for the present search text.
    void search();
    // Moves the table object to the chosen row and closes with Accepted.
    void choose();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void runQuery(const QString &sql);

    ds::DataSet *table_ = nullptr;
    QString field_;
    QString tableName_;
    QLineEdit *edtSearchValue_;
    QPushButton *btnSearchSmall_;
    DataGrid *DBGridResultados_;
    QPushButton *btnOK_;
    QPushButton *btnCancel_;
};

// Shows the search window modally over `table` and returns its result
// (QDialog::Accepted or Rejected). On Accepted the table object stands on
// the chosen row; when that row is not among its rows it keeps its row.
int OpenSearchWindow(ds::DataSet *table, const QString &field, const QString &caption, const QString &tableName);
