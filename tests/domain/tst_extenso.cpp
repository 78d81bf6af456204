// Amounts written out in Portuguese words, as receipts state them.
#include "domain/extenso.h"

#include <QTest>

#include <limits>

class TestExtenso : public QObject {
    Q_OBJECT
private slots:
    void extensoCentena_data();
    void extensoCentena();
    void extenso_data();
    void extenso();
};

void TestExtenso::extensoCentena_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("expected");
    QTest::newRow("000") << "000" << "";
    QTest::newRow("100") << "100" << "Cem";
    QTest::newRow("101") << "101" << "Cento e Um";
    QTest::newRow("110") << "110" << "Cento e Dez";
    QTest::newRow("115") << "115" << "Cento e Quinze";
    QTest::newRow("120") << "120" << "Cento e Vinte";
    QTest::newRow("999") << "999" << "Novecentos e Noventa e Nove";
    QTest::newRow("021") << "021" << "Vinte e Um";
    QTest::newRow("007") << "007" << "Sete";
    QTest::newRow("200") << "200" << "Duzentos";
    QTest::newRow("030") << "030" << "Trinta";
    // Every hundreds, tens and units word once.
    QTest::newRow("123") << "123" << "Cento e Vinte e Três";
    QTest::newRow("234") << "234" << "Duzentos e Trinta e Quatro";
    QTest::newRow("345") << "345" << "Trezentos e Quarenta e Cinco";
    QTest::newRow("456") << "456" << "Quatrocentos e Cinquenta e Seis";
    QTest::newRow("567") << "567" << "Quinhentos e Sessenta e Sete";
    QTest::newRow("678") << "678" << "Seiscentos e Setenta e Oito";
    QTest::newRow("789") << "789" << "Setecentos e Oitenta e Nove";
    QTest::newRow("891") << "891" << "Oitocentos e Noventa e Um";
    QTest::newRow("902") << "902" << "Novecentos e Dois";
    // Ten to nineteen: one word, no units after it.
    QTest::newRow("010") << "010" << "Dez";
    QTest::newRow("011") << "011" << "Onze";
    QTest::newRow("012") << "012" << "Doze";
    QTest::newRow("213") << "213" << "Duzentos e Treze";
    QTest::newRow("014") << "014" << "Quatorze";
    QTest::newRow("016") << "016" << "Dezesseis";
    QTest::newRow("017") << "017" << "Dezessete";
    QTest::newRow("018") << "018" << "Dezoito";
    QTest::newRow("019") << "019" << "Dezenove";
    // Not a group of three digits.
    QTest::newRow("two digits") << "12" << "";
    QTest::newRow("four digits") << "1234" << "";
    QTest::newRow("letter") << "1a2" << "";
    QTest::newRow("blank") << " 12" << "";
    QTest::newRow("empty") << "" << "";
}

void TestExtenso::extensoCentena()
{
    QFETCH(QString, group);
    QFETCH(QString, expected);
    QCOMPARE(ExtensoCentena(group), expected);
}

