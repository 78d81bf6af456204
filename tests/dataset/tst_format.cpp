// Field formats: Delphi number formats with either decimal separator, edit
// masks as Qt input masks, and amounts typed by users.
#include "platform/dataset/format.h"

#include <QLineEdit>
#include <QTest>

class TestFormat : public QObject {
    Q_OBJECT
private slots:
    void formatFloat_data();
    void formatFloat();
    void maskToQt_data();
    void maskToQt();
    void maskAcceptsWhatDelphiDid_data();
    void maskAcceptsWhatDelphiDid();
    void parseAmount_data();
    void parseAmount();
};

void TestFormat::formatFloat_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("comma"); // with ',' as decimal separator
    QTest::addColumn<QString>("point"); // with '.'

    QTest::newRow("euro") << "0.00 €" << 12.5 << "12,50 €" << "12.50 €";
    QTest::newRow("euro zero") << "0.00 €" << 0.0 << "0,00 €" << "0.00 €";
    QTest::newRow("euro negative") << "0.00 €" << -3.2 << "-3,20 €" << "-3.20 €";
    QTest::newRow("euro tiny negative is zero") << "0.00 €" << -0.001 << "0,00 €" << "0.00 €";
    QTest::newRow("half up") << "0.00" << 2.675 << "2,68" << "2.68";
    QTest::newRow("half away from zero") << "0.00" << -2.675 << "-2,68" << "-2.68";
    QTest::newRow("half at units") << "0" << 2.5 << "3" << "3";
    QTest::newRow("half at units negative") << "0" << -2.5 << "-3" << "-3";
    QTest::newRow("below half") << "0" << 2.4999 << "2" << "2";
    QTest::newRow("carry through nines") << "0.00" << 9.995 << "10,00" << "10.00";
    QTest::newRow("carry into new digit") << "0.0" << 99.96 << "100,0" << "100.0";
    QTest::newRow("sixty cents") << "0.00" << 0.6 << "0,60" << "0.60";
    QTest::newRow("small rounds up") << "0.00" << 0.005 << "0,01" << "0.01";
    QTest::newRow("small rounds down") << "0.00" << 0.004 << "0,00" << "0.00";
    QTest::newRow("far below the kept places") << "0.0" << 0.0004 << "0,0" << "0.0";
    QTest::newRow("percent one") << "0.0 %" << 12.345 << "12,3 %" << "12.3 %";
    QTest::newRow("percent two") << "0.00 %" << 7.0 << "7,00 %" << "7.00 %";
    QTest::newRow("plain one") << "0.0" << 1234.56 << "1234,6" << "1234.6";
    QTest::newRow("whole") << "0" << 1234.56 << "1235" << "1235";
    QTest::newRow("large") << "0.00 €" << 1234567.891 << "1234567,89 €" << "1234567.89 €";
    QTest::newRow("grouping") << "#,##0.00" << 1234567.891 << "1.234.567,89" << "1,234,567.89";
    QTest::newRow("grouping small") << "#,##0.00" << 12.0 << "12,00" << "12.00";
    QTest::newRow("optional decimals") << "0.##" << 2.5 << "2,5" << "2.5";
    QTest::newRow("optional decimals whole") << "0.##" << 2.0 << "2" << "2";
    QTest::newRow("optional integer") << "#.00" << 0.5 << ",50" << ".50";
    QTest::newRow("minimum integer digits") << "000" << 7.0 << "007" << "007";
    QTest::newRow("prefix") << "€ 0.00" << 1.0 << "€ 1,00" << "€ 1.00";
    QTest::newRow("quoted literal") << "0.00 'EUR'" << 1.0 << "1,00 EUR" << "1.00 EUR";
    QTest::newRow("sections: first used") << "0.00;(0.00)" << 1.0 << "1,00" << "1.00";
}

void TestFormat::formatFloat()
{
    QFETCH(QString, format);
    QFETCH(double, value);
    QFETCH(QString, comma);
    QFETCH(QString, point);
    QCOMPARE(FormatFloat(format, value, QLatin1Char(',')), comma);
    QCOMPARE(FormatFloat(format, value, QLatin1Char('.')), point);
}

