// The option choice and the value prompt, as a user works them.
#include "ui/common/message_radio.h"
#include "ui/common/message_valor.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

QStringList someOptions(int count)
{
    QStringList out;
    for (int i = 0; i < count; ++i)
        out << QString("Opção %1").arg(i + 1);
    return out;
}

QString labelText(QWidget &w, const char *name) { return w.findChild<QLabel *>(name)->text(); }

} // namespace

class TestPromptWindows : public QObject {
    Q_OBJECT
private slots:
    void optionsShowAsGroupOrDropDown_data()
    {
        QTest::addColumn<int>("count");
        QTest::newRow("1") << 1;
        QTest::newRow("3") << 3;
        QTest::newRow("5: the group") << 5;
        QTest::newRow("6: the drop-down list") << 6;
        QTest::newRow("12") << 12;
    }
    void optionsShowAsGroupOrDropDown()
    {
        QFETCH(int, count);
        TfmMessageRadio w;
        w.options = someOptions(count);
        w.show();
        QCOMPARE(w.size(), QSize(480, 275));
        QVERIFY(w.windowFlags() & Qt::FramelessWindowHint);
        auto *group = w.findChild<QGroupBox *>("rdgOptions");
        auto *combo = w.findChild<QComboBox *>("cbxOptions");
        if (count <= 5) {
            QVERIFY(group && !combo);
            QCOMPARE(group->geometry(), QRect(35, 96, 410, 129));
            const QList<QRadioButton *> radios = group->findChildren<QRadioButton *>();
            QCOMPARE(radios.size(), count);
            for (int i = 0; i < count; ++i) {
                QCOMPARE(radios[i]->text(), w.options[i]);
                QCOMPARE(radios[i]->isChecked(), i == 0);
                // Every option is shown whole inside the group.
                QVERIFY(group->rect().contains(radios[i]->geometry()));
            }
        } else {
            QVERIFY(combo && !group);
            QCOMPARE(combo->geometry().topLeft(), QPoint(35, 96 + 129 / 2));
            QCOMPARE(combo->width(), 410);
            QVERIFY(!combo->isEditable());
            QCOMPARE(combo->count(), count);
            QCOMPARE(combo->currentIndex(), 0);
            QCOMPARE(combo->itemData(count - 1, Qt::SizeHintRole).toSize().height(), 18);
            QVERIFY(combo->geometry().bottom() < w.findChild<QPushButton *>("btnOK")->y());
        }
    }

    void textsOfBothPrompts()
    {
        TfmMessageRadio radio;
        QCOMPARE(radio.windowTitle(), QString("Escolha uma das seguintes opções..."));
        QCOMPARE(labelText(radio, "lblTitle"), QString("Tesselmar - Janela de Selecção"));
        QCOMPARE(labelText(radio, "lblLine"), QString("Escolha da lista abaixo a opção desejada."));
        TfmMessageValor valor;
        QCOMPARE(valor.windowTitle(), QString("Introduza um valor..."));
        QCOMPARE(labelText(valor, "lblTitle"), QString("Tesselmar - Janela de Introdução de Valores"));
        QCOMPARE(labelText(valor, "lblLine"), QString("Introduza um valor na caixa abaixo."));
        for (QDialog *d : QList<QDialog *>{&radio, &valor}) {
            QCOMPARE(d->findChild<QPushButton *>("btnOK")->text(), QString("OK"));
            QCOMPARE(d->findChild<QPushButton *>("btnCancel")->text(), QString("Cancelar"));
        }
    }

    void chosenOptionIsTheResult_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("pick");
        QTest::addColumn<bool>("byEnter");
        QTest::newRow("group, first by OK") << 3 << 0 << false;
        QTest::newRow("group, last by OK") << 5 << 4 << false;
        QTest::newRow("group, by Enter") << 4 << 2 << true;
        QTest::newRow("drop-down by OK") << 6 << 5 << false;
        QTest::newRow("drop-down by Enter") << 9 << 7 << true;
    }
    void chosenOptionIsTheResult()
    {
        QFETCH(int, count);
        QFETCH(int, pick);
        QFETCH(bool, byEnter);
        TfmMessageRadio w;
        w.options = someOptions(count);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QWidget *target = nullptr;
        if (auto *combo = w.findChild<QComboBox *>("cbxOptions")) {
            combo->setCurrentIndex(pick);
            target = combo;
        } else {
            auto *radio = w.findChildren<QRadioButton *>()[pick];
            // On the option's mark, where a user clicks.
            QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(8, radio->height() / 2));
            QVERIFY(radio->isChecked());
            target = radio;
        }
        if (byEnter) {
            target->setFocus();
            QTest::keyClick(target, Qt::Key_Return);
        } else {
            QTest::mouseClick(w.findChild<QPushButton *>("btnOK"), Qt::LeftButton);
        }
        QCOMPARE(w.result(), int(QDialog::Accepted));
        QCOMPARE(w.chosenIndex(), pick);
        QCOMPARE(w.chosenText(), QString("Opção %1").arg(pick + 1));
    }

    void cancelChoosesNothing()
    {
        TfmMessageRadio w;
        w.options = someOptions(7);
        w.show();
        QTest::mouseClick(w.findChild<QPushButton *>("btnCancel"), Qt::LeftButton);
        QCOMPARE(w.result(), int(QDialog::Rejected));
        QCOMPARE(w.chosenIndex(), -1);
        QCOMPARE(w.chosenText(), QString());
    }

    void valueIsTypedAndConfirmed_data()
    {
        QTest::addColumn<QString>("initial");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("value");
        QTest::newRow("typing replaces the given value") << "12,50" << "7.5" << "7.5";
        QTest::newRow("given value kept") << "12,50" << "" << "12,50";
        QTest::newRow("at most 80 characters") << "" << QString(100, 'x') << QString(80, 'x');
    }
    void valueIsTypedAndConfirmed()
    {
        QFETCH(QString, initial);
        QFETCH(QString, typed);
        QFETCH(QString, value);
        TfmMessageValor w;
        w.setValue(initial);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QLineEdit *edit = w.findChild<QLineEdit *>("edtValue");
        QTRY_VERIFY(edit->hasFocus());
        QTest::keyClicks(edit, typed);
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(w.result(), int(QDialog::Accepted));
        QVERIFY(!w.isVisible());
        QCOMPARE(w.value(), value);
    }

    void valueCancelled()
    {
        TfmMessageValor w;
        w.setValue("3");
        w.show();
        QTest::mouseClick(w.findChild<QPushButton *>("btnCancel"), Qt::LeftButton);
        QCOMPARE(w.result(), int(QDialog::Rejected));
    }
};

QTEST_MAIN(TestPromptWindows)
#include "tst_prompt_windows.moc"
