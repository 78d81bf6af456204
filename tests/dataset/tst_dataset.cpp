// The table-object layer on its own, against a real private server: plain
// DataSets over tables of the schema, without the data module's rules.
#include "data/schema.h"
#include "platform/dataset/connection.h"
#include "platform/dataset/dataset.h"
#include "platform/dataset/dataset_model.h"
#include "platform/dataset/format.h"
#include "support/test_installation.h"

#include <QItemSelectionModel>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTest>

using ds::DataSet;
using ds::Field;

namespace {

QList<Field> fieldsOf(const QString &table)
{
    QList<Field> out;
    for (const ColumnDef &c : FindTable(table)->columns) {
        Field f;
        f.name = c.name;
        f.type = c.type;
        f.size = c.size;
        f.notNull = c.notNull;
        out << f;
    }
    return out;
}

QVariant scalar(ds::Connection &db, const QString &sql)
{
    QSqlQuery q = db.exec(sql);
    return q.next() ? q.value(0) : QVariant();
}

} // namespace

class TestDataSet : public QObject {
    Q_OBJECT

    ds::Connection *db = nullptr;

    std::unique_ptr<DataSet> table(const QString &name, const QString &tableName)
    {
        auto t = std::make_unique<DataSet>(name);
        t->setConnection(db);
        t->setTableName(tableName);
        t->setFields(fieldsOf(tableName));
        return t;
    }

private slots:
    void initTestCase()
    {
        TestInstallation::instance();
        db = &TestInstallation::instance().db();
    }
    void init() { TestInstallation::instance().reset(); }

    void insertEditDeleteReachTheServer()
    {
        auto kinds = table("ztSocio_Tipo", "socio_tipo");
        kinds->open();
        QCOMPARE(kinds->state(), DataSet::State::Browse);
        QVERIFY(kinds->isEmpty());

        kinds->append();
        QCOMPARE(kinds->state(), DataSet::State::Insert);
        kinds->setValue("nome", "Efectivo");
        QVERIFY(kinds->post());
        const qint64 id = kinds->value("id").toLongLong();
        QVERIFY(id > 0);
        QCOMPARE(scalar(*db, QString("SELECT nome FROM socio_tipo WHERE id=%1").arg(id)).toString(), "Efectivo");

        // Setting a value in browse state starts an edit.
        kinds->setValue("nome", "Honorário");
        QCOMPARE(kinds->state(), DataSet::State::Edit);
        kinds->cancel();
        QCOMPARE(kinds->value("nome").toString(), "Efectivo");
        kinds->setValue("nome", "Honorário");
        kinds->post();
        QCOMPARE(scalar(*db, QString("SELECT nome FROM socio_tipo WHERE id=%1").arg(id)).toString(), "Honorário");

        // An update writes only the changed columns: a change made by someone
        // else to another column survives.
        auto members = table("ztSocio", "socio");
        members->open();
        members->appendRecord({QVariant(), "A1", "Ana", QVariant(), 912345678});
        const qint64 member = members->value("id").toLongLong();
        db->exec(QString("UPDATE socio SET localidade='Braga' WHERE id=%1").arg(member));
        members->setValue("nome", "Ana Maria");
        members->post();
        QCOMPARE(scalar(*db, QString("SELECT localidade FROM socio WHERE id=%1").arg(member)).toString(), "Braga");
        QCOMPARE(scalar(*db, QString("SELECT telemovel FROM socio WHERE id=%1").arg(member)).toInt(), 912345678);

        kinds->remove();
        QVERIFY(kinds->isEmpty());
        QCOMPARE(scalar(*db, "SELECT COUNT(*) FROM socio_tipo").toInt(), 0);
    }

    void refreshKeepsTheCurrentRow()
    {
        auto kinds = table("k", "socio_tipo");
        kinds->open();
        for (const char *n : {"A", "B", "C"})
            kinds->appendRecord({QVariant(), n});
        kinds->locate("nome", "B");
        const QVariant id = kinds->value("id");
        db->exec("INSERT INTO socio_tipo (nome) VALUES ('D')");
        kinds->refresh();
        QCOMPARE(kinds->rowCount(), 4);
        QCOMPARE(kinds->value("id"), id);
    }

