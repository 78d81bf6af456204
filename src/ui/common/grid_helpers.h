#pragma once
// The data grid of every window: a table view on a table object, whose
// current row is the table object's cursor, with striped rows, titles of a
// chosen look, an optional row indicator and sorting by a title click. And
// the helpers that set up its columns and fit their widths.
#include <QColor>
#include <QFont>
#include <QList>
#include <QStringList>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVector>

namespace ds {
class DataSet;
class DataSetModel;
} // namespace ds

struct GridColumn {
    QString caption;
    QString field;
    int width = 64;
    QColor titleColour;
    QFont titleFont;
};

class DataGrid : public QTableView {
    Q_OBJECT
public:
    // Read-only, whole rows selected one at a time, column lines drawn,
    // columns resizable, rows painted by DrawStripedRow, a title click sorts
    // with SortGridByColumn.
    explicit DataGrid(QWidget *parent = nullptr);

    // Shows the table object's rows (every field until columns are set) and
    // ties the current row to its cursor.
    void setDataSet(ds::DataSet *dataSet);
    ds::DataSet *dataSet() const;
    ds::DataSetModel *dataModel() const;
    QString fieldAt(int column) const;

    // Replaces the columns: caption, field, width and title look of each.
    void setColumns(const QList<GridColumn> &columns);

    // The narrow column at the left that marks the current row.
    void setRowIndicator(bool on);
    bool hasRowIndicator() const;

signals:
    // Enter, or a double click on a row: the user chose the current row.
    void rowChosen();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    class Model;
    Model *model_ = nullptr;
};

// The look of one row: the current (selected) row RGB (254, 210, 129) with
// bold black text; otherwise black on white for odd row numbers and on
// RGB (245, 246, 252) for even ones, the first row being number 1
// (`row` counts from 0).
struct RowLook {
    QColor background;
    QColor text;
    bool bold = false;
};
RowLook StripedRowLook(int row, bool selected);

// Paints one cell with its row's look, then the cell's content as usual.
void DrawStripedRow(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index);

// The cell painter of data grids (calls DrawStripedRow).
class StripedRowDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};

// Removes the grid's columns and adds one per field with the caption and
// width of the same position (field name and 64 where those lists are
// shorter), titles centred in the given colour, font name and point size.
void SetupGridColumns(DataGrid *grid, const QStringList &captions, const QStringList &fields,
                      const QVector<int> &widths, const QColor &titleColour, const QString &titleFontName,
                      int titleFontSize);

enum class GridBorder { None, Flat, ThreeD };

// The width the columns may share: the grid's width less a vertical scroll
// bar, 11 for the row indicator (and 1 more when column lines are drawn
// with it), 4 for a 3-D border or 2 for a flat one.
int GridFreeWidth(int gridWidth, int scrollBarWidth, bool rowIndicator, bool columnLines, GridBorder border);

// Widens the columns from their starting widths to share freeWidth, each
// kept to its maximum (0: no maximum). The rest R is freeWidth less the
// widths and 2 between neighbours; while R > 2 it is shared in whole parts
// among the columns still below their maximum, until two passes leave R
// unchanged. Missing starting widths count as 0, missing maxima as 0.
QVector<int> FitColumnWidths(int freeWidth, const QVector<int> &maxWidths, const QVector<int> &startWidths);

// Fits the grid's columns into its present width (see FitColumnWidths);
// missing starting widths are the columns' present widths.
void FitGridColumns(DataGrid *grid, const QVector<int> &maxWidths, const QVector<int> &startWidths);

// Sorts the grid's table object by the column's field (ascending, or the
// other direction when already sorted by it) and goes to the first row,
// with the hourglass shown and the bound controls suspended; then trims
// memory.
void SortGridByColumn(DataGrid *grid, int column);
