// The real message box: titles and captions, the button pressed as result,
// closing without a button, and the band the buttons sit on.
#include "platform/prompt/prompt.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

Q_DECLARE_METATYPE(MsgKind)

namespace {

// Shows the box and, once it runs modally, hands it to act.
MsgButton showAndAct(MsgKind kind, const QString &text, MsgButtons buttons, std::function<void(QDialog *)> act)
{
    auto *poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
        auto *box = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!box)
            return;
        poll->stop();
        poll->deleteLater();
        act(box);
    });
    poll->start();
    return prompt::ShowMessageBox(ShownMessage{kind, text, buttons});
}

QStringList captions(QDialog *box)
{
    QStringList out;
    QList<QPushButton *> buttons = box->findChildren<QPushButton *>();
    std::sort(buttons.begin(), buttons.end(), [](QPushButton *a, QPushButton *b) { return a->x() < b->x(); });
    for (QPushButton *b : buttons)
        out << b->text();
    return out;
}

QPushButton *buttonWithCaption(QDialog *box, const QString &caption)
{
    for (QPushButton *b : box->findChildren<QPushButton *>())
        if (b->text() == caption)
            return b;
    return nullptr;
}

} // namespace

class TestMessageBox : public QObject {
    Q_OBJECT
private slots:
    void titleCaptionsAndResult_data();
    void titleCaptionsAndResult();
    void closingCountsAsCancel_data();
    void closingCountsAsCancel();
    void buttonsSitCentredOnTheBand();
    void wideButtonsGrowTheBox();
    void textShownWithLineBreaks();
};

void TestMessageBox::titleCaptionsAndResult_data()
{
    QTest::addColumn<MsgKind>("kind");
    QTest::addColumn<unsigned>("buttons");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QString>("click");
    QTest::addColumn<unsigned>("result");

    QTest::newRow("warning OK") << MsgKind::Warning << unsigned(mbOK) << "Cuidado" << QStringList{"&OK"} << "&OK"
                                << unsigned(mbOK);
    QTest::newRow("error OK") << MsgKind::Error << unsigned(mbOK) << "Erro" << QStringList{"&OK"} << "&OK"
                              << unsigned(mbOK);
    QTest::newRow("information OK") << MsgKind::Information << unsigned(mbOK) << "Informação"
                                    << QStringList{"&OK"} << "&OK" << unsigned(mbOK);
    QTest::newRow("confirm Yes No: Yes") << MsgKind::Confirmation << unsigned(mbYes | mbNo) << "Confirmar"
                                         << QStringList{"&Sim", "&Não"} << "&Sim" << unsigned(mbYes);
    QTest::newRow("confirm Yes No: No") << MsgKind::Confirmation << unsigned(mbYes | mbNo) << "Confirmar"
                                        << QStringList{"&Sim", "&Não"} << "&Não" << unsigned(mbNo);
    QTest::newRow("confirm Yes Cancel: Cancel")
        << MsgKind::Confirmation << unsigned(mbYes | mbCancel) << "Confirmar" << QStringList{"&Sim", "&Cancelar"}
        << "&Cancelar" << unsigned(mbCancel);
    QTest::newRow("abort retry ignore") << MsgKind::Error << unsigned(mbAbort | mbRetry | mbIgnore) << "Erro"
                                        << QStringList{"A&bortar", "&Repetir", "&Ignorar"} << "&Repetir"
                                        << unsigned(mbRetry);
    QTest::newRow("every button")
        << MsgKind::Confirmation << unsigned(0x7FF) << "Confirmar"
        << QStringList{"&Sim",    "&Não",         "&OK",          "&Cancelar", "A&bortar", "&Repetir",
                       "&Ignorar", "&Todos", "Não a To&dos", "S&im a Todos", "&Ajuda"}
        << "S&im a Todos" << unsigned(mbYesToAll);
    QTest::newRow("help") << MsgKind::Information << unsigned(mbOK | mbHelp) << "Informação"
                          << QStringList{"&OK", "&Ajuda"} << "&Ajuda" << unsigned(mbHelp);
}

void TestMessageBox::titleCaptionsAndResult()
{
    QFETCH(MsgKind, kind);
    QFETCH(unsigned, buttons);
    QFETCH(QString, title);
    QFETCH(QStringList, captions);
    QFETCH(QString, click);
    QFETCH(unsigned, result);

    QString seenTitle;
    QStringList seenCaptions;
    bool clicked = false;
    const MsgButton answer = showAndAct(kind, "Texto", buttons, [&](QDialog *box) {
        seenTitle = box->windowTitle();
        seenCaptions = ::captions(box);
        if (QPushButton *b = buttonWithCaption(box, click)) {
            clicked = true;
            b->click();
        } else {
            box->reject();
        }
    });
    QCOMPARE(seenTitle, title);
    QCOMPARE(seenCaptions, captions);
    QVERIFY(clicked);
    QCOMPARE(unsigned(answer), result);
}

