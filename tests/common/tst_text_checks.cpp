// Checks on typed texts, with either decimal separator of the system.
#include "platform/globals.h"
#include "ui/common/text_checks.h"

#include <QTest>

class TestTextChecks : public QObject {
    Q_OBJECT
private slots:
    void isNumberText_data();
    void isNumberText();
    void isAllDigits_data();
    void isAllDigits();
    void indexOfText();

private:
    QChar savedSep_ = DecimalSep;
};

void TestTextChecks::isNumberText_data()
{
    QTest::addColumn<QString>("sep");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("expected");

    for (const QString &sep : {QStringLiteral(","), QStringLiteral(".")}) {
        const QString other = sep == "," ? "." : ",";
        const QByteArray tag = sep == "," ? "comma: " : "point: ";
        QTest::newRow(tag + "twelve and a half") << sep << "12" + sep + "5" << true;
        QTest::newRow(tag + "whole") << sep << "125" << true;
        QTest::newRow(tag + "other separator") << sep << "12" + other + "5" << false;
        QTest::newRow(tag + "several separators") << sep << "1" + sep + "2" + sep + "3" << true;
        QTest::newRow(tag + "separator only") << sep << sep << true;
        QTest::newRow(tag + "minus") << sep << "-12" + sep + "5" << false;
        QTest::newRow(tag + "empty") << sep << "" << false;
        QTest::newRow(tag + "blank") << sep << "12 5" << false;
        QTest::newRow(tag + "letter") << sep << "12a" << false;
        QTest::newRow(tag + "euro") << sep << "12€" << false;
    }
}

void TestTextChecks::isNumberText()
{
    QFETCH(QString, sep);
    QFETCH(QString, text);
    QFETCH(bool, expected);
    DecimalSep = sep[0];
    const bool result = IsNumberText(text);
    DecimalSep = savedSep_;
    QCOMPARE(result, expected);
}

void TestTextChecks::isAllDigits_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("expected");
    QTest::newRow("digits") << "0123456789" << true;
    QTest::newRow("one") << "7" << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("separator") << "12,5" << false;
    QTest::newRow("blank") << "12 " << false;
    QTest::newRow("other script digit") << QString::fromUtf8("١٢") << false; // Arabic-Indic digits
    QTest::newRow("sign") << "+1" << false;
}

void TestTextChecks::isAllDigits()
{
    QFETCH(QString, text);
    QFETCH(bool, expected);
    QCOMPARE(IsAllDigits(text), expected);
}

void TestTextChecks::indexOfText()
{
    const QStringList names{"btnInsert", "btnSave", "btnCancel", "btnSave"};
    QCOMPARE(IndexOfText("btnSave", names), 1);
    QCOMPARE(IndexOfText("btnsave", names), -1);
    QCOMPARE(IndexOfText("", names), -1);
    QCOMPARE(IndexOfText("btnSave", {}), -1);
}

QTEST_GUILESS_MAIN(TestTextChecks)
#include "tst_text_checks.moc"