    void cursorAndLocate()
    {
        auto kinds = table("k", "socio_tipo");
        kinds->open();
        QVERIFY(kinds->eof() && kinds->bof());
        for (const char *n : {"Alfa", "beta", "Gama"})
            kinds->appendRecord({QVariant(), n});

        QStringList seen;
        for (kinds->first(); !kinds->eof(); kinds->next())
            seen << kinds->value("nome").toString();
        QCOMPARE(seen, QStringList({"Alfa", "beta", "Gama"}));
        QCOMPARE(kinds->recNo(), 2);
        kinds->prior();
        QCOMPARE(kinds->recNo(), 1);
        kinds->first();
        kinds->prior();
        QVERIFY(kinds->bof());

        QVERIFY(!kinds->locate("nome", "BETA"));
        QCOMPARE(kinds->recNo(), 0); // a failed locate leaves the cursor
        QVERIFY(kinds->locate("nome", "BETA", true));
        QCOMPARE(kinds->value("nome").toString(), "beta");
        QVERIFY(kinds->locate("nome", "Gama"));

        const QVariant mark = kinds->bookmark();
        kinds->first();
        QVERIFY(kinds->gotoBookmark(mark));
        QCOMPARE(kinds->value("nome").toString(), "Gama");

        // Moving off a row being edited stores it.
        kinds->setValue("nome", "Gama 2");
        kinds->first();
        QCOMPARE(scalar(*db, "SELECT COUNT(*) FROM socio_tipo WHERE nome='Gama 2'").toInt(), 1);
    }

    void hooksRunInOrderAndAbortSilently()
    {
        auto kinds = table("k", "socio_tipo");
        QStringList calls;
        kinds->beforeInsert = [&](DataSet &) { calls << "beforeInsert"; };
        kinds->afterInsert = [&](DataSet &t) {
            calls << "afterInsert";
            t.setValue("nome", "padrão");
        };
        kinds->beforePost = [&](DataSet &t) {
            calls << "beforePost";
            if (t.value("nome").toString() == "recusar")
                ds::Abort();
        };
        kinds->afterPost = [&](DataSet &) { calls << "afterPost"; };
        kinds->beforeDelete = [&](DataSet &) {
            calls << "beforeDelete";
            ds::Abort();
        };
        kinds->open();
        kinds->append();
        QCOMPARE(kinds->value("nome").toString(), "padrão");
        QVERIFY(kinds->post());
        QCOMPARE(calls, QStringList({"beforeInsert", "afterInsert", "beforePost", "afterPost"}));

        calls.clear();
        kinds->setValue("nome", "recusar");
        QVERIFY(!kinds->post());
        QCOMPARE(kinds->state(), DataSet::State::Edit); // aborted: still editing, nothing stored
        QCOMPARE(scalar(*db, "SELECT nome FROM socio_tipo").toString(), "padrão");
        kinds->cancel();

        kinds->remove();
        QCOMPARE(kinds->rowCount(), 1);
        QCOMPARE(scalar(*db, "SELECT COUNT(*) FROM socio_tipo").toInt(), 1);

        // A save error goes to the error hook, which may drop it.
        kinds->beforePost = {};
        kinds->append();
        kinds->clearValue("nome"); // NOT NULL column
        QVERIFY_THROWS_EXCEPTION(ds::DbError, kinds->post());
        kinds->onPostError = [](DataSet &, const ds::DbError &) { return DataSet::ErrorAction::Abort; };
        QVERIFY(!kinds->post());
        QCOMPARE(kinds->state(), DataSet::State::Insert);
        kinds->cancel();
        QCOMPARE(kinds->rowCount(), 1);
    }

