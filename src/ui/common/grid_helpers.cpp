#include "ui/common/grid_helpers.h"

#include "platform/busy_cursor.h"
#include "platform/dataset/dataset.h"
#include "platform/dataset/dataset_model.h"
#include "platform/memory.h"
#include "ui/common/controls_suspended.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>

#include <numeric>

// The table object's model with the titles' look of each column.
class DataGrid::Model : public ds::DataSetModel {
public:
    using ds::DataSetModel::DataSetModel;

    QList<GridColumn> columns;

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation == Qt::Horizontal && section >= 0 && section < columns.size()) {
            const GridColumn &c = columns[section];
            switch (role) {
            case Qt::FontRole:
                return c.titleFont;
            case Qt::ForegroundRole:
                return c.titleColour.isValid() ? QVariant(QBrush(c.titleColour)) : QVariant();
            case Qt::TextAlignmentRole:
                return int(Qt::AlignCenter);
            default:
                break;
            }
        }
        if (orientation == Qt::Vertical && role == Qt::DisplayRole)
            return QString(); // the row indicator shows a mark, not a number
        return ds::DataSetModel::headerData(section, orientation, role);
    }
};

namespace {

const int RowIndicatorWidth = 11;

// The row indicator: a narrow band with a triangle on the current row.
class RowIndicator : public QHeaderView {
public:
    explicit RowIndicator(QWidget *parent) : QHeaderView(Qt::Vertical, parent)
    {
        setSectionResizeMode(QHeaderView::Fixed);
        setSectionsClickable(false);
        setHighlightSections(false);
    }
    QSize sizeHint() const override { return {RowIndicatorWidth, QHeaderView::sizeHint().height()}; }

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override
    {
        painter->save();
        painter->fillRect(rect, palette().button());
        painter->setPen(palette().mid().color());
        painter->drawLine(rect.topRight(), rect.bottomRight());
        painter->drawLine(rect.bottomLeft(), rect.bottomRight());
        const QItemSelectionModel *selection = selectionModel();
        if (selection && selection->currentIndex().isValid() && selection->currentIndex().row() == logicalIndex) {
            painter->setRenderHint(QPainter::Antialiasing);
            painter->setPen(Qt::NoPen);
            painter->setBrush(QColor(24, 44, 112));
            const QPointF c = QRectF(rect).center();
            painter->drawPolygon(QPolygonF{{c.x() - 2.5, c.y() - 4}, {c.x() + 2.5, c.y()}, {c.x() - 2.5, c.y() + 4}});
        }
        painter->restore();
    }
};

} // namespace

DataGrid::DataGrid(QWidget *parent) : QTableView(parent)
{
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setShowGrid(true);
    setGridStyle(Qt::SolidLine);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setSortingEnabled(false); // sorting is the table object's, through the title click
    setItemDelegate(new StripedRowDelegate(this));
    setVerticalHeader(new RowIndicator(this));
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->setMinimumSectionSize(fontMetrics().height() + 2);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(false);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int column) { SortGridByColumn(this, column); });
}

void DataGrid::setDataSet(ds::DataSet *dataSet)
{
    Model *old = model_;
    model_ = dataSet ? new Model(dataSet, this) : nullptr;
    setModel(model_);
    if (model_) {
        model_->bindSelection(selectionModel());
        // The indicator follows the current row.
        connect(selectionModel(), &QItemSelectionModel::currentRowChanged, verticalHeader()->viewport(),
                qOverload<>(&QWidget::update));
    }
    delete old;
}

ds::DataSet *DataGrid::dataSet() const { return model_ ? model_->dataSet() : nullptr; }

ds::DataSetModel *DataGrid::dataModel() const { return model_; }

QString DataGrid::fieldAt(int column) const
{
    if (!model_)
        return {};
    if (!model_->columns.isEmpty())
        return model_->fieldAt(column);
    const ds::DataSet *set = model_->dataSet();
    return set ? set->fields().value(column).name : QString();
}

void DataGrid::setColumns(const QList<GridColumn> &columns)
{
    if (!model_)
        return;
    QStringList fields, captions;
    for (const GridColumn &c : columns) {
        fields << c.field;
        captions << c.caption;
    }
    model_->columns = columns;
    model_->setColumns(fields, captions);
    for (int i = 0; i < columns.size(); ++i)
        horizontalHeader()->resizeSection(i, columns[i].width);
}

void DataGrid::setRowIndicator(bool on) { verticalHeader()->setVisible(on); }

bool DataGrid::hasRowIndicator() const { return !verticalHeader()->isHidden(); }

void DataGrid::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit rowChosen();
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void DataGrid::mouseDoubleClickEvent(QMouseEvent *event)
{
    QTableView::mouseDoubleClickEvent(event);
    if (model_ && model_->rowCount() > 0 && indexAt(event->position().toPoint()).isValid())
        emit rowChosen();
}

RowLook StripedRowLook(int row, bool selected)
{
    if (selected)
        return {QColor(254, 210, 129), QColor(Qt::black), true};
    const bool oddNumber = (row + 1) % 2 == 1;
    return {oddNumber ? QColor(Qt::white) : QColor(245, 246, 252), QColor(Qt::black), false};
}

