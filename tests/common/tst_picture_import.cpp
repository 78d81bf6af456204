// Fitting pictures into a box and importing them as the JPEG of a record,
// with real files of every accepted format.
#include "platform/globals.h"
#include "platform/prompt/prompt.h"
#include "ui/common/picture_import.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString WrongExtension = QStringLiteral(
    "A imagem selecionada, tem uma extensão diferente da exigida.\r\nExtenções aceites:\r\n     .JPEG\r\n     .JPG\r\n"
    "     .BMP\r\n     .GIF\r\n     .PNG");

// A 400 × 200 picture: blue above, red below.
QImage testPicture()
{
    QImage img(400, 200, QImage::Format_RGB32);
    img.fill(QColor(30, 60, 200));
    for (int y = 100; y < 200; ++y)
        for (int x = 0; x < 400; ++x)
            img.setPixelColor(x, y, QColor(220, 30, 30));
    return img;
}

// Qt reads GIF but cannot write it: a GIF of the same kind, written by
// hand. Every pixel is a literal LZW code preceded by a clear code, so the
// code width never grows.
QByteArray gifPicture(int w, int h)
{
    QByteArray g("GIF89a");
    auto le16 = [&g](int v) {
        g.append(char(v & 0xff));
        g.append(char((v >> 8) & 0xff));
    };
    le16(w);
    le16(h);
    g.append(char(0x81)); // global colour table of 4 entries
    g.append(char(0));
    g.append(char(0));
    const unsigned char palette[12] = {30, 60, 200, 220, 30, 30, 255, 255, 255, 0, 0, 0};
    g.append(reinterpret_cast<const char *>(palette), 12);
    g.append(',');
    le16(0);
    le16(0);
    le16(w);
    le16(h);
    g.append(char(0));
    g.append(char(2)); // minimum code size

    QByteArray data;
    quint32 bits = 0;
    int count = 0;
    auto put = [&](int code) {
        bits |= quint32(code) << count;
        count += 3;
        while (count >= 8) {
            data.append(char(bits & 0xff));
            bits >>= 8;
            count -= 8;
        }
    };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            put(4);
            put(y < h / 2 ? 0 : 1);
        }
    put(5);
    if (count > 0)
        data.append(char(bits & 0xff));
    for (int i = 0; i < data.size(); i += 255) {
        const QByteArray block = data.mid(i, 255);
        g.append(char(block.size()));
        g.append(block);
    }
    g.append(char(0));
    g.append(';');
    return g;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

class TestPictureImport : public QObject {
    Q_OBJECT

    QTemporaryDir program_;
    QTemporaryDir sources_;

private slots:
    void initTestCase()
    {
        SetAppDir(program_.path());
        QVERIFY(QDir(program_.path()).mkpath("AppData"));
    }