void TestExtenso::extenso_data()
{
    QTest::addColumn<double>("amount");
    QTest::addColumn<QString>("expected");
    QTest::newRow("0") << 0.0 << "Zero";
    QTest::newRow("0.01") << 0.01 << "Um Cêntimo";
    QTest::newRow("0.50") << 0.50 << "Cinquenta Cêntimos";
    QTest::newRow("0.10") << 0.10 << "Dez Cêntimos";
    QTest::newRow("1") << 1.0 << "Um Euro";
    QTest::newRow("1.01") << 1.01 << "Um Euro e Um Cêntimo";
    QTest::newRow("2.50") << 2.50 << "Dois Euros e Cinquenta Cêntimos";
    QTest::newRow("21.21") << 21.21 << "Vinte e Um Euros e Vinte e Um Cêntimos";
    QTest::newRow("35.50") << 35.50 << "Trinta e Cinco Euros e Cinquenta Cêntimos";
    QTest::newRow("100") << 100.0 << "Cem Euros";
    QTest::newRow("101") << 101.0 << "Cento e Um Euros";
    QTest::newRow("110") << 110.0 << "Cento e Dez Euros";
    QTest::newRow("200") << 200.0 << "Duzentos Euros";
    QTest::newRow("1000") << 1000.0 << "Um Mil Euros";
    QTest::newRow("1100") << 1100.0 << "Um Mil e Cem Euros";
    QTest::newRow("1100.25") << 1100.25 << "Um Mil, Cem Euros e Vinte e Cinco Cêntimos";
    QTest::newRow("1 000 000") << 1e6 << "Um Milhão De Euros";
    QTest::newRow("1 000 000.50") << 1000000.50 << "Um Milhão De Euros e Cinquenta Cêntimos";
    QTest::newRow("2 000 000") << 2e6 << "Dois Milhões De Euros";
    QTest::newRow("1 000 001") << 1000001.0 << "Um Milhão e Um Euros";
    QTest::newRow("2 000 005") << 2000005.0 << "Dois Milhões e Cinco Euros";
    QTest::newRow("1 001 000") << 1001000.0 << "Um Milhão, Um Mil Euros";
    QTest::newRow("1 234 567.89") << 1234567.89
                                  << "Um Milhão, Duzentos e Trinta e Quatro Mil, Quinhentos e Sessenta e Sete "
                                     "Euros e Oitenta e Nove Cêntimos";
    QTest::newRow("1 000 000 000") << 1e9 << "Um Bilhão De Euros";
    QTest::newRow("2 000 000 000") << 2e9 << "Dois Bilhões De Euros";
    QTest::newRow("1 001 000 000") << 1001000000.0 << "Um Bilhão, Um Milhão De Euros";
    QTest::newRow("largest written")
        << 999999999999.99
        << "Novecentos e Noventa e Nove Bilhões, Novecentos e Noventa e Nove Milhões, Novecentos e Noventa e "
           "Nove Mil, Novecentos e Noventa e Nove Euros e Noventa e Nove Cêntimos";

    // Every decision follows the amount rounded to cents.
    QTest::newRow("1100.001") << 1100.001 << "Um Mil e Cem Euros";
    QTest::newRow("1.996") << 1.996 << "Dois Euros";
    QTest::newRow("0.9999999") << 0.9999999 << "Um Euro";
    QTest::newRow("0.004") << 0.004 << "Zero";
    QTest::newRow("999.999") << 999.999 << "Um Mil Euros";
    QTest::newRow("sum 0.1 + 0.2") << 0.1 + 0.2 << "Trinta Cêntimos";
    // Halves go away from zero, judged on the amount as written in decimals.
    QTest::newRow("0.005") << 0.005 << "Um Cêntimo";
    QTest::newRow("0.125") << 0.125 << "Treze Cêntimos";
    QTest::newRow("1.005") << 1.005 << "Um Euro e Um Cêntimo";
    QTest::newRow("2.675") << 2.675 << "Dois Euros e Sessenta e Oito Cêntimos";

    // Negative amounts are written as their absolute value.
    QTest::newRow("-35.50") << -35.50 << "Trinta e Cinco Euros e Cinquenta Cêntimos";
    QTest::newRow("-0.005") << -0.005 << "Um Cêntimo";
    QTest::newRow("-0.004") << -0.004 << "Zero";

    // Amounts beyond twelve integer digits give no words rather than wrong ones.
    QTest::newRow("10^12") << 1e12 << "";
    QTest::newRow("10^12 + 5") << 1000000000005.0 << "";
    QTest::newRow("rounds up to 10^12") << 999999999999.996 << "";
    QTest::newRow("1e300") << 1e300 << "";
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << "";
    QTest::newRow("minus infinity") << -std::numeric_limits<double>::infinity() << "";
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << "";
}

void TestExtenso::extenso()
{
    QFETCH(double, amount);
    QFETCH(QString, expected);
    QCOMPARE(Extenso(amount), expected);
}

QTEST_GUILESS_MAIN(TestExtenso)
#include "tst_extenso.moc"