void TestFormat::maskToQt_data()
{
    QTest::addColumn<QString>("delphi");
    QTest::addColumn<QString>("qt");

    QTest::newRow("date") << "!99/99/0000;1;_" << "00/00/9999;_";
    QTest::newRow("nine digits") << "999999999" << "000000000;_";
    QTest::newRow("postal code") << "0000-999" << "9999-000;_";
    QTest::newRow("NIB") << QString(21, QLatin1Char('9')) << QString(21, QLatin1Char('0')) + ";_";
    QTest::newRow("literals not saved") << "0000-999;0;_" << "9999-000;_";
    QTest::newRow("other blank") << "99:99;1;#" << "00:00;#";
    QTest::newRow("Qt meta literal escaped") << "9h9" << "0\\h0;_";
    QTest::newRow("Delphi escaped literal") << "\\99" << "\\90;_";
    QTest::newRow("letters") << ">LL<ll" << ">AA<aa;_";
    QTest::newRow("empty") << "" << "";
}

void TestFormat::maskToQt()
{
    QFETCH(QString, delphi);
    QFETCH(QString, qt);
    QCOMPARE(DelphiMaskToQt(delphi), qt);
}

// The translated masks in a real edit: what is typed comes out as Delphi
// kept it.
void TestFormat::maskAcceptsWhatDelphiDid_data()
{
    QTest::addColumn<QString>("delphi");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("complete");

    QTest::newRow("date complete") << "!99/99/0000;1;_" << "05122026" << "05/12/2026" << true;
    QTest::newRow("date year missing") << "!99/99/0000;1;_" << "0512" << "05/12/" << false;
    QTest::newRow("postal code") << "0000-999" << "4700123" << "4700-123" << true;
    QTest::newRow("postal code short") << "0000-999" << "470" << "470-" << false;
    QTest::newRow("phone partly typed") << "999999999" << "912" << "912" << true;
    QTest::newRow("phone refuses letters") << "999999999" << "9a1" << "91" << true;
}

void TestFormat::maskAcceptsWhatDelphiDid()
{
    QFETCH(QString, delphi);
    QFETCH(QString, typed);
    QFETCH(QString, text);
    QFETCH(bool, complete);
    QLineEdit edit;
    edit.setInputMask(DelphiMaskToQt(delphi));
    edit.setCursorPosition(0);
    QTest::keyClicks(&edit, typed);
    QCOMPARE(edit.text(), text);
    QCOMPARE(edit.hasAcceptableInput(), complete);
}

void TestFormat::parseAmount_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<double>("value");

    QTest::newRow("comma") << "12,50" << true << 12.5;
    QTest::newRow("point") << "12.50" << true << 12.5;
    QTest::newRow("euro suffix") << "12,50 €" << true << 12.5;
    QTest::newRow("euro prefix no blank") << "€12.5" << true << 12.5;
    QTest::newRow("blanks around") << "  7  " << true << 7.0;
    QTest::newRow("whole") << "30" << true << 30.0;
    QTest::newRow("leading mark") << ",5" << true << 0.5;
    QTest::newRow("trailing mark") << "5," << true << 5.0;
    QTest::newRow("negative") << "-2,5" << true << -2.5;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("euro only") << "€" << false << 0.0;
    QTest::newRow("mark only") << "," << false << 0.0;
    QTest::newRow("two marks") << "1.234,56" << false << 0.0;
    QTest::newRow("letters") << "12a" << false << 0.0;
    QTest::newRow("word") << "doze" << false << 0.0;
    QTest::newRow("exponent") << "1e3" << false << 0.0;
    QTest::newRow("sign inside") << "1-2" << false << 0.0;
    QTest::newRow("other currency") << "12 $" << false << 0.0;
}

void TestFormat::parseAmount()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(double, value);
    double parsed = -999;
    QCOMPARE(ParseAmount(text, &parsed), ok);
    QCOMPARE(parsed, ok ? value : -999.0);
}

QTEST_MAIN(TestFormat)
#include "tst_format.moc"