    void fitPictureSize_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QSize>("box");
        QTest::addColumn<QSize>("fitted");
        QTest::newRow("wide logo") << QSize(400, 200) << QSize(110, 110) << QSize(110, 55);
        QTest::newRow("tall photo") << QSize(200, 400) << QSize(126, 170) << QSize(85, 170);
        QTest::newRow("square") << QSize(300, 300) << QSize(126, 170) << QSize(126, 126);
        QTest::newRow("wide, limited by height") << QSize(300, 200) << QSize(150, 50) << QSize(75, 50);
        QTest::newRow("tall, limited by width") << QSize(100, 400) << QSize(20, 170) << QSize(20, 80);
        QTest::newRow("small picture grows") << QSize(40, 20) << QSize(110, 110) << QSize(110, 55);
        QTest::newRow("wide half down to even") << QSize(4, 1) << QSize(10, 10) << QSize(10, 2);
        QTest::newRow("wide half up to even") << QSize(4, 1) << QSize(14, 10) << QSize(14, 4);
        QTest::newRow("tall half down to even") << QSize(1, 4) << QSize(10, 10) << QSize(2, 10);
        QTest::newRow("tall half up to even") << QSize(1, 4) << QSize(10, 14) << QSize(4, 14);
        QTest::newRow("no width") << QSize(0, 200) << QSize(110, 110) << QSize(110, 110);
        QTest::newRow("negative height") << QSize(200, -1) << QSize(126, 170) << QSize(126, 170);
    }
    void fitPictureSize()
    {
        QFETCH(QSize, picture);
        QFETCH(QSize, box);
        QFETCH(QSize, fitted);
        QCOMPARE(FitPictureSize(picture.width(), picture.height(), box.width(), box.height()), fitted);
    }

    void importsEveryAcceptedFormat_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("format"); // how the source is written
        QTest::addColumn<QString>("target");
        for (const char *name : {"logo.png", "logo.PNG", "logo.jpg", "logo.JPG", "logo.jpeg", "logo.JpEg", "logo.bmp",
                                 "logo.BMP", "logo.gif", "logo.GIF", "logo.Gif"}) {
            const QString file = QString::fromLatin1(name);
            QString format = QFileInfo(file).suffix().toLower();
            if (format == "jpeg")
                format = "jpg";
            QTest::newRow(name) << file << format << "AppData\\logotipos\\7";
        }
        QTest::newRow("png named .jpg") << "other.jpg" << "png" << "AppData/fotografias/12";
    }
    void importsEveryAcceptedFormat()
    {
        QFETCH(QString, fileName);
        QFETCH(QString, format);
        QFETCH(QString, target);
        const QString source = sources_.filePath(fileName);
        if (format == "gif")
            writeFile(source, gifPicture(400, 200));
        else
            QVERIFY(testPicture().save(source, format.toLatin1().constData()));
        QDir(program_.path() + "/AppData").removeRecursively();
        QVERIFY(QDir(program_.path()).mkpath("AppData"));

        prompt::Script script;
        std::unique_ptr<QBuffer> stream = ImportPicture(target, source, 110, 110);
        QVERIFY(script.shown().isEmpty());
        QVERIFY(stream);
        QCOMPARE(stream->pos(), 0);
        QImage bmp;
        QVERIFY(bmp.loadFromData(stream->data(), "BMP"));
        QCOMPARE(bmp.size(), QSize(110, 55));

        QString path = target;
        path.replace('\\', '/');
        const QString jpeg = program_.path() + "/" + path + ".jpg";
        QCOMPARE(PictureFile(target), jpeg);
        QImageReader reader(jpeg);
        QCOMPARE(reader.format(), QByteArray("jpeg"));
        const QImage stored = reader.read();
        QCOMPARE(stored.size(), QSize(110, 55));
        // Smooth scaling kept the two halves.
        const QColor top = stored.pixelColor(55, 10), bottom = stored.pixelColor(55, 45);
        QVERIFY2(top.blue() > 150 && top.red() < 80, qPrintable(top.name()));
        QVERIFY2(bottom.red() > 160 && bottom.blue() < 80, qPrintable(bottom.name()));
    }

    void refusesWhatIsNotAnAcceptedPicture_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("content"); // empty: a real PNG
        QTest::addColumn<bool>("extensionWarning");
        QByteArray png;
        {
            QBuffer b(&png);
            b.open(QIODevice::WriteOnly);
            testPicture().save(&b, "PNG");
        }
        QTest::newRow("tiff extension") << "photo.tif" << QByteArray() << true;
        QTest::newRow("no extension") << "photo" << QByteArray() << true;
        QTest::newRow("jpg.txt") << "photo.jpg.txt" << QByteArray() << true;
        QTest::newRow("text named .jpg") << "notes.jpg" << QByteArray("Lista de sócios\n") << false;
        QTest::newRow("truncated png") << "cut.png" << png.left(40) << false;
        QTest::newRow("empty gif") << "empty.gif" << QByteArray("GIF89a") << false;
    }
    void refusesWhatIsNotAnAcceptedPicture()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, content);
        QFETCH(bool, extensionWarning);
        const QString source = sources_.filePath(fileName);
        if (content.isEmpty())
            QVERIFY(testPicture().save(source, "PNG"));
        else
            writeFile(source, content);
        // An earlier photo stays as it was.
        const QString target = "AppData\\fotografias\\3";
        QVERIFY(QDir().mkpath(QFileInfo(PictureFile(target)).absolutePath()));
        writeFile(PictureFile(target), "earlier photo");

        prompt::Script script;
        QVERIFY(!ImportPicture(target, source, 126, 170));
        QCOMPARE(script.shown().size(), 1);
        QCOMPARE(script.shown()[0].kind, MsgKind::Warning);
        QCOMPARE(script.shown()[0].buttons, MsgButtons(mbOK));
        if (extensionWarning)
            QCOMPARE(script.shown()[0].text, WrongExtension);
        else
            QVERIFY2(script.shown()[0].text.startsWith("Impossível ler a imagem selecionada."),
                     qPrintable(script.shown()[0].text));
        QFile earlier(PictureFile(target));
        QVERIFY(earlier.open(QIODevice::ReadOnly));
        QCOMPARE(earlier.readAll(), QByteArray("earlier photo"));
    }

    void missingSourceGivesNothingSilently()
    {
        prompt::Script script;
        QVERIFY(!ImportPicture("AppData\\fotografias\\4", sources_.filePath("gone.png"), 126, 170));
        QVERIFY(!ImportPicture("AppData\\fotografias\\4", sources_.path(), 126, 170)); // a folder
        QVERIFY(script.shown().isEmpty());
        QVERIFY(!QFileInfo::exists(PictureFile("AppData\\fotografias\\4")));
    }

    void transparentPartsBecomeWhite()
    {
        QImage img(200, 400, QImage::Format_ARGB32);
        img.fill(Qt::transparent);
        const QString source = sources_.filePath("clear.png");
        QVERIFY(img.save(source));
        prompt::Script script;
        QVERIFY(ImportPicture("AppData/fotografias/5", source, 126, 170));
        const QImage stored(PictureFile("AppData/fotografias/5"));
        QCOMPARE(stored.size(), QSize(85, 170));
        QVERIFY(stored.pixelColor(40, 80).lightness() > 245);
    }

    void deletePicture()
    {
        const QString source = sources_.filePath("del.bmp");
        QVERIFY(testPicture().save(source));
        prompt::Script script;
        QVERIFY(ImportPicture("AppData\\fotografias\\9", source, 126, 170));
        QVERIFY(QFileInfo::exists(program_.path() + "/AppData/fotografias/9.jpg"));
        QVERIFY(DeletePicture("AppData\\fotografias\\9"));
        QVERIFY(!QFileInfo::exists(program_.path() + "/AppData/fotografias/9.jpg"));
        QVERIFY(!DeletePicture("AppData\\fotografias\\9"));

        // Without the data folder nothing is deleted.
        QTemporaryDir other;
        SetAppDir(other.path());
        QVERIFY(QDir(other.path()).mkpath("x"));
        writeFile(other.path() + "/x/1.jpg", "x");
        QVERIFY(!DeletePicture("x/1"));
        QVERIFY(QFileInfo::exists(other.path() + "/x/1.jpg"));
        SetAppDir(program_.path());
    }
};

QTEST_MAIN(TestPictureImport)
#include "tst_picture_import.moc"