void DrawStripedRow(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index)
{
    const RowLook look = StripedRowLook(index.row(), option.state & QStyle::State_Selected);
    QStyleOptionViewItem cell(option);
    painter->fillRect(cell.rect, look.background);
    // The row's own colours replace the style's highlight.
    cell.state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
    cell.backgroundBrush = look.background;
    cell.font.setBold(look.bold);
    cell.palette.setColor(QPalette::Text, look.text);
    cell.palette.setColor(QPalette::HighlightedText, look.text);
    const QWidget *widget = cell.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, widget);
}

void StripedRowDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem cell(option);
    initStyleOption(&cell, index);
    DrawStripedRow(painter, cell, index);
}

void SetupGridColumns(DataGrid *grid, const QStringList &captions, const QStringList &fields,
                      const QVector<int> &widths, const QColor &titleColour, const QString &titleFontName,
                      int titleFontSize)
{
    if (!grid)
        return;
    QFont font(titleFontName);
    if (titleFontSize > 0)
        font.setPointSize(titleFontSize);
    QList<GridColumn> columns;
    for (int i = 0; i < fields.size(); ++i) {
        GridColumn c;
        c.field = fields[i];
        c.caption = i < captions.size() ? captions[i] : fields[i];
        c.width = i < widths.size() ? widths[i] : 64;
        c.titleColour = titleColour;
        c.titleFont = font;
        columns << c;
    }
    grid->setColumns(columns);
}

int GridFreeWidth(int gridWidth, int scrollBarWidth, bool rowIndicator, bool columnLines, GridBorder border)
{
    int free = gridWidth - scrollBarWidth;
    if (rowIndicator)
        free -= columnLines ? 12 : 11;
    if (border == GridBorder::ThreeD)
        free -= 4;
    else if (border == GridBorder::Flat)
        free -= 2;
    return free;
}

QVector<int> FitColumnWidths(int freeWidth, const QVector<int> &maxWidths, const QVector<int> &startWidths)
{
    const int n = int(startWidths.size());
    QVector<int> w = startWidths;
    if (n == 0)
        return w;
    auto maxOf = [&](int i) { return maxWidths.value(i, 0); };
    auto rest = [&] { return freeWidth - std::accumulate(w.begin(), w.end(), 0) - 2 * (n - 1); };
    // A column at a non-zero maximum takes no share.
    auto atMaximum = [&](int i) { return maxOf(i) != 0 && w[i] == maxOf(i); };

    int r = rest();
    int previous = 0;
    int unchangedPasses = 0;
    while (r > 2 && unchangedPasses < 2) {
        // The share is divided among the columns that receive it, so the
        // widths never outgrow the free width.
        int k = 0;
        for (int i = 0; i < n; ++i)
            k += atMaximum(i) ? 0 : 1;
        const int share = r / std::max(k, 1);
        for (int i = 0; i < n; ++i) {
            if (atMaximum(i))
                continue;
            if (maxOf(i) != 0 && w[i] + share > maxOf(i))
                w[i] = maxOf(i);
            else
                w[i] += share;
        }
        r = rest();
        if (r == previous)
            ++unchangedPasses;
        else
            previous = r;
    }
    return w;
}

void FitGridColumns(DataGrid *grid, const QVector<int> &maxWidths, const QVector<int> &startWidths)
{
    // Qt widgets always paint double-buffered: nothing to switch on.
    if (!grid || !grid->model())
        return;
    const int n = grid->model()->columnCount();
    if (n == 0)
        return;
    QVector<int> start(n);
    for (int i = 0; i < n; ++i)
        start[i] = i < startWidths.size() ? startWidths[i] : grid->columnWidth(i);

    GridBorder border = GridBorder::None;
    if (grid->frameShape() != QFrame::NoFrame)
        border = grid->frameShadow() == QFrame::Plain ? GridBorder::Flat : GridBorder::ThreeD;
    const int scrollBar = grid->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, grid);
    const int free = GridFreeWidth(grid->width(), scrollBar, grid->hasRowIndicator(), grid->showGrid(), border);

    const QVector<int> widths = FitColumnWidths(free, maxWidths, start);
    for (int i = 0; i < n; ++i)
        grid->setColumnWidth(i, widths[i]);
}

void SortGridByColumn(DataGrid *grid, int column)
{
    ds::DataSet *set = grid ? grid->dataSet() : nullptr;
    const QString field = grid ? grid->fieldAt(column) : QString();
    if (!set || !set->isActive() || field.isEmpty())
        return;
    {
        BusyCursor hourglass;
        ControlsSuspended suspended(*set);
        set->toggleSort(field);
        set->first();
    }
    const Qt::SortOrder order =
        set->sortOrder() == ds::DataSet::Order::Descending ? Qt::DescendingOrder : Qt::AscendingOrder;
    grid->horizontalHeader()->setSortIndicatorShown(true);
    grid->horizontalHeader()->setSortIndicator(column, order);
    TrimMemory();
}
