// The data-bound widgets on the real table objects of a data module against
// the test installation's server: typing is stored by post(), the widgets
// follow cursor moves, cancels and closing, masks, amounts with both decimal
// marks, dates with the calendar, and the choice widgets' stored values.
#include "platform/globals.h"
#include "support/module_fixture.h"
#include "support/test_installation.h"
#include "ui/common/data_widgets.h"

#include <QCalendarWidget>
#include <QRadioButton>
#include <QTableView>
#include <QTest>
#include <QVBoxLayout>

using ds::DataSet;

namespace {

// A shown, active window holding the widget under test and a plain edit that
// has the focus at first and takes it back when a test leaves the widget.
struct Host {
    QWidget window;
    QLineEdit *other;
    explicit Host(QWidget *w)
    {
        auto *layout = new QVBoxLayout(&window);
        other = new QLineEdit(&window);
        layout->addWidget(other);
        layout->addWidget(w);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        focus(other); // the widget under test starts without the focus
    }
    void focus(QWidget *w)
    {
        w->setFocus(Qt::OtherFocusReason);
        QTRY_VERIFY(w->hasFocus());
    }
};

// Types text key by key, as keyClicks does, also for characters beyond
// ASCII ("€", "ó"), which arrive as key events carrying only their text.
void type(QWidget *w, const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClick(w, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// Replaces the whole text of a focused edit by typing: "" clears it.
void retype(QLineEdit *e, const QString &keys)
{
    e->selectAll();
    if (keys.isEmpty())
        QTest::keyClick(e, Qt::Key_Backspace);
    else
        type(e, keys);
}

struct DecimalSepGuard {
    QChar saved = DecimalSep;
    ~DecimalSepGuard() { DecimalSep = saved; }
};

} // namespace

class TestDataWidgets : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { TestInstallation::instance(); }

    void typedTextIsStoredByPostAndFollowsCursorAndCancel()
    {
        ModuleFixture f;
        const qint64 ana = f.addMember("Ana");
        const qint64 rui = f.addMember("Rui");
        DataSet &s = *f->ztSocio;
        QVERIFY(s.locate("id", ana));
        auto *e = new DBEdit(&s, "nome");
        e->setObjectName("dbedtNome");
        Host h(e);
        QCOMPARE(e->text(), QString("Ana"));
        QCOMPARE(e->maxLength(), 80);

        h.focus(e);
        retype(e, "Beatriz");
        QCOMPARE(s.state(), DataSet::State::Edit);
        QCOMPARE(e->text(), QString("Beatriz"));
        QVERIFY(s.post()); // as a "Guardar" button does, with the focus still in the edit
        QCOMPARE(f.scalar(QString("SELECT nome FROM socio WHERE id=%1").arg(ana)).toString(), QString("Beatriz"));

        s.locate("id", rui);
        QCOMPARE(e->text(), QString("Rui"));
        retype(e, "Outro");
        s.cancel();
        QCOMPARE(e->text(), QString("Rui"));
        QCOMPARE(f.scalar(QString("SELECT nome FROM socio WHERE id=%1").arg(rui)).toString(), QString("Rui"));

        // Moving the cursor while typing stores the row first.
        retype(e, "Rui Lopes");
        s.locate("id", ana);
        QCOMPARE(e->text(), QString("Beatriz"));
        QCOMPARE(f.scalar(QString("SELECT nome FROM socio WHERE id=%1").arg(rui)).toString(), QString("Rui Lopes"));

        // A new row shows empty; typed text is stored with it.
        s.append();
        QCOMPARE(e->text(), QString());
        QTest::keyClicks(e, "Carla");
        QVERIFY(s.post());
        QCOMPARE(f.scalar("SELECT COUNT(*) FROM socio WHERE nome='Carla'").toInt(), 1);
    }

    void readOnlyFieldsWidgetsAndClosedTablesDoNotEdit()
    {
        ModuleFixture f;
        const qint64 ana = f.addMember("Ana");
        DataSet &s = *f->ztSocio;
        auto *box = new QWidget;
        auto *layout = new QVBoxLayout(box);
        auto *id = new DBEdit(&s, "id");
        auto *name = new DBEdit(&s, "nome");
        name->setReadOnly(true);
        auto *memo = new DBMemo(&s, "observacoes");
        memo->setReadOnly(true);
        layout->addWidget(id);
        layout->addWidget(name);
        layout->addWidget(memo);
        Host h(box);
        QCOMPARE(id->text(), QString::number(ana));
        for (QWidget *w : {static_cast<QWidget *>(id), static_cast<QWidget *>(name), static_cast<QWidget *>(memo)}) {
            h.focus(w);
            QTest::keyClicks(w, "77");
            QCOMPARE(s.state(), DataSet::State::Browse);
        }
        QCOMPARE(id->text(), QString::number(ana));
        QCOMPARE(name->text(), QString("Ana"));
        QCOMPARE(memo->toPlainText(), QString());

        // An inactive table object shows empty and takes no typing.
        auto *edit = new DBEdit(&s, "nome");
        layout->addWidget(edit);
        QCOMPARE(edit->text(), QString("Ana"));
        s.close();
        QCOMPARE(edit->text(), QString());
        QVERIFY(edit->isReadOnly());
        s.open();
        QCOMPARE(edit->text(), QString("Ana"));
        QVERIFY(!edit->isReadOnly());
    }

    void memoTypingIsStoredAndCancelRestores()
    {
        ModuleFixture f;
        const qint64 ana = f.addMember("Ana");
        DataSet &s = *f->ztSocio;
        auto *m = new DBMemo(&s, "observacoes");
        Host h(m);
        h.focus(m);
        type(m, "Sócio fundador");
        QTest::keyClick(m, Qt::Key_Return);
        QTest::keyClicks(m, "desde 1990");
        QVERIFY(s.post());
        QCOMPARE(f.scalar(QString("SELECT observacoes FROM socio WHERE id=%1").arg(ana)).toString(),
                 QString("Sócio fundador\ndesde 1990"));
        QTest::keyClicks(m, "!");
        s.cancel();
        QCOMPARE(m->toPlainText(), QString("Sócio fundador\ndesde 1990"));
        m->selectAll();
        QTest::keyClick(m, Qt::Key_Delete);
        QVERIFY(s.post());
        QVERIFY(f.scalar(QString("SELECT observacoes FROM socio WHERE id=%1").arg(ana)).isNull());
    }

    void maskedInput_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<bool>("held");
        QTest::addColumn<QVariant>("stored");
        // The member starts with codigo_postal "9999-999" and nif 999999999.
        QTest::newRow("postal code") << "codigo_postal" << "1234567" << false << QVariant("1234-567");
        QTest::newRow("postal code, optional part left") << "codigo_postal" << "1234" << false << QVariant("1234-");
        QTest::newRow("postal code, required part partial") << "codigo_postal" << "12" << true
                                                            << QVariant("9999-999");
        QTest::newRow("postal code cleared") << "codigo_postal" << "" << false << QVariant();
        QTest::newRow("postal code, letters refused") << "codigo_postal" << "ab1234cd567" << false
                                                      << QVariant("1234-567");
        QTest::newRow("nif") << "nif" << "123456789" << false << QVariant(123456789);
        QTest::newRow("nif, optional digits") << "nif" << "123" << false << QVariant(123);
        QTest::newRow("nif cleared") << "nif" << "" << false << QVariant();
        QTest::newRow("nif, at most nine digits") << "nif" << "1234567890" << false << QVariant(123456789);
    }
    void maskedInput()
    {
        QFETCH(QString, field);
        QFETCH(QString, keys);
        QFETCH(bool, held);
        QFETCH(QVariant, stored);
        ModuleFixture f;
        const qint64 ana = f.addMember("Ana");
        DataSet &s = *f->ztSocio;
        s.setValue("codigo_postal", "9999-999");
        s.setValue("nif", 999999999);
        QVERIFY(s.post());

        auto *e = new DBEdit(&s, field);
        Host h(e);
        QCOMPARE(e->inputMask(), field == "nif" ? QString("000000000;_") : QString("9999-000;_"));
        h.focus(e);
        retype(e, keys);
        QCOMPARE(e->hasPendingText(), held);
        s.post();
        const QVariant db = f.scalar(QString("SELECT %1 FROM socio WHERE id=%2").arg(field).arg(ana));
        QCOMPARE(db.isNull(), stored.isNull());
        if (!stored.isNull())
            QCOMPARE(db.toString(), stored.toString());
        // Leaving the edit drops held text and shows what is stored.
        h.focus(h.other);
        QVERIFY(!e->hasPendingText());
        QCOMPARE(e->text(), s.displayText(field).isEmpty() && field == "codigo_postal" ? QString("-")
                                                                                       : s.displayText(field));
    }

