#include "ui/common/picture_import.h"

#include "platform/globals.h"
#include "platform/prompt/prompt.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>

#include <cmath>

namespace {

// Rounds to the nearest whole number, halves to even (the default
// floating-point rounding mode).
int roundEven(double v) { return int(std::nearbyint(v)); }

const QStringList AcceptedExtensions{QStringLiteral("gif"), QStringLiteral("png"), QStringLiteral("jpg"),
                                     QStringLiteral("jpeg"), QStringLiteral("bmp")};

void warn(const QString &text) { ShowMessageDialog(text, MsgKind::Warning, mbOK); }

} // namespace

QSize FitPictureSize(int w, int h, int maxW, int maxH)
{
    if (w <= 0 || h <= 0)
        return {maxW, maxH};
    const double r = double(w) / double(h);
    if (w > h) {
        const int e = roundEven(maxW / r);
        return e > maxH ? QSize(roundEven(maxH * r), maxH) : QSize(maxW, e);
    }
    const int e = roundEven(maxH * r);
    return e > maxW ? QSize(maxW, roundEven(maxW / r)) : QSize(e, maxH);
}

QString PictureFile(const QString &target)
{
    QString relative = target;
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return AppDir() + relative + QStringLiteral(".jpg");
}

std::unique_ptr<QBuffer> ImportPicture(const QString &target, const QString &source, int maxW, int maxH)
{
    const QFileInfo info(source);
    if (!info.isFile())
        return nullptr;
    if (!AcceptedExtensions.contains(info.suffix().toLower())) {
        warn(QStringLiteral("A imagem selecionada, tem uma extensão diferente da exigida.\r\nExtenções aceites:\r\n"
                            "     .JPEG\r\n     .JPG\r\n     .BMP\r\n     .GIF\r\n     .PNG"));
        return nullptr;
    }

    // The content decides the decoder, so a picture whose extension names
    // another accepted format still reads.
    QImageReader reader(source);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    const QImage original = reader.read();
    if (original.isNull() || original.width() <= 0 || original.height() <= 0) {
        warn(QStringLiteral("Impossível ler a imagem selecionada.\r\n"
                            "O ficheiro encontra-se danificado ou não é uma imagem:\r\n") +
             QDir::toNativeSeparators(source));
        return nullptr;
    }

    const QSize size = FitPictureSize(original.width(), original.height(), maxW, maxH);
    const QImage smooth = original.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    // JPEG keeps no transparency: lay the picture on white, as it is shown.
    QImage fitted(size, QImage::Format_RGB32);
    fitted.fill(Qt::white);
    {
        QPainter p(&fitted);
        p.drawImage(0, 0, smooth);
    }

    auto stream = std::make_unique<QBuffer>();
    stream->open(QIODevice::ReadWrite);
    fitted.save(stream.get(), "BMP");
    stream->seek(0);

    // Written beside the old file and renamed over it only when complete.
    const QString file = PictureFile(target);
    QDir().mkpath(QFileInfo(file).absolutePath());
    QSaveFile out(file);
    bool written = out.open(QIODevice::WriteOnly);
    if (written) {
        QImageWriter writer(&out, "JPEG");
        writer.setQuality(90);
        written = writer.write(fitted) && out.commit();
    }
    if (!written) {
        warn(QStringLiteral("Impossível guardar a imagem no ficheiro:\r\n") + QDir::toNativeSeparators(file));
        return nullptr;
    }
    return stream;
}

bool DeletePicture(const QString &target)
{
    const QString file = PictureFile(target);
    if (!QDir(AppDir() + QStringLiteral("AppData")).exists() || !QFileInfo(file).isFile())
        return false;
    return QFile::remove(file);
}
