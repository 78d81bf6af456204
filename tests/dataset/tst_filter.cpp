// The client-side filter: every filter text the windows build, the NULL and
// conversion rules, operator precedence, and texts that must be refused.
#include "platform/dataset/filter.h"

#include <QDate>
#include <QTest>

#include <stdexcept>

using ds::FilterExpr;

Q_DECLARE_METATYPE(QVariantMap)

namespace {

bool run(const QString &filter, const QVariantMap &row)
{
    const auto expr = FilterExpr::parse(filter);
    return expr->matches([&row](const QString &name) {
        if (!row.contains(name))
            throw std::invalid_argument("unknown field");
        return row.value(name);
    });
}

QVariant null() { return QVariant(); }

} // namespace

class TestFilter : public QObject {
    Q_OBJECT
private slots:
    void matches_data();
    void matches();
    void fieldNames();
    void unknownFieldReachesCaller();
    void badText_data();
    void badText();
    void quoteFilterText();
};

void TestFilter::matches_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QVariantMap>("row");
    QTest::addColumn<bool>("expected");

    const QVariantMap year2013{{"ano", 2013}};
    const QVariantMap year2014{{"ano", 2014}};
    QTest::newRow("ano =2013 hit") << "ano =2013" << year2013 << true;
    QTest::newRow("ano =2013 miss") << "ano =2013" << year2014 << false;
    QTest::newRow("id_socio= hit") << "id_socio=17" << QVariantMap{{"id_socio", 17}} << true;
    QTest::newRow("id_socio= other") << "id_socio=17" << QVariantMap{{"id_socio", 171}} << false;
    QTest::newRow("id_socio as longlong") << "id_socio=17" << QVariantMap{{"id_socio", qlonglong(17)}} << true;

    const QVariantMap noDebt{{"divida", 0.0}};
    const QVariantMap smallDebt{{"divida", 0.4}};
    const QVariantMap nullDebt{{"divida", null()}};
    QTest::newRow("divida=0 on 0") << "divida=0" << noDebt << true;
    QTest::newRow("divida=0 on 0.4") << "divida=0" << smallDebt << false;
    QTest::newRow("divida<>0 on 0.4") << "divida<>0" << smallDebt << true;
    QTest::newRow("divida<>0 on 0") << "divida<>0" << noDebt << false;
    QTest::newRow("divida = \"0,00\" on 0") << "divida = \"0,00\"" << noDebt << true;
    QTest::newRow("divida = \"0.00\" on 0") << "divida = \"0.00\"" << noDebt << true;
    QTest::newRow("divida <> \"0,00\" on 0.4") << "divida <> \"0,00\"" << smallDebt << true;
    QTest::newRow("divida <> \"0.00\" on 0") << "divida <> \"0.00\"" << noDebt << false;
    QTest::newRow("divida = \"0,40\" on 0.4") << "divida = \"0,40\"" << smallDebt << true;
    QTest::newRow("decimal literal") << "divida = 0.4" << smallDebt << true;
    QTest::newRow("negative literal") << "divida > -1" << noDebt << true;

    // NULL compares false to anything, <> included, and is not LIKE anything.
    QTest::newRow("null =") << "divida=0" << nullDebt << false;
    QTest::newRow("null <>") << "divida<>0" << nullDebt << false;
    QTest::newRow("null <") << "divida<1" << nullDebt << false;
    QTest::newRow("null LIKE *") << "divida LIKE '*'" << nullDebt << false;
    QTest::newRow("NOT of null comparison") << "NOT divida=0" << nullDebt << true;
    QTest::newRow("null text") << "nome = ''" << QVariantMap{{"nome", QVariant(QMetaType(QMetaType::QString))}}
                               << false;

    const QVariantMap ana{{"nome", QStringLiteral("Ana Sofia")}, {"codigo_interno", QStringLiteral("A12")}};
    QTest::newRow("LIKE prefix") << "nome LIKE 'Ana*'" << ana << true;
    QTest::newRow("LIKE prefix other case") << "nome LIKE 'ana*'" << ana << true;
    QTest::newRow("LIKE prefix miss") << "nome LIKE 'Sofia*'" << ana << false;
    QTest::newRow("LIKE contains") << "nome LIKE '*sof*'" << ana << true;
    QTest::newRow("LIKE contains miss") << "nome LIKE '*maria*'" << ana << false;
    QTest::newRow("LIKE without wildcard is whole") << "nome LIKE 'Ana'" << ana << false;
    QTest::newRow("LIKE exact") << "nome LIKE 'ana sofia'" << ana << true;
    QTest::newRow("LIKE inner wildcard") << "nome LIKE 'A*a'" << ana << true;
    QTest::newRow("LIKE backtracking") << "nome LIKE '*a*a'" << ana << true;
    QTest::newRow("NOT LIKE") << "nome NOT LIKE 'Ana*'" << ana << false;
    QTest::newRow("like keyword lower case") << "nome like 'ana*'" << ana << true;
    QTest::newRow("LIKE other field") << "codigo_interno LIKE 'A1*'" << ana << true;
    QTest::newRow("LIKE quote inside")
        << "nome LIKE 'O''Neil*'" << QVariantMap{{"nome", QStringLiteral("O'Neill")}} << true;
    QTest::newRow("LIKE accented")
        << "nome LIKE 'joão*'" << QVariantMap{{"nome", QStringLiteral("JOÃO Pires")}} << true;
    QTest::newRow("LIKE star matches literally nothing else")
        << "nome LIKE '100%*'" << QVariantMap{{"nome", QStringLiteral("1000")}} << false;

    const QVariantMap id123{{"id", 123}, {"montante", 10.5}};
    QTest::newRow("LIKE on integer") << "id LIKE '12*'" << id123 << true;
    QTest::newRow("LIKE on integer miss") << "id LIKE '13*'" << id123 << false;
    QTest::newRow("LIKE on amount") << "montante LIKE '10*'" << id123 << true;
    QTest::newRow("LIKE on amount with comma") << "montante LIKE '10,5*'" << id123 << true;
    QTest::newRow("LIKE on amount with point") << "montante LIKE '10.5'" << id123 << true;
    QTest::newRow("LIKE on whole amount") << "montante LIKE '10'"
                                          << QVariantMap{{"montante", 10.0}} << true;

    QTest::newRow("text = other case") << "nome = 'ANA SOFIA'" << ana << true;
    QTest::newRow("text <") << "nome < 'B'" << ana << true;
    QTest::newRow("text >=") << "nome >= 'b'" << ana << false;
    QTest::newRow("text field holding a number") << "codigo = 7"
                                                 << QVariantMap{{"codigo", QStringLiteral("7")}} << true;

    const QVariantMap sent{{"data_envio", QDate(2026, 12, 5)}};
    const QString range = "data_envio>=\"2026/12/01\" AND data_envio<=\"2026/12/11\"";
    QTest::newRow("date range inside") << range << sent << true;
    QTest::newRow("date range first day") << range << QVariantMap{{"data_envio", QDate(2026, 12, 1)}} << true;
    QTest::newRow("date range last day") << range << QVariantMap{{"data_envio", QDate(2026, 12, 11)}} << true;
    QTest::newRow("date range after") << range << QVariantMap{{"data_envio", QDate(2026, 12, 12)}} << false;
    QTest::newRow("date range before") << range << QVariantMap{{"data_envio", QDate(2026, 11, 30)}} << false;
    QTest::newRow("date range across months")
        << "data_envio>=\"2026/01/20\" AND data_envio<=\"2026/03/10\""
        << QVariantMap{{"data_envio", QDate(2026, 2, 15)}} << true;
    QTest::newRow("date range null") << range << QVariantMap{{"data_envio", null()}} << false;
    QTest::newRow("date iso") << "data_envio = '2026-12-05'" << sent << true;
    QTest::newRow("date day first") << "data_envio = '05/12/2026'" << sent << true;
    QTest::newRow("datetime on its day")
        << range << QVariantMap{{"data_envio", QDateTime(QDate(2026, 12, 11), QTime(18, 30))}} << true;

    const QVariantMap row{{"ano", 2013}, {"mes", 5}, {"nome", QStringLiteral("Rui")}};
    QTest::newRow("AND both") << "ano = 2013 AND mes = 5" << row << true;
    QTest::newRow("AND one") << "ano = 2013 and mes = 6" << row << false;
    QTest::newRow("OR one") << "ano = 2014 Or mes = 5" << row << true;
    QTest::newRow("AND binds tighter") << "ano = 2014 AND mes = 6 OR nome = 'rui'" << row << true;
    QTest::newRow("AND binds tighter right") << "nome = 'rui' OR ano = 2014 AND mes = 6" << row << true;
    QTest::newRow("parentheses") << "(nome = 'rui' OR ano = 2014) AND mes = 6" << row << false;
    QTest::newRow("NOT") << "NOT ano = 2014" << row << true;
    QTest::newRow("NOT parentheses") << "not (ano = 2013 AND mes = 5)" << row << false;
    QTest::newRow("no spaces") << "(ano=2013)AND(mes<>4)" << row << true;
    QTest::newRow("blank text") << "   " << row << true;
    QTest::newRow("literal on the left") << "2013 = ano" << row << true;
}

