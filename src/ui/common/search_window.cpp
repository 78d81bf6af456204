#include "ui/common/search_window.h"

#include "ui/common/borderless_dialog.h"

#include "data/data_module.h"
#include "platform/dataset/connection.h"
#include "platform/dataset/dataset.h"
#include "platform/globals.h"
#include "platform/prompt/prompt.h"
#include "ui/common/controls_suspended.h"
#include "ui/common/grid_helpers.h"
#include "ui/common/pictures.h"

#include <QApplication>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

#include <exception>

namespace {

const int BandHeight = 33;
const int PanelHeight = 41;
const QColor BandTop(117, 162, 210);
const QColor BandBottom(70, 110, 170);
const QColor PanelFill(224, 232, 245);
const QColor PanelBorder(164, 182, 210);
const QColor Navy(0, 0, 128);

const QString SearchPlace = QStringLiteral("SearchForm");

ds::DataSet *query() { return DM() ? DM()->zQuery : nullptr; }

// Closes the query and forgets its SQL and the fields of that SQL.
void clearQuery()
{
    if (ds::DataSet *q = query()) {
        q->close();
        q->setSql(QString());
        q->setFields({});
    }
}

} // namespace

TfmSearch::TfmSearch(QWidget *parent) : QDialog(parent)
{
    clearQuery();
    setObjectName(QStringLiteral("fmSearch"));
    setWindowTitle(QStringLiteral("Formulário de Pesquisa"));
    setFixedSize(381, 442);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setAutoFillBackground(true);

    auto *lblName = new QLabel(QStringLiteral("Nome:"), this);
    lblName->setObjectName(QStringLiteral("lblNome"));
    QFont labelFont(QStringLiteral("Arial"));
    labelFont.setBold(true);
    lblName->setFont(labelFont);
    QPalette labelPal = lblName->palette();
    labelPal.setColor(QPalette::WindowText, Qt::white);
    lblName->setPalette(labelPal);
    lblName->setGeometry(16, 0, 46, BandHeight);

    edtSearchValue_ = new QLineEdit(this);
    edtSearchValue_->setObjectName(QStringLiteral("edtSearchValue"));
    edtSearchValue_->setMaxLength(80);
    edtSearchValue_->setGeometry(64, 5, 270, 23);

    btnSearchSmall_ = new QPushButton(this);
    btnSearchSmall_->setObjectName(QStringLiteral("btnSearchSmall"));
    btnSearchSmall_->setToolTip(QStringLiteral("Procurar Registo"));
    btnSearchSmall_->setGeometry(340, 5, 26, 23);
    btnSearchSmall_->setAutoDefault(false);
    const QPixmap glyph = ButtonGlyph(QStringLiteral("btnSearchSmall"));
    if (!glyph.isNull()) {
        btnSearchSmall_->setIcon(QIcon(glyph));
        btnSearchSmall_->setIconSize(glyph.size());
    }

    DBGridResultados_ = new DataGrid(this);
    DBGridResultados_->setObjectName(QStringLiteral("DBGridResultados"));
    DBGridResultados_->setGeometry(16, 44, 350, 345);
    DBGridResultados_->setRowIndicator(true);
    if (ds::DataSet *q = query())
        DBGridResultados_->setDataSet(q);

    btnOK_ = new QPushButton(QStringLiteral("OK"), this);
    btnOK_->setObjectName(QStringLiteral("btnOK"));
    btnOK_->setGeometry(194, height() - PanelHeight + 7, 84, 27);
    btnOK_->setAutoDefault(false);
    btnCancel_ = new QPushButton(QStringLiteral("Cancelar"), this);
    btnCancel_->setObjectName(QStringLiteral("btnCancel"));
    btnCancel_->setGeometry(282, height() - PanelHeight + 7, 84, 27);
    btnCancel_->setAutoDefault(false);

    connect(edtSearchValue_, &QLineEdit::textChanged, this, &TfmSearch::search);
    connect(btnSearchSmall_, &QPushButton::clicked, this, &TfmSearch::search);
    connect(btnOK_, &QPushButton::clicked, this, &TfmSearch::choose);
    connect(btnCancel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(DBGridResultados_, &DataGrid::rowChosen, this, &TfmSearch::choose);

    setTabOrder(edtSearchValue_, DBGridResultados_);
    setTabOrder(DBGridResultados_, btnOK_);
    setTabOrder(btnOK_, btnCancel_);
    edtSearchValue_->setFocus();

    CentreWindow(this, parent);
}

TfmSearch::~TfmSearch() { clearQuery(); }

void TfmSearch::setTarget(ds::DataSet *table, const QString &field, const QString &caption, const QString &tableName)
{
    table_ = table;
    field_ = field;
    tableName_ = tableName;
    SetupGridColumns(DBGridResultados_, {caption}, {field}, {340}, Navy, QStringLiteral("Arial"), 9);
    // 340 and the row indicator are a little wider than the grid: the one
    // column takes the grid's width instead, so no side scroll bar shows.
    DBGridResultados_->horizontalHeader()->setStretchLastSection(true);
}

QString TfmSearch::searchSql(const QString &text) const
{
    QString sql = QStringLiteral("SELECT id,") + field_ + QStringLiteral(" FROM ") + tableName_;
    if (!text.isEmpty())
        sql += QStringLiteral(" WHERE ") + field_ + QStringLiteral(" LIKE '%") + ds::SqlLikeText(text) +
               QStringLiteral("%'");
    return sql;
}

void TfmSearch::runQuery(const QString &sql)
{
    ds::DataSet *q = query();
    if (!q)
        return;
    clearQuery();
    q->setSql(sql);
    try {
        q->open();
    } catch (const std::exception &) {
        // The window stays usable with an empty list; the error report
        // tells what failed.
        SetLastError(SearchPlace, QStringLiteral("Impossivel Activar zQuery SQL."));
    }
}

void TfmSearch::search() { runQuery(searchSql(edtSearchValue_->text())); }

void TfmSearch::choose()
{
    // OK stands for "this row": with nothing found, or a row the table
    // object does not show, it ends like Cancel, so no caller acts (prints,
    // fills a field) on some other row the table object happened to be on.
    ds::DataSet *q = query();
    bool found = false;
    if (table_ && table_->isActive() && q && q->isActive() && !q->isEmpty()) {
        const QVariant id = q->value(QStringLiteral("id"));
        ControlsSuspended suspended(*table_);
        found = table_->locate(QStringLiteral("id"), id);
    }
    if (found)
        accept();
    else
        reject();
}

void TfmSearch::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    // The band at the top behind "Nome:" and the search edit.
    QLinearGradient band(0, 0, 0, BandHeight);
    band.setColorAt(0, BandTop);
    band.setColorAt(1, BandBottom);
    p.fillRect(QRect(0, 0, width(), BandHeight), band);
    // The button panel at the bottom.
    const QRect panel(0, height() - PanelHeight, width(), PanelHeight);
    p.fillRect(panel, PanelFill);
    p.setPen(PanelBorder);
    p.drawRect(panel.adjusted(0, 0, -1, -1));
}

int OpenSearchWindow(ds::DataSet *table, const QString &field, const QString &caption, const QString &tableName)
{
    clearQuery();
    QWidget *mainWindow = QApplication::activeWindow();
    TfmSearch window(mainWindow);
    window.setTarget(table, field, caption, tableName);
    window.search();
    return RunModal(window);
}
