// The data grid on real table objects: columns and their titles, the
// current row as the cursor, striped rows, sorting by a title click, and
// the column-width fitting as a table of cases.
#include "platform/dataset/dataset.h"
#include "platform/dataset/dataset_model.h"
#include "support/module_fixture.h"
#include "support/test_installation.h"
#include "ui/common/grid_helpers.h"

#include <QApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QTest>

Q_DECLARE_METATYPE(GridBorder)

namespace {

QStringList columnValues(ds::DataSet &set, const QString &field)
{
    QStringList out;
    for (int i = 0; i < set.rowCount(); ++i)
        out << set.value(i, field).toString();
    return out;
}

} // namespace

class TestGridHelpers : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { TestInstallation::instance(); }

    void fitColumnWidths_data()
    {
        QTest::addColumn<int>("free");
        QTest::addColumn<QVector<int>>("maxima");
        QTest::addColumn<QVector<int>>("start");
        QTest::addColumn<QVector<int>>("fitted");
        QTest::newRow("no maxima: equal whole shares, remainder stays free")
            << 101 << QVector<int>{0, 0, 0} << QVector<int>{10, 10, 10} << QVector<int>{32, 32, 32};
        QTest::newRow("no maxima given at all") << 50 << QVector<int>{} << QVector<int>{10, 10} << QVector<int>{24, 24};
        QTest::newRow("zero starting widths do not outgrow the grid")
            << 100 << QVector<int>{0, 0, 0} << QVector<int>{0, 0, 0} << QVector<int>{32, 32, 32};
        QTest::newRow("every column at its maximum stops")
            << 300 << QVector<int>{50, 60} << QVector<int>{50, 60} << QVector<int>{50, 60};
        QTest::newRow("a capped column leaves its share to the others")
            << 300 << QVector<int>{80, 0} << QVector<int>{50, 50} << QVector<int>{80, 218};
        QTest::newRow("start above the maximum comes down to it")
            << 100 << QVector<int>{40} << QVector<int>{60} << QVector<int>{40};
        QTest::newRow("no room: starting widths kept")
            << 100 << QVector<int>{0, 0} << QVector<int>{60, 60} << QVector<int>{60, 60};
        QTest::newRow("rest of 2 is not shared") << 64 << QVector<int>{0, 0} << QVector<int>{30, 30}
                                                 << QVector<int>{30, 30};
        QTest::newRow("share of 0 stops after two unchanged passes")
            << 111 << QVector<int>{0, 0, 0, 0, 0} << QVector<int>{20, 20, 20, 20, 20}
            << QVector<int>{20, 20, 20, 20, 20};
        QTest::newRow("no columns") << 300 << QVector<int>{} << QVector<int>{} << QVector<int>{};
    }
    void fitColumnWidths()
    {
        QFETCH(int, free);
        QFETCH(QVector<int>, maxima);
        QFETCH(QVector<int>, start);
        QFETCH(QVector<int>, fitted);
        QCOMPARE(FitColumnWidths(free, maxima, start), fitted);
    }

    void gridFreeWidth_data()
    {
        QTest::addColumn<bool>("indicator");
        QTest::addColumn<bool>("lines");
        QTest::addColumn<GridBorder>("border");
        QTest::addColumn<int>("free");
        QTest::newRow("bare") << false << false << GridBorder::None << 383;
        QTest::newRow("lines alone cost nothing") << false << true << GridBorder::None << 383;
        QTest::newRow("indicator") << true << false << GridBorder::None << 372;
        QTest::newRow("indicator and lines") << true << true << GridBorder::None << 371;
        QTest::newRow("3-D border") << true << true << GridBorder::ThreeD << 367;
        QTest::newRow("flat border") << false << false << GridBorder::Flat << 381;
    }
    void gridFreeWidth()
    {
        QFETCH(bool, indicator);
        QFETCH(bool, lines);
        QFETCH(GridBorder, border);
        QFETCH(int, free);
        QCOMPARE(GridFreeWidth(400, 17, indicator, lines, border), free);
    }

    void columnsTitlesAndCursor()
    {
        ModuleFixture f;
        for (const char *name : {"Carla", "Ana", "Bruno"})
            f.addMember(name);
        DataGrid grid;
        grid.resize(400, 200);
        grid.setDataSet(f->ztSocio);
        SetupGridColumns(&grid, {"Nome", "Dívida"}, {"nome", "divida", "id"}, {180, 90}, QColor(0, 0, 128),
                         "Tahoma", 9);
        QAbstractItemModel *m = grid.model();
        QCOMPARE(m->columnCount(), 3);
        QCOMPARE(m->headerData(0, Qt::Horizontal).toString(), QString("Nome"));
        QCOMPARE(m->headerData(1, Qt::Horizontal).toString(), QString("Dívida"));
        QCOMPARE(m->headerData(2, Qt::Horizontal).toString(), QString("id")); // no caption given
        const QFont font = m->headerData(1, Qt::Horizontal, Qt::FontRole).value<QFont>();
        QCOMPARE(font.family(), QString("Tahoma"));
        QCOMPARE(font.pointSize(), 9);
        QCOMPARE(m->headerData(0, Qt::Horizontal, Qt::ForegroundRole).value<QBrush>().color(), QColor(0, 0, 128));
        QCOMPARE(m->headerData(0, Qt::Horizontal, Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
        QCOMPARE(grid.columnWidth(0), 180);
        QCOMPARE(grid.columnWidth(1), 90);
        QCOMPARE(grid.columnWidth(2), 64);
        QCOMPARE(m->data(m->index(1, 0)).toString(), QString("Ana"));

        // The grid's current row is the cursor, both ways.
        grid.setCurrentIndex(m->index(2, 1));
        QCOMPARE(f->ztSocio->recNo(), 2);
        QCOMPARE(f->ztSocio->value("nome").toString(), QString("Bruno"));
        f->ztSocio->first();
        QCOMPARE(grid.currentIndex().row(), 0);
        QCOMPARE(grid.selectionModel()->selectedRows().size(), 1);

        // A new setup replaces the columns.
        SetupGridColumns(&grid, {"Nome"}, {"nome"}, {200}, Qt::black, "Arial", 8);
        QCOMPARE(m->columnCount(), 1);
        QCOMPARE(grid.fieldAt(0), QString("nome"));
    }

    void rowsAreStripedAndTheCurrentRowMarked()
    {
        ModuleFixture f;
        for (const char *name : {"Ana", "Bruno", "Carla", "Duarte"})
            f.addMember(name);
        DataGrid grid;
        grid.resize(300, 200);
        grid.setDataSet(f->ztSocio);
        SetupGridColumns(&grid, {"Nome"}, {"nome"}, {200}, Qt::black, "Tahoma", 9);
        f->ztSocio->moveTo(2);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        const QImage shot = grid.grab().toImage();
        auto colourOfRow = [&](int row) {
            const QRect cell = grid.visualRect(grid.model()->index(row, 0));
            const QPoint at = grid.viewport()->mapTo(&grid, QPoint(cell.right() - 6, cell.center().y()));
            return shot.pixelColor(at);
        };
        QCOMPARE(colourOfRow(0), QColor(Qt::white));           // row 1: odd
        QCOMPARE(colourOfRow(1), QColor(245, 246, 252));        // row 2: even
        QCOMPARE(colourOfRow(2), QColor(254, 210, 129));        // the current row
        QCOMPARE(colourOfRow(3), QColor(245, 246, 252));        // row 4: even
        QVERIFY(grid.hasRowIndicator());
        QCOMPARE(grid.verticalHeader()->width(), 11);
        grid.setRowIndicator(false);
        QVERIFY(!grid.hasRowIndicator());
    }

    void titleClickSortsAndGoesToTheFirstRow()
    {
        ModuleFixture f;
        for (const char *name : {"Carla", "Ana", "Bruno"})
            f.addMember(name);
        ds::DataSet &s = *f->ztSocio;
        DataGrid grid;
        grid.resize(400, 200);
        grid.setDataSet(&s);
        SetupGridColumns(&grid, {"Id", "Nome"}, {"id", "nome"}, {60, 200}, Qt::black, "Tahoma", 9);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        s.last();
        int resets = 0;
        connect(&s, &ds::DataSet::rowsReset, &grid, [&] { ++resets; });

        QHeaderView *header = grid.horizontalHeader();
        const QPoint nameTitle(header->sectionViewportPosition(1) + 20, header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, nameTitle);
        QCOMPARE(s.sortField(), QString("nome"));
        QCOMPARE(s.sortOrder(), ds::DataSet::Order::Ascending);
        QCOMPARE(columnValues(s, "nome"), (QStringList{"Ana", "Bruno", "Carla"}));
        QCOMPARE(s.recNo(), 0);
        QCOMPARE(grid.currentIndex().row(), 0);
        QCOMPARE(grid.model()->data(grid.model()->index(0, 1)).toString(), QString("Ana"));
        QCOMPARE(resets, 1); // controls suspended: one reset when they resume
        QVERIFY(!QApplication::overrideCursor());

        s.last();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, nameTitle);
        QCOMPARE(s.sortOrder(), ds::DataSet::Order::Descending);
        QCOMPARE(columnValues(s, "nome"), (QStringList{"Carla", "Bruno", "Ana"}));
        QCOMPARE(s.recNo(), 0);
        QCOMPARE(header->sortIndicatorOrder(), Qt::DescendingOrder);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, nameTitle);
        QCOMPARE(s.sortOrder(), ds::DataSet::Order::Ascending);

        // Another column starts ascending.
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(0) + 10, header->height() / 2));
        QCOMPARE(s.sortField(), QString("id"));
        QCOMPARE(s.sortOrder(), ds::DataSet::Order::Ascending);
        QCOMPARE(columnValues(s, "nome"), (QStringList{"Carla", "Ana", "Bruno"}));
    }

    void fittedColumnsNeedNoSideScrolling_data()
    {
        QTest::addColumn<QVector<int>>("maxima");
        QTest::addColumn<QVector<int>>("start");
        QTest::newRow("free") << QVector<int>{0, 0, 0} << QVector<int>{40, 40, 40};
        QTest::newRow("first capped") << QVector<int>{60, 0, 0} << QVector<int>{40, 40, 40};
        QTest::newRow("present widths") << QVector<int>{0, 0, 0} << QVector<int>{};
    }
    void fittedColumnsNeedNoSideScrolling()
    {
        QFETCH(QVector<int>, maxima);
        QFETCH(QVector<int>, start);
        ModuleFixture f;
        for (int i = 0; i < 40; ++i)
            f.addMember(QString("Sócio %1").arg(i));
        DataGrid grid;
        grid.resize(420, 240);
        grid.setDataSet(f->ztSocio);
        SetupGridColumns(&grid, {"Id", "Nome", "Dívida"}, {"id", "nome", "divida"}, {50, 50, 50}, Qt::black,
                         "Tahoma", 9);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        FitGridColumns(&grid, maxima, start);
        QApplication::processEvents();
        int sum = 0;
        for (int i = 0; i < 3; ++i)
            sum += grid.columnWidth(i);
        QVERIFY2(sum > grid.viewport()->width() - 16, qPrintable(QString::number(sum)));
        QVERIFY2(sum <= grid.viewport()->width(), qPrintable(QString::number(sum)));
        QVERIFY(!grid.horizontalScrollBar()->isVisible());
        if (maxima[0] != 0)
            QCOMPARE(grid.columnWidth(0), maxima[0]);
        else
            QCOMPARE(grid.columnWidth(0), grid.columnWidth(1));
    }
};

QTEST_MAIN(TestGridHelpers)
#include "tst_grid_helpers.moc"