    void amountShowsDisplayAndEditFormatsWithBothDecimalMarks_data()
    {
        QTest::addColumn<QChar>("sep");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<double>("stored");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("edit");
        QTest::newRow("comma locale, comma typed") << QChar(',') << "12,5" << 12.5 << "12,50 €" << "12,50";
        QTest::newRow("comma locale, point typed") << QChar(',') << "12.5" << 12.5 << "12,50 €" << "12,50";
        QTest::newRow("point locale, comma typed") << QChar('.') << "7,25" << 7.25 << "7.25 €" << "7.25";
        QTest::newRow("point locale, euro sign typed") << QChar('.') << "3 €" << 3.0 << "3.00 €" << "3.00";
        QTest::newRow("negative") << QChar(',') << "-4,1" << -4.1 << "-4,10 €" << "-4,10";
    }
    void amountShowsDisplayAndEditFormatsWithBothDecimalMarks()
    {
        QFETCH(QChar, sep);
        QFETCH(QString, keys);
        QFETCH(double, stored);
        QFETCH(QString, display);
        QFETCH(QString, edit);
        DecimalSepGuard guard;
        DecimalSep = sep;
        ModuleFixture f;
        f.addAssociation();
        DataSet &kinds = *f->ztReceitaTipo;
        kinds.appendRecord({QVariant(), "Donativos"});
        DataSet &r = *f->ztReceitaDetalhes;
        r.append();
        r.setValue("id_receita_tipo", kinds.value("id"));
        r.setValue("descricao", "Festa");
        r.setValue("montante", 1.0);
        QVERIFY(r.post());
        const qint64 id = r.value("id").toLongLong();

        auto *e = new DBEdit(&r, "montante");
        Host h(e);
        QCOMPARE(e->text(), QString("1") + sep + "00 €");
        h.focus(e);
        QCOMPARE(e->text(), QString("1") + sep + "00");
        retype(e, "-");
        QVERIFY(e->hasPendingText()); // a lone sign is no number yet
        QCOMPARE(r.value("montante").toDouble(), 1.0);
        retype(e, keys);
        QVERIFY(!e->hasPendingText());
        QVERIFY(r.post());
        QCOMPARE(f.scalar(QString("SELECT montante FROM receita_detalhes WHERE id=%1").arg(id)).toDouble(), stored);
        QCOMPARE(e->text(), edit); // still focused: the stored value's edit text
        h.focus(h.other);
        QCOMPARE(e->text(), display);
        h.focus(e);
        QCOMPARE(e->text(), edit);
    }

