// The program's pictures: every resource reads, a glyph that cannot be read
// leaves its name in the error context, glyphs go only to the buttons named
// after them, and date edits show the calendar.
#include "platform/globals.h"
#include "ui/common/pictures.h"

#include <QApplication>
#include <QDateEdit>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

class TestPictures : public QObject {
    Q_OBJECT
private slots:
    void init() { SetLastError({}, {}); }

    void everyResourceReads()
    {
        LoadBackgroundPicture();
        QCOMPARE(BackgroundPicture().size(), QSize(480, 275));
        LoadButtonGlyphs();
        QVERIFY(LastErrorPlace.isEmpty());
        QCOMPARE(ButtonGlyphNames().size(), 10);
        for (const QString &name : ButtonGlyphNames()) {
            const QPixmap glyph = ButtonGlyph(name);
            QVERIFY2(!glyph.isNull(), qPrintable(name));
            const int side = name.endsWith(QLatin1String("Small")) ? 16 : 24;
            QCOMPARE(glyph.size(), QSize(side, side));
        }
        for (int i = 0; i < MenuPictureCount; ++i)
            QVERIFY2(!MenuPicture(i).pixmap(16, 16).isNull(), qPrintable(QString::number(i)));
        QVERIFY(MenuPicture(-1).isNull());
        QVERIFY(MenuPicture(MenuPictureCount).isNull());
        for (int i : {0, 1, 4})
            QCOMPARE(EditorPicture(i).size(), QSize(16, 16));
        QVERIFY(EditorPicture(2).isNull());
        // The two dues marks must be told apart at a glance.
        QVERIFY(EditorPicture(0).toImage() != EditorPicture(1).toImage());
    }

    void glyphThatCannotBeReadStaysAbsent_data()
    {
        QTest::addColumn<QString>("broken");
        QTest::addColumn<bool>("damaged"); // else missing
        QTest::newRow("missing btnPrint") << "btnPrint" << false;
        QTest::newRow("damaged btnHelp") << "btnHelp" << true;
    }
    void glyphThatCannotBeReadStaysAbsent()
    {
        QFETCH(QString, broken);
        QFETCH(bool, damaged);
        QTemporaryDir dir;
        for (const QString &name : ButtonGlyphNames()) {
            if (name == broken && !damaged)
                continue;
            QFile out(dir.filePath(name + ".png"));
            QVERIFY(out.open(QIODevice::WriteOnly));
            if (name == broken)
                out.write("not a picture at all");
            else
                QVERIFY(QImage(":/pictures/" + name).save(&out, "PNG"));
        }
        LoadButtonGlyphs(dir.path());
        QCOMPARE(LastErrorPlace, QString("GetResourceAsBMP"));
        QCOMPARE(LastErrorDetail, "Impossivel carregar Stream.\r\n ResourceName: " + broken);
        QVERIFY(ButtonGlyph(broken).isNull());
        for (const QString &name : ButtonGlyphNames())
            if (name != broken)
                QVERIFY2(!ButtonGlyph(name).isNull(), qPrintable(name));

        // A window's button of that name keeps its own picture.
        QWidget window;
        auto *button = new QPushButton(&window);
        button->setObjectName(broken);
        QPixmap own(8, 8);
        own.fill(Qt::green);
        button->setIcon(QIcon(own));
        ApplyButtonGlyphs(&window);
        QCOMPARE(button->icon().availableSizes(), QList<QSize>{QSize(8, 8)});
        LoadButtonGlyphs();
    }

    void glyphsGoOnlyToButtonsOfTheirName()
    {
        LoadButtonGlyphs();
        QWidget window;
        auto *save = new QPushButton(&window);
        save->setObjectName("btnSave");
        auto *close = new QToolButton(&window);
        close->setObjectName("btnCloseSmall");
        auto *search = new QPushButton(&window);
        search->setObjectName("btnSearch");
        auto *undelete = new QToolButton(&window);
        undelete->setObjectName("btnUndelete");
        auto *other = new QPushButton(&window);
        other->setObjectName("btnSaveAll");
        QPixmap own(8, 8);
        own.fill(Qt::green);
        for (QAbstractButton *b : QList<QAbstractButton *>{search, undelete})
            b->setIcon(QIcon(own));

        ApplyButtonGlyphs(&window);
        QCOMPARE(save->icon().pixmap(24, 24).toImage(), ButtonGlyph("btnSave").toImage());
        QCOMPARE(save->iconSize(), QSize(24, 24));
        QCOMPARE(close->icon().pixmap(16, 16).toImage(), ButtonGlyph("btnCloseSmall").toImage());
        for (QAbstractButton *b : QList<QAbstractButton *>{search, undelete})
            QCOMPARE(b->icon().pixmap(8, 8).toImage(), own.toImage());
        QVERIFY(other->icon().isNull());
    }

    void dateEditShowsTheCalendar()
    {
        QDateEdit plain(QDate(2024, 5, 17));
        QDateEdit edit(QDate(2024, 5, 17));
        for (QDateEdit *e : {&plain, &edit})
            e->resize(140, 26);
        SetDateEditGlyph(&edit);
        QVERIFY(edit.calendarPopup());
        // The calendar's navy and its red day show in the button, which
        // the plain date edit has not.
        auto hasCalendarRed = [](QWidget &w) {
            const QImage img = w.grab().toImage();
            for (int y = 0; y < img.height(); ++y)
                for (int x = img.width() - 24; x < img.width(); ++x) {
                    const QColor c = img.pixelColor(x, y);
                    if (c.red() > 170 && c.green() < 90 && c.blue() < 90)
                        return true;
                }
            return false;
        };
        QVERIFY(hasCalendarRed(edit));
        QVERIFY(!hasCalendarRed(plain));
    }
};

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