    void detailFollowsItsMaster()
    {
        auto members = table("ztSocio", "socio");
        auto enrolments = table("ztSocio_Mod", "modalidade_socio");
        enrolments->setMaster(members.get(), {"id"}, {"id_socio"});
        members->open();
        enrolments->open();
        QVERIFY(enrolments->isEmpty());

        members->appendRecord({QVariant(), "1", "Ana"});
        const QVariant ana = members->value("id");
        enrolments->append();
        QCOMPARE(enrolments->value("id_socio"), ana); // filled by the link
        enrolments->setValue("id_assoc", 1);
        enrolments->setValue("id_modalidade", 7);
        enrolments->post();

        members->appendRecord({QVariant(), "2", "Rui"});
        QVERIFY(enrolments->isEmpty());
        members->locate("id", ana);
        QCOMPARE(enrolments->rowCount(), 1);
        QCOMPARE(enrolments->value("id_modalidade").toInt(), 7);

        // While the master's controls are suspended the detail stays put, and
        // follows when they resume.
        members->disableControls();
        members->locate("nome", "Rui");
        QCOMPARE(enrolments->rowCount(), 1);
        members->enableControls();
        QVERIFY(enrolments->isEmpty());

        // A master row not yet stored has no detail rows.
        members->append();
        QVERIFY(enrolments->isEmpty());
        members->cancel();
    }