    void dateEditTypesPicksAndClearsDates()
    {
        ModuleFixture f;
        const qint64 ana = f.addMember("Ana");
        DataSet &s = *f->ztSocio;
        auto *d = new DBDateEdit(&s, "data_nascimento");
        d->setObjectName("dbedtDataNasc");
        Host h(d);
        QCOMPARE(d->inputMask(), QString("00/00/9999;_"));
        const QString sql = QString("SELECT data_nascimento FROM socio WHERE id=%1").arg(ana);

        h.focus(d);
        retype(d, "12032020");
        QVERIFY(s.post());
        QCOMPARE(f.scalar(sql).toDate(), QDate(2020, 3, 12));
        QCOMPARE(d->text(), QString("12/03/2020"));

        // A date without its year is held; the field keeps its date.
        retype(d, "0104");
        QVERIFY(d->hasPendingText());
        QCOMPARE(s.value("data_nascimento").toDate(), QDate(2020, 3, 12));
        // So is an impossible day.
        retype(d, "31022021");
        QVERIFY(d->hasPendingText());
        QTest::keyClick(d, Qt::Key_Escape);
        QCOMPARE(d->text(), QString("12/03/2020"));
        s.cancel();

        // The calendar opens on the field's date and writes the day picked.
        d->showCalendar();
        QCalendarWidget *cal = d->calendar();
        QVERIFY(cal);
        QCOMPARE(cal->selectedDate(), QDate(2020, 3, 12));
        cal->setSelectedDate(QDate(1985, 7, 4));
        QTest::keyClick(cal->findChild<QTableView *>(), Qt::Key_Return);
        QVERIFY(!d->calendar());
        QCOMPARE(s.state(), DataSet::State::Edit);
        QVERIFY(s.post());
        QCOMPARE(f.scalar(sql).toDate(), QDate(1985, 7, 4));
        QCOMPARE(d->text(), QString("04/07/1985"));

        // Clearing the text stores no date.
        h.focus(d);
        retype(d, "");
        QVERIFY(!d->hasPendingText());
        QVERIFY(s.post());
        QVERIFY(f.scalar(sql).isNull());
        QVERIFY(s.isBlank("data_nascimento"));
    }