void TestMessageBox::closingCountsAsCancel_data()
{
    QTest::addColumn<unsigned>("buttons");
    QTest::addColumn<bool>("escape"); // Escape key, else the close button
    QTest::newRow("Yes Cancel closed") << unsigned(mbYes | mbCancel) << false;
    QTest::newRow("Yes Cancel escape") << unsigned(mbYes | mbCancel) << true;
    QTest::newRow("Yes No closed") << unsigned(mbYes | mbNo) << false;
    QTest::newRow("OK closed") << unsigned(mbOK) << false;
}

void TestMessageBox::closingCountsAsCancel()
{
    QFETCH(unsigned, buttons);
    QFETCH(bool, escape);
    const MsgButton answer = showAndAct(MsgKind::Confirmation, "Apagar?", buttons, [escape](QDialog *box) {
        if (escape)
            QTest::keyClick(box, Qt::Key_Escape);
        else
            box->close(); // what the title bar's close button does
    });
    QCOMPARE(answer, mbCancel);
}

void TestMessageBox::buttonsSitCentredOnTheBand()
{
    showAndAct(MsgKind::Confirmation, "Deseja continuar?", mbYes | mbNo, [](QDialog *box) {
        QWidget *band = box->findChild<QWidget *>("pnlButtons");
        QVERIFY(band);
        QCOMPARE(band->height(), 35);
        QCOMPARE(band->geometry().bottom(), box->rect().bottom());
        const QImage shot = box->grab().toImage();
        const QPoint inBand = band->geometry().topLeft() + QPoint(3, 3);
        QCOMPARE(QColor(shot.pixel(inBand)), QColor(195, 218, 249));
        QCOMPARE(QColor(shot.pixel(band->geometry().topLeft() + QPoint(0, 10))), QColor(117, 162, 210));
        QCOMPARE(QColor(shot.pixel(3, 3)), QColor(Qt::white));
        const QList<QPushButton *> buttons = band->findChildren<QPushButton *>();
        QCOMPARE(buttons.size(), 2);
        int left = band->width(), right = 0;
        for (QPushButton *b : buttons) {
            QCOMPARE(b->y(), 35 / 2 - 12);
            QVERIFY(b->geometry().bottom() < band->height());
            left = qMin(left, b->x());
            right = qMax(right, b->geometry().right());
        }
        QVERIFY(qAbs(left - (band->width() - 1 - right)) <= 1);
        box->reject();
    });
}

void TestMessageBox::wideButtonsGrowTheBox()
{
    int normal = 0, wide = 0, plainBox = 0, wideBox = 0;
    showAndAct(MsgKind::Confirmation, "?", mbYes | mbNo | mbAll | mbCancel | mbOK, [&](QDialog *box) {
        normal = buttonWithCaption(box, "&Todos")->width();
        plainBox = box->width();
        box->reject();
    });
    showAndAct(MsgKind::Confirmation, "?", mbYes | mbNo | mbNoToAll | mbYesToAll | mbHelp, [&](QDialog *box) {
        wide = buttonWithCaption(box, "S&im a Todos")->width();
        QCOMPARE(buttonWithCaption(box, "Não a To&dos")->width(), wide);
        QVERIFY(buttonWithCaption(box, "&Ajuda")->x() > buttonWithCaption(box, "S&im a Todos")->x());
        wideBox = box->width();
        box->reject();
    });
    QCOMPARE(wide, normal + 20);
    QCOMPARE(wideBox, plainBox + 40);
}

void TestMessageBox::textShownWithLineBreaks()
{
    showAndAct(MsgKind::Warning, "Impossivel guardar!\r\nO campo: \"Nome\" encontra-se vazio!", mbOK,
               [](QDialog *box) {
                   auto *label = box->findChild<QLabel *>("lblMessage");
                   QVERIFY(label);
                   QCOMPARE(label->text(), QString("Impossivel guardar!\nO campo: \"Nome\" encontra-se vazio!"));
                   QVERIFY(label->width() >= label->sizeHint().width());
                   box->accept();
               });
}

QTEST_MAIN(TestMessageBox)
#include "tst_message_box.moc"