void TestFilter::matches()
{
    QFETCH(QString, filter);
    QFETCH(QVariantMap, row);
    QFETCH(bool, expected);
    QCOMPARE(run(filter, row), expected);
}

void TestFilter::fieldNames()
{
    const auto expr = FilterExpr::parse("(ano = 2013 OR mes > ano) AND nome LIKE 'a*' AND NOT id_socio = 3");
    QCOMPARE(expr->fieldNames(), (QStringList{"ano", "mes", "nome", "id_socio"}));
    QVERIFY(FilterExpr::parse("'a' = 'a'")->fieldNames().isEmpty());
}

void TestFilter::unknownFieldReachesCaller()
{
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, run("nada = 1", QVariantMap{{"ano", 1}}));
}

void TestFilter::badText_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("named"); // what the message must point at

    QTest::newRow("field alone") << "divida" << "divida";
    QTest::newRow("missing value") << "divida =" << "=";
    QTest::newRow("missing field") << "= 0" << "=";
    QTest::newRow("open parenthesis") << "(ano = 1" << "(";
    QTest::newRow("extra parenthesis") << "ano = 1)" << ")";
    QTest::newRow("unterminated text") << "nome = 'abc" << "'abc";
    QTest::newRow("unterminated double quoted") << "nome = \"abc" << "\"abc";
    QTest::newRow("double equals") << "ano == 1" << "=";
    QTest::newRow("dangling AND") << "ano = 1 AND" << "AND";
    QTest::newRow("two comparisons") << "ano = 1 ano = 2" << "ano";
    QTest::newRow("unknown operator") << "ano @ 1" << "@";
    QTest::newRow("bad number") << "ano = 12abc" << "12a";
    QTest::newRow("LIKE without pattern") << "nome LIKE" << "LIKE";
}

void TestFilter::badText()
{
    QFETCH(QString, filter);
    QFETCH(QString, named);
    try {
        FilterExpr::parse(filter);
        QFAIL("the text was accepted");
    } catch (const std::invalid_argument &e) {
        const QString message = QString::fromUtf8(e.what());
        QVERIFY2(message.startsWith("Filtro inválido"), qPrintable(message));
        QVERIFY2(message.contains(named), qPrintable(message));
    }
}

void TestFilter::quoteFilterText()
{
    const QString typed = "D'Ávila";
    const QString filter = "nome LIKE " + ds::QuoteFilterText(typed + "*");
    QVERIFY(run(filter, QVariantMap{{"nome", QStringLiteral("d'ávila costa")}}));
    QVERIFY(!run(filter, QVariantMap{{"nome", QStringLiteral("Davila")}}));
}

QTEST_GUILESS_MAIN(TestFilter)
#include "tst_filter.moc"