    void lookupComboStoresKeyAndShowsName()
    {
        ModuleFixture f;
        DataSet &kinds = *f->ztSocio_Tipo;
        kinds.appendRecord({QVariant(), "Efectivo"});
        const qint64 efectivo = kinds.value("id").toLongLong();
        kinds.appendRecord({QVariant(), "Honorário"});
        const qint64 honorario = kinds.value("id").toLongLong();
        const qint64 ana = f.addMember("Ana");
        const qint64 rui = f.addMember("Rui");
        DataSet &s = *f->ztSocio;

        auto *c = new DBLookupCombo;
        c->setObjectName("dblcbxTipoSocio");
        c->bind(&s, "tipo_socio");
        c->setListSource(&kinds, "id", "nome");
        Host h(c);
        QCOMPARE(c->count(), 2);
        QCOMPARE(c->currentIndex(), -1); // Rui has no kind

        h.focus(c);
        QTest::keyClick(c, Qt::Key_Down);
        QCOMPARE(c->currentText(), QString("Efectivo"));
        QCOMPARE(s.value("tipo_socio").toLongLong(), efectivo);
        QTest::keyClick(c, Qt::Key_Down);
        QVERIFY(s.post());
        QCOMPARE(f.scalar(QString("SELECT tipo_socio FROM socio WHERE id=%1").arg(rui)).toLongLong(), honorario);
        QCOMPARE(s.displayText("socio_tipo_nome"), QString("Honorário"));
        QCOMPARE(c->currentText(), QString("Honorário"));

        s.locate("id", ana);
        QCOMPARE(c->currentIndex(), -1);
        s.setValue("tipo_socio", efectivo);
        QCOMPARE(c->currentText(), QString("Efectivo"));
        s.cancel();
        QCOMPARE(c->currentIndex(), -1);

        // A kind added to the list source is offered at once.
        kinds.appendRecord({QVariant(), "Juvenil"});
        QCOMPARE(c->count(), 3);
        QCOMPARE(c->itemText(2), QString("Juvenil"));
        QCOMPARE(s.state(), DataSet::State::Browse);
    }

    void fixedComboStoresItsText()
    {
        ModuleFixture f;
        const qint64 ana = f.addMember("Ana");
        DataSet &s = *f->ztSocio;
        auto *c = new DBComboBox(&s, "sexo");
        c->setItems({"Feminino", "Masculino"});
        Host h(c);
        QCOMPARE(c->currentIndex(), -1);
        h.focus(c);
        QTest::keyClick(c, Qt::Key_Down);
        QTest::keyClick(c, Qt::Key_Down);
        QVERIFY(s.post());
        QCOMPARE(f.scalar(QString("SELECT sexo FROM socio WHERE id=%1").arg(ana)).toString(), QString("Masculino"));
    }

    void radioGroupAndCheckBoxWriteTheirValues()
    {
        ModuleFixture f;
        const qint64 ana = f.addMember("Ana"); // saved with enabled 0 by the member rules
        const qint64 rui = f.addMember("Rui");
        DataSet &s = *f->ztSocio;
        auto *box = new QWidget;
        auto *layout = new QVBoxLayout(box);
        auto *radio = new DBRadioGroup("Estado do Registo", &s, "enabled");
        radio->setItems({"Disponivel", "Desactivado"}, {0, 1});
        auto *check = new DBCheckBox("Desactivado", &s, "enabled");
        auto *locked = new DBCheckBox("Desactivado", &s, "enabled");
        locked->setReadOnly(true);
        layout->addWidget(radio);
        layout->addWidget(check);
        layout->addWidget(locked);
        Host h(box);
        const QString sql = QString("SELECT enabled FROM socio WHERE id=%1");
        QCOMPARE(radio->itemIndex(), 0);
        QVERIFY(!check->isChecked());

        QTest::mouseClick(radio->button(1), Qt::LeftButton);
        QCOMPARE(s.value("enabled").toInt(), 1);
        QVERIFY(check->isChecked());
        QVERIFY(s.post());
        QCOMPARE(f.scalar(sql.arg(rui)).toInt(), 1);

        QTest::mouseClick(check, Qt::LeftButton);
        QCOMPARE(radio->itemIndex(), 0);
        QVERIFY(s.post());
        QCOMPARE(f.scalar(sql.arg(rui)).toInt(), 0);

        // A read-only box does not change the field.
        QTest::mouseClick(locked, Qt::LeftButton);
        QVERIFY(!locked->isChecked());
        QCOMPARE(s.state(), DataSet::State::Browse);

        QTest::mouseClick(check, Qt::LeftButton);
        s.locate("id", ana); // stores Rui first
        QCOMPARE(f.scalar(sql.arg(rui)).toInt(), 1);
        QCOMPARE(radio->itemIndex(), 0);
        QVERIFY(!check->isChecked());

        // A null value checks nothing.
        s.clearValue("enabled");
        QCOMPARE(radio->itemIndex(), -1);
        QVERIFY(!radio->button(0)->isChecked() && !radio->button(1)->isChecked());
        s.cancel();
        QCOMPARE(radio->itemIndex(), 0);
    }
};

QTEST_MAIN(TestDataWidgets)
#include "tst_data_widgets.moc"
