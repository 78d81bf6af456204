// Check digits of the tax, identity-card and bank account numbers.
#include "domain/identity.h"

#include <QTest>

class TestIdentity : public QObject {
    Q_OBJECT
private slots:
    void isDigitsOnly_data();
    void isDigitsOnly();
    void checkNIF_data();
    void checkNIF();
    void checkBICC_data();
    void checkBICC();
    void checkNIB_data();
    void checkNIB();
};

void TestIdentity::isDigitsOnly_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("expected");
    QTest::newRow("every digit") << "0123456789" << true;
    QTest::newRow("empty") << "" << true;
    QTest::newRow("letter inside") << "12a4" << false;
    QTest::newRow("leading blank") << " 1234" << false;
    QTest::newRow("trailing blank") << "1234 " << false;
    QTest::newRow("sign") << "-123" << false;
    QTest::newRow("other script digits") << QString::fromUtf8("١٢٣") << false; // Arabic-Indic
    QTest::newRow("full-width digit") << QString::fromUtf8("12３") << false;
}

void TestIdentity::isDigitsOnly()
{
    QFETCH(QString, text);
    QFETCH(bool, expected);
    QCOMPARE(IsDigitsOnly(text), expected);
}

void TestIdentity::checkNIF_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("expected");
    // 1×9 + 2×8 + … + 8×2 = 156, remainder 2, check digit 9.
    QTest::newRow("valid") << "123456789" << true;
    QTest::newRow("wrong check digit") << "123456780" << false;
    QTest::newRow("first two digits swapped") << "213456789" << false; // 157, check digit 8
    // Each admitted first digit with its fitting check digit.
    QTest::newRow("first digit 2") << "200000004" << true; // 18, remainder 7
    QTest::newRow("first digit 5") << "500000000" << true; // 45, remainder 1
    QTest::newRow("first digit 6") << "600000001" << true; // 54, remainder 10
    QTest::newRow("first digit 8") << "800000005" << true; // 72, remainder 6
    QTest::newRow("first digit 9") << "900000007" << true; // 81, remainder 4
    // Refused first digits, even where the check digit fits.
    QTest::newRow("first digit 3") << "323456789" << false;
    QTest::newRow("first digit 3, fitting check digit") << "323456784" << false; // 183, remainder 7
    QTest::newRow("first digit 4, fitting check digit") << "400000008" << false; // 36, remainder 3
    QTest::newRow("first digit 7, fitting check digit") << "700000003" << false; // 63, remainder 8
    QTest::newRow("first digit 0") << "023456789" << false;
    // Remainder 0 or 1: only check digit 0 fits (11 - R would be 11 or 10).
    QTest::newRow("remainder 0, check 0") << "100000010" << true; // 9 + 2 = 11
    QTest::newRow("remainder 0, check 1") << "100000011" << false;
    QTest::newRow("remainder 1, check 0") << "100000070" << true; // 9 + 14 = 23
    QTest::newRow("remainder 1, check 1") << "100000071" << false;
    QTest::newRow("eight digits") << "12345678" << false;
    QTest::newRow("ten digits") << "1234567890" << false;
    QTest::newRow("valid with trailing blank") << "123456789 " << false;
    QTest::newRow("nine characters with a letter") << "12345678X" << false;
    QTest::newRow("empty") << "" << false;
}

void TestIdentity::checkNIF()
{
    QFETCH(QString, text);
    QFETCH(bool, expected);
    QCOMPARE(CheckNIF(text), expected);
}

void TestIdentity::checkBICC_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("expected");
    QTest::newRow("eight digits, remainder 10") << "12345678" << true; // 120
    QTest::newRow("nine digits, remainder 0") << "123456789" << true;  // 165
    QTest::newRow("seven digits, remainder 7") << "1234567" << false;  // 84
    QTest::newRow("seven zeros") << "0000000" << true;
    QTest::newRow("ten digits, remainder 0") << "1000000001" << true; // 10 + 1
    QTest::newRow("remainder 1") << "00000001" << false;
    // The first digit weighs the length: 10 at ten digits, 9 at nine.
    QTest::newRow("first digit of ten") << "1000000000" << true;
    QTest::newRow("first digit of nine") << "100000000" << false;
    QTest::newRow("six digits summing to 0") << "000000" << false;
    QTest::newRow("eleven digits summing to 0") << "00000000000" << false;
    QTest::newRow("letter") << "1234567A" << false;
    QTest::newRow("valid with trailing blank") << "12345678 " << false;
    QTest::newRow("empty") << "" << false;
}

void TestIdentity::checkBICC()
{
    QFETCH(QString, text);
    QFETCH(bool, expected);
    QCOMPARE(CheckBICC(text), expected);
}

void TestIdentity::checkNIB_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("expected");
    const QString zeros19(19, u'0');
    QTest::newRow("nineteen zeros, check 98") << zeros19 + "98" << true;
    QTest::newRow("nineteen zeros, check 97") << zeros19 + "97" << false;
    // 10^16 × 100 mod 97 = 89, expected 98 - 89 = 9.
    QTest::newRow("0010 and fifteen zeros, check 09") << "0010" + QString(15, u'0') + "09" << true;
    QTest::newRow("0010 and fifteen zeros, check 90") << "0010" + QString(15, u'0') + "90" << false;
    // Bank 0035, branch 0123, account 00000123456: check digits 05.
    QTest::newRow("bank account") << "003501230000012345605" << true;
    QTest::newRow("bank account, two digits swapped") << "003501230000012435605" << false; // wants 21
    QTest::newRow("twenty digits") << zeros19 + "9" << false;
    QTest::newRow("twenty-two digits") << zeros19 + "098" << false;
    QTest::newRow("letter among 21") << "00000000A0000000000" + QString("98") << false;
    QTest::newRow("blank among 21") << QString(18, u'0') + " 98" << false;
    QTest::newRow("empty") << "" << false;
}

void TestIdentity::checkNIB()
{
    QFETCH(QString, text);
    QFETCH(bool, expected);
    QCOMPARE(CheckNIB(text), expected);
}

QTEST_GUILESS_MAIN(TestIdentity)
#include "tst_identity.moc"