    void lookupsAndFormats()
    {
        auto kinds = table("ztSocio_Tipo", "socio_tipo");
        auto members = table("ztSocio", "socio");
        Field lookup;
        lookup.name = "socio_tipo_nome";
        lookup.size = 80;
        lookup.lookup = {kinds.get(), "tipo_socio", "id", "nome"};
        members->addLookupField(lookup);
        members->field("divida").displayFormat = "0.00 €";
        kinds->open();
        members->open();
        kinds->appendRecord({QVariant(), "Atleta"});
        members->appendRecord({QVariant(), "1", "Ana"});
        members->setValue("tipo_socio", kinds->value("id"));
        members->setValue("divida", 12.5);
        members->setValue("data_nascimento", QDate(1990, 3, 4));
        members->post();
        QCOMPARE(members->value("socio_tipo_nome").toString(), "Atleta");
        QCOMPARE(members->fields().last().name, "socio_tipo_nome"); // after the stored fields
        QVERIFY(members->displayText("divida").endsWith(" €"));
        QCOMPARE(members->displayText("data_nascimento"), "04/03/1990");

        // A renamed kind shows at once.
        kinds->setValue("nome", "Sénior");
        kinds->post();
        QCOMPARE(members->value("socio_tipo_nome").toString(), "Sénior");

        // Typed amounts may use either decimal mark and carry the euro sign.
        members->setText("divida", "7,25 €");
        QCOMPARE(members->value("divida").toDouble(), 7.25);
        members->setText("divida", "8.5");
        QCOMPARE(members->value("divida").toDouble(), 8.5);
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, members->setText("divida", "doze"));
        members->cancel();
    }

    void filterAndSort()
    {
        auto members = table("ztSocio", "socio");
        members->open();
        const QList<QPair<QString, double>> rows{{"Rui", 0}, {"ana", 10}, {"Bruno", 0}, {"Anabela", 5.5}};
        for (const auto &r : rows) {
            members->appendRecord({QVariant(), QVariant(), r.first});
            members->setValue("divida", r.second);
            members->post();
        }
        members->setFilter("nome LIKE 'an*'");
        QCOMPARE(members->rowCount(), 4); // not yet on
        members->setFiltered(true);
        QCOMPARE(members->rowCount(), 2);
        members->setFilter("divida<>0");
        QCOMPARE(members->rowCount(), 2);
        members->setFilter("divida=0");
        QCOMPARE(members->rowCount(), 2);
        members->setFiltered(false);

        members->toggleSort("nome");
        QCOMPARE(members->sortOrder(), DataSet::Order::Ascending);
        QCOMPARE(members->value(0, "nome").toString(), "ana");
        QCOMPARE(members->value(3, "nome").toString(), "Rui");
        members->toggleSort("nome");
        QCOMPARE(members->sortOrder(), DataSet::Order::Descending);
        QCOMPARE(members->value(0, "nome").toString(), "Rui");
        members->toggleSort("divida");
        QCOMPARE(members->sortOrder(), DataSet::Order::Ascending);
        QCOMPARE(members->value(3, "nome").toString(), "ana");

        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, members->setFilter("nome LIKE"));
    }

    void cachedUpdatesWaitForApply()
    {
        auto kinds = table("k", "socio_tipo");
        kinds->open();
        kinds->setCachedUpdates(true);
        kinds->appendRecord({QVariant(), "Pendente"});
        QVERIFY(kinds->updatesPending());
        QCOMPARE(scalar(*db, "SELECT COUNT(*) FROM socio_tipo").toInt(), 0);
        kinds->applyUpdates();
        kinds->commitUpdates();
        QCOMPARE(scalar(*db, "SELECT COUNT(*) FROM socio_tipo").toInt(), 1);
        QVERIFY(kinds->value("id").toInt() > 0);

        kinds->setValue("nome", "Alterado");
        kinds->post();
        kinds->cancelUpdates();
        QCOMPARE(kinds->value("nome").toString(), "Pendente");
        kinds->setCachedUpdates(false);
    }

    void inMemoryTable()
    {
        DataSet board("RxQuadroContas");
        Field name;
        name.name = "socio_nome";
        Field owed;
        owed.name = "Total_divida";
        owed.type = ds::FieldType::Double;
        board.setFields({name, owed});
        board.open();
        board.appendRecord({"Ana", 12.0});
        board.appendRecord({"Rui", 3.5});
        QCOMPARE(board.rowCount(), 2);
        board.first();
        board.remove();
        QCOMPARE(board.value("socio_nome").toString(), "Rui");
        board.close();
        board.open();
        QVERIFY(board.isEmpty());
    }

    void queryObjectDefinesItsFields()
    {
        db->exec("INSERT INTO socio (nome, divida) VALUES ('Ana', 3.5)");
        DataSet query("zQuerySocios");
        query.setConnection(db);
        query.setSql("SELECT id, nome, divida FROM socio");
        query.open();
        QCOMPARE(query.fields().size(), 3);
        QCOMPARE(query.field("divida").type, ds::FieldType::Double);
        QCOMPARE(query.value("nome").toString(), "Ana");
    }

    void quotedTextsReachSqlLiterally_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("quote") << "D'Almeida";
        QTest::newRow("backslash") << "C:\\fotos\\";
        QTest::newRow("percent") << "50% desconto";
        QTest::newRow("underscore") << "a_b";
        QTest::newRow("semicolon") << "x'; DROP TABLE socio; --";
    }
    void quotedTextsReachSqlLiterally()
    {
        QFETCH(QString, text);
        db->exec("INSERT INTO socio (nome) VALUES (" + ds::SqlQuote(text) + ")");
        db->exec("INSERT INTO socio (nome) VALUES ('decoy ab 50 desconto')");
        QCOMPARE(scalar(*db, "SELECT nome FROM socio WHERE nome=" + ds::SqlQuote(text)).toString(), text);
        QCOMPARE(scalar(*db, "SELECT COUNT(*) FROM socio WHERE nome LIKE '%" + ds::SqlLikeText(text) + "%'").toInt(), 1);
        QCOMPARE(scalar(*db, "SELECT COUNT(*) FROM socio").toInt(), 2);
    }

    void gridModelFollowsTheCursor()
    {
        auto kinds = table("k", "socio_tipo");
        kinds->open();
        for (const char *n : {"A", "B", "C"})
            kinds->appendRecord({QVariant(), n});
        ds::DataSetModel model(kinds.get());
        model.setColumns({"nome"}, {"Nome"});
        QItemSelectionModel selection(&model);
        model.bindSelection(&selection);
        QCOMPARE(model.rowCount(), 3);
        QCOMPARE(model.headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), "Nome");
        QCOMPARE(selection.currentIndex().row(), 2);
        selection.setCurrentIndex(model.index(0, 0), QItemSelectionModel::ClearAndSelect);
        QCOMPARE(kinds->recNo(), 0);
        kinds->last();
        QCOMPARE(selection.currentIndex().row(), 2);
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
        kinds->disableControls();
        kinds->refresh();
        kinds->refresh();
        QCOMPARE(reset.count(), 0);
        kinds->enableControls();
        QCOMPARE(reset.count(), 1);
    }
};

QTEST_MAIN(TestDataSet)
#include "tst_dataset.moc"
