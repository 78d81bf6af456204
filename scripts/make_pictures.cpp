// Draws the program's own pictures (button glyphs, menu pictures, the dues
// board marks, the calendar and the background wallpaper) as PNG files.
// Run once by hand; only the PNG files are part of the build:
//
//   g++ -std=c++20 -fPIC scripts/make_pictures.cpp -o /tmp/make_pictures $(pkg-config --cflags --libs Qt6Gui)
//   QT_QPA_PLATFORM=offscreen /tmp/make_pictures src/ui/common/pictures
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <cstdio>
#include <functional>

namespace {

// The program's blues and a few accents, used by every picture.
const QColor Light(195, 218, 249);
const QColor Mid(117, 162, 210);
const QColor Navy(24, 44, 112);
const QColor Paper(252, 253, 255);
const QColor Green(52, 150, 72);
const QColor Red(200, 52, 52);
const QColor Gold(232, 178, 60);

QString outDir;

void save(const QString &name, int w, int h, const std::function<void(QPainter &)> &draw)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    p.end();
    if (!img.save(outDir + QLatin1Char('/') + name + QStringLiteral(".png")))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(name));
}

QPen pen(const QColor &c, qreal w = 1.0)
{
    QPen p(c, w);
    p.setJoinStyle(Qt::RoundJoin);
    p.setCapStyle(Qt::RoundCap);
    return p;
}

// A sheet of paper with a folded corner, in a box of the given size.
void sheet(QPainter &p, QRectF r, qreal fold)
{
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - fold, r.top());
    path.lineTo(r.right(), r.top() + fold);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setPen(pen(Navy, 1.2));
    p.setBrush(Paper);
    p.drawPath(path);
    QPainterPath corner;
    corner.moveTo(r.right() - fold, r.top());
    corner.lineTo(r.right() - fold, r.top() + fold);
    corner.lineTo(r.right(), r.top() + fold);
    p.setBrush(Light);
    p.drawPath(corner);
}

void textLines(QPainter &p, qreal x0, qreal x1, qreal y, int count, qreal step, const QColor &c = Mid)
{
    p.setPen(pen(c, 1.2));
    for (int i = 0; i < count; ++i)
        p.drawLine(QPointF(x0, y + i * step), QPointF(x1, y + i * step));
}

// A round badge with a sign inside (plus, minus or cross), lower right.
void badge(QPainter &p, QPointF c, qreal radius, const QColor &fill, char sign)
{
    p.setPen(pen(Qt::white, 1.2));
    p.setBrush(fill);
    p.drawEllipse(c, radius, radius);
    p.setPen(pen(Qt::white, 1.8));
    const qreal a = radius * 0.5;
    if (sign == '+' || sign == '-')
        p.drawLine(QPointF(c.x() - a, c.y()), QPointF(c.x() + a, c.y()));
    if (sign == '+')
        p.drawLine(QPointF(c.x(), c.y() - a), QPointF(c.x(), c.y() + a));
    if (sign == 'x') {
        p.drawLine(QPointF(c.x() - a, c.y() - a), QPointF(c.x() + a, c.y() + a));
        p.drawLine(QPointF(c.x() + a, c.y() - a), QPointF(c.x() - a, c.y() + a));
    }
}

void cross(QPainter &p, QRectF r, const QColor &c, qreal w)
{
    p.setPen(pen(c, w));
    p.drawLine(r.topLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomLeft());
}

void magnifier(QPainter &p, QPointF c, qreal radius, qreal handle)
{
    p.setPen(pen(Navy, 2.4));
    const qreal d = radius * 0.7071;
    p.drawLine(QPointF(c.x() + d, c.y() + d), QPointF(c.x() + d + handle, c.y() + d + handle));
    p.setPen(pen(Navy, 1.5));
    QRadialGradient g(c - QPointF(radius / 3, radius / 3), radius * 1.4);
    g.setColorAt(0, Qt::white);
    g.setColorAt(1, Light);
    p.setBrush(g);
    p.drawEllipse(c, radius, radius);
}

void calendar(QPainter &p, QRectF r)
{
    p.setPen(pen(Navy, 1.0));
    p.setBrush(Paper);
    p.drawRoundedRect(r, 1.5, 1.5);
    const qreal head = r.height() * 0.3;
    QRectF top(r.left(), r.top(), r.width(), head);
    p.setBrush(Mid);
    p.drawRoundedRect(top, 1.5, 1.5);
    // The day grid: 3 × 2 small squares.
    p.setPen(Qt::NoPen);
    p.setBrush(Navy);
    const qreal cw = (r.width() - 4) / 3.0;
    const qreal ch = (r.height() - head - 3) / 2.0;
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 3; ++col) {
            if (row == 1 && col == 2) {
                p.setBrush(Red);
            }
            p.drawRect(QRectF(r.left() + 2 + col * cw + 0.5, r.top() + head + 1.5 + row * ch + 0.5, cw - 1.5,
                              ch - 1.5));
            p.setBrush(Navy);
        }
    // The rings holding the pages.
    p.setPen(pen(Navy, 1.2));
    p.drawLine(QPointF(r.left() + r.width() * 0.3, r.top() - 1), QPointF(r.left() + r.width() * 0.3, r.top() + 2));
    p.drawLine(QPointF(r.left() + r.width() * 0.7, r.top() - 1), QPointF(r.left() + r.width() * 0.7, r.top() + 2));
}

void folder(QPainter &p, bool open)
{
    p.setPen(pen(Navy, 1.0));
    p.setBrush(Mid);
    QPainterPath back;
    back.moveTo(1.5, 3.5);
    back.lineTo(6, 3.5);
    back.lineTo(7.5, 5);
    back.lineTo(14.5, 5);
    back.lineTo(14.5, 13.5);
    back.lineTo(1.5, 13.5);
    back.closeSubpath();
    p.drawPath(back);
    p.setBrush(Light);
    if (open) {
        QPolygonF front{{3.5, 7.5}, {15.5, 7.5}, {13.5, 13.5}, {1.5, 13.5}};
        p.drawPolygon(front);
    } else {
        p.drawRect(QRectF(1.5, 6.5, 13, 7));
    }
}

void person(QPainter &p, QPointF head, qreal s, const QColor &body)
{
    p.setPen(pen(Navy, 1.0));
    p.setBrush(body);
    QPainterPath torso;
    torso.moveTo(head.x() - 3.8 * s, head.y() + 8.5 * s);
    torso.cubicTo(head.x() - 3.8 * s, head.y() + 3.2 * s, head.x() + 3.8 * s, head.y() + 3.2 * s,
                  head.x() + 3.8 * s, head.y() + 8.5 * s);
    torso.closeSubpath();
    p.drawPath(torso);
    p.setBrush(QColor(246, 214, 182));
    p.drawEllipse(head + QPointF(0, 0.5 * s), 2.2 * s, 2.2 * s);
}

void buttons()
{
    save("btnInsert", 24, 24, [](QPainter &p) {
        sheet(p, QRectF(3.5, 2.5, 14, 18), 4);
        textLines(p, 6.5, 14, 9.5, 3, 3);
        badge(p, QPointF(17.5, 17.5), 5.5, Green, '+');
    });
    save("btnSave", 24, 24, [](QPainter &p) {
        // A floppy disk: navy body, light label, shutter on top.
        QPainterPath body;
        body.moveTo(2.5, 2.5);
        body.lineTo(18.5, 2.5);
        body.lineTo(21.5, 5.5);
        body.lineTo(21.5, 21.5);
        body.lineTo(2.5, 21.5);
        body.closeSubpath();
        p.setPen(pen(Navy, 1.2));
        p.setBrush(Mid);
        p.drawPath(body);
        p.setBrush(Paper);
        p.drawRect(QRectF(6.5, 2.5, 11, 7));
        p.setBrush(Navy);
        p.setPen(Qt::NoPen);
        p.drawRect(QRectF(13.5, 3.8, 2.5, 4.5));
        p.setPen(pen(Navy, 1.2));
        p.setBrush(Paper);
        p.drawRoundedRect(QRectF(5.5, 12.5, 13, 9), 1, 1);
        textLines(p, 8, 16, 15.5, 2, 3);
    });
    save("btnDelete", 24, 24, [](QPainter &p) {
        // A waste bin.
        p.setPen(pen(Navy, 1.2));
        p.setBrush(Light);
        QPolygonF bin{{5.5, 7.5}, {18.5, 7.5}, {17, 21.5}, {7, 21.5}};
        p.drawPolygon(bin);
        p.setPen(pen(Mid, 1.4));
        for (qreal x : {9.5, 12.0, 14.5})
            p.drawLine(QPointF(x, 10), QPointF(x, 19));
        p.setPen(pen(Navy, 1.2));
        p.setBrush(Mid);
        p.drawRoundedRect(QRectF(3.5, 4.5, 17, 3), 1, 1);
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(9.5, 2.5, 5, 2), 0.8, 0.8);
        badge(p, QPointF(18, 18), 5, Red, 'x');
    });
    save("btnCancel", 24, 24, [](QPainter &p) {
        // An undo arrow over a sheet: the changes are thrown away.
        sheet(p, QRectF(3.5, 2.5, 14, 18), 4);
        textLines(p, 6.5, 14, 9.5, 3, 3);
        p.setPen(pen(Red, 2.2));
        p.setBrush(Qt::NoBrush);
        QPainterPath arc;
        arc.moveTo(11, 14.5);
        arc.lineTo(17, 14.5);
        arc.cubicTo(21.5, 14.5, 21.5, 21, 17, 21);
        arc.lineTo(13, 21);
        p.drawPath(arc);
        p.setBrush(Red);
        p.setPen(pen(Red, 1.0));
        p.drawPolygon(QPolygonF{{8.5, 14.5}, {12.5, 11}, {12.5, 18}});
    });
    save("btnPrint", 24, 24, [](QPainter &p) {
        p.setPen(pen(Navy, 1.2));
        p.setBrush(Paper);
        p.drawRect(QRectF(6.5, 2.5, 11, 7));
        p.setBrush(Mid);
        p.drawRoundedRect(QRectF(2.5, 8.5, 19, 9), 2, 2);
        p.setPen(Qt::NoPen);
        p.setBrush(Green);
        p.drawEllipse(QPointF(18, 11.5), 1.1, 1.1);
        p.setPen(pen(Navy, 1.2));
        p.setBrush(Paper);
        p.drawRect(QRectF(6.5, 13.5, 11, 8));
        textLines(p, 8.5, 15.5, 16.5, 2, 2.5);
    });
    save("btnEdit", 24, 24, [](QPainter &p) {
        sheet(p, QRectF(3.5, 2.5, 14, 18), 4);
        textLines(p, 6.5, 12, 9.5, 3, 3);
        // A pencil across the lower right.
        p.save();
        p.translate(16, 14);
        p.rotate(45);
        p.setPen(pen(Navy, 1.0));
        p.setBrush(Gold);
        p.drawRect(QRectF(-2, -8, 4, 12));
        p.setBrush(Mid);
        p.drawRect(QRectF(-2, -10, 4, 2));
        p.setBrush(QColor(246, 214, 182));
        p.drawPolygon(QPolygonF{{-2, 4}, {2, 4}, {0, 8}});
        p.restore();
    });
    save("btnClose", 24, 24, [](QPainter &p) {
        // A window with a red close mark.
        p.setPen(pen(Navy, 1.2));
        p.setBrush(Paper);
        p.drawRoundedRect(QRectF(2.5, 3.5, 19, 17), 1.5, 1.5);
        p.setBrush(Mid);
        p.drawRoundedRect(QRectF(2.5, 3.5, 19, 4.5), 1.5, 1.5);
        p.setPen(Qt::NoPen);
        p.setBrush(Red);
        p.drawRoundedRect(QRectF(7, 10.5, 10, 8), 1.5, 1.5);
        cross(p, QRectF(9.5, 12.5, 5, 4), Qt::white, 1.6);
    });
    save("btnCloseSmall", 16, 16, [](QPainter &p) {
        p.setPen(pen(Navy, 1.0));
        p.setBrush(Light);
        p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 2, 2);
        cross(p, QRectF(5, 5, 6, 6), Red, 2.0);
    });
    save("btnSearchSmall", 16, 16, [](QPainter &p) { magnifier(p, QPointF(6.5, 6.5), 4.5, 4.5); });
    save("btnHelp", 24, 24, [](QPainter &p) {
        QRadialGradient g(QPointF(9, 8), 14);
        g.setColorAt(0, Light);
        g.setColorAt(1, Mid);
        p.setPen(pen(Navy, 1.2));
        p.setBrush(g);
        p.drawEllipse(QPointF(12, 12), 9.5, 9.5);
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPixelSize(15);
        f.setBold(true);
        p.setFont(f);
        p.setPen(Navy);
        p.drawText(QRectF(2, 2, 20, 20), Qt::AlignCenter, QStringLiteral("?"));
    });
}

void menu()
{
    save("menu00_folder", 16, 16, [](QPainter &p) { folder(p, false); });
    save("menu01_folder_open", 16, 16, [](QPainter &p) { folder(p, true); });
    save("menu02_form", 16, 16, [](QPainter &p) {
        // A record card: label column and fields.
        p.setPen(pen(Navy, 1.0));
        p.setBrush(Paper);
        p.drawRoundedRect(QRectF(1.5, 2.5, 13, 11), 1, 1);
        p.setBrush(Light);
        for (int i = 0; i < 3; ++i)
            p.drawRect(QRectF(6.5, 4.5 + i * 3, 6, 2));
        p.setPen(pen(Mid, 1.0));
        for (int i = 0; i < 3; ++i)
            p.drawLine(QPointF(3.5, 5.5 + i * 3), QPointF(5, 5.5 + i * 3));
    });
    save("menu03_list", 16, 16, [](QPainter &p) {
        // A grid of rows with a highlighted one.
        p.setPen(pen(Navy, 1.0));
        p.setBrush(Paper);
        p.drawRect(QRectF(1.5, 1.5, 13, 13));
        p.setPen(Qt::NoPen);
        p.setBrush(Mid);
        p.drawRect(QRectF(2, 2, 12, 3));
        p.setBrush(QColor(254, 210, 129));
        p.drawRect(QRectF(2, 8, 12, 2.5));
        p.setPen(pen(Light, 1.0));
        for (qreal y : {7.5, 11.0, 13.5})
            p.drawLine(QPointF(2.5, y), QPointF(13.5, y));
        p.setPen(pen(Navy, 1.0));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(1.5, 1.5, 13, 13));
    });
    save("menu04_tab_page", 16, 16, [](QPainter &p) {
        p.setPen(pen(Navy, 1.0));
        p.setBrush(Mid);
        p.drawRoundedRect(QRectF(1.5, 2.5, 6, 4), 1, 1);
        p.setBrush(Light);
        p.drawRoundedRect(QRectF(7.5, 2.5, 6, 4), 1, 1);
        p.setBrush(Paper);
        p.drawRect(QRectF(1.5, 5.5, 13, 9));
        p.setPen(Qt::NoPen);
        p.setBrush(Paper);
        p.drawRect(QRectF(2, 5, 5, 1.5));
        textLines(p, 4, 12, 8.5, 3, 2);
    });
    save("menu05_report", 16, 16, [](QPainter &p) {
        sheet(p, QRectF(2.5, 1.5, 11, 13), 3);
        p.setPen(Qt::NoPen);
        p.setBrush(Mid);
        p.drawRect(QRectF(4.5, 4, 4, 2));
        p.setPen(pen(Mid, 1.0));
        for (qreal y : {7.5, 9.5, 11.5})
            p.drawLine(QPointF(4.5, y), QPointF(11.5, y));
    });
    save("menu06_settings", 16, 16, [](QPainter &p) {
        // A gear wheel.
        QPainterPath gear;
        const QPointF c(8, 8);
        for (int i = 0; i < 8; ++i) {
            const qreal a0 = qDegreesToRadians(i * 45.0 - 12);
            const qreal a1 = qDegreesToRadians(i * 45.0 + 12);
            const qreal a2 = qDegreesToRadians(i * 45.0 + 22.5);
            auto at = [&](qreal a, qreal r) { return c + QPointF(std::cos(a) * r, std::sin(a) * r); };
            if (i == 0)
                gear.moveTo(at(a0, 7));
            else
                gear.lineTo(at(a0, 7));
            gear.lineTo(at(a1, 7));
            gear.lineTo(at(a2, 5));
            gear.lineTo(at(qDegreesToRadians(i * 45.0 + 33), 5));
        }
        gear.closeSubpath();
        gear.addEllipse(c, 2.2, 2.2);
        p.setPen(pen(Navy, 1.0));
        p.setBrush(Mid);
        p.drawPath(gear);
    });
    save("menu07_members", 16, 16, [](QPainter &p) {
        person(p, QPointF(10.5, 3.5), 0.85, Light);
        person(p, QPointF(6, 5), 1.0, Mid);
    });
    save("menu08_dues", 16, 16, [](QPainter &p) {
        // A coin with the euro sign.
        p.setPen(pen(Navy, 1.0));
        p.setBrush(Gold);
        p.drawEllipse(QPointF(8, 8), 6.5, 6.5);
        p.setPen(pen(Navy, 1.3));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(5, 4.5, 7, 7), 50 * 16, 260 * 16);
        p.drawLine(QPointF(4, 7.2), QPointF(8.5, 7.2));
        p.drawLine(QPointF(4, 9), QPointF(8.5, 9));
    });
    save("menu09_receipt", 16, 16, [](QPainter &p) {
        // A receipt with a torn lower edge.
        QPainterPath path;
        path.moveTo(3.5, 1.5);
        path.lineTo(12.5, 1.5);
        path.lineTo(12.5, 14.5);
        for (int i = 0; i < 3; ++i) {
            path.lineTo(11 - i * 3, 13);
            path.lineTo(9.5 - i * 3, 14.5);
        }
        path.lineTo(3.5, 14.5);
        path.closeSubpath();
        p.setPen(pen(Navy, 1.0));
        p.setBrush(Paper);
        p.drawPath(path);
        textLines(p, 5.5, 10.5, 4.5, 3, 2);
        p.setPen(pen(Green, 1.4));
        p.drawLine(QPointF(7.5, 11), QPointF(10.5, 11));
    });
    save("menu10_mail", 16, 16, [](QPainter &p) {
        p.setPen(pen(Navy, 1.0));
        p.setBrush(Paper);
        p.drawRect(QRectF(1.5, 3.5, 13, 9));
        p.setBrush(Light);
        p.drawPolygon(QPolygonF{{1.5, 3.5}, {14.5, 3.5}, {8, 9}});
    });
    save("menu11_database", 16, 16, [](QPainter &p) {
        p.setPen(pen(Navy, 1.0));
        p.setBrush(Mid);
        p.drawRect(QRectF(3.5, 4, 9, 9));
        p.drawEllipse(QRectF(3.5, 11, 9, 3.5));
        p.setPen(Qt::NoPen);
        p.drawRect(QRectF(4, 4, 8, 8.8));
        p.setPen(pen(Navy, 1.0));
        p.drawLine(QPointF(3.5, 4), QPointF(3.5, 12.7));
        p.drawLine(QPointF(12.5, 4), QPointF(12.5, 12.7));
        p.setBrush(Light);
        p.drawEllipse(QRectF(3.5, 2, 9, 3.5));
        p.setPen(pen(Light, 1.0));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(4, 6.5, 8, 3), 180 * 16, 180 * 16);
    });
    save("menu12_user", 16, 16, [](QPainter &p) {
        person(p, QPointF(8, 3.5), 1.2, Mid);
        p.setPen(pen(Navy, 1.0));
        p.setBrush(Gold);
        p.drawEllipse(QPointF(12.5, 12.5), 2, 2);
    });
    save("menu13_update", 16, 16, [](QPainter &p) {
        // Two arrows turning round: fetch the latest version.
        p.setPen(pen(Green, 1.8));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(2.5, 2.5, 11, 11), 30 * 16, 150 * 16);
        p.drawArc(QRectF(2.5, 2.5, 11, 11), 210 * 16, 150 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(Green);
        p.drawPolygon(QPolygonF{{10.5, 1}, {14.5, 4.5}, {10, 6.5}});
        p.drawPolygon(QPolygonF{{5.5, 15}, {1.5, 11.5}, {6, 9.5}});
    });
    save("menu14_information", 16, 16, [](QPainter &p) {
        p.setPen(pen(Navy, 1.0));
        p.setBrush(Mid);
        p.drawEllipse(QPointF(8, 8), 6.5, 6.5);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(8, 4.8), 1.2, 1.2);
        p.drawRoundedRect(QRectF(7, 7, 2, 5.5), 0.6, 0.6);
    });
    save("menu15_close_tab", 16, 16, [](QPainter &p) {
        p.setPen(pen(Navy, 1.0));
        p.setBrush(Light);
        p.drawRoundedRect(QRectF(1.5, 2.5, 7, 4), 1, 1);
        p.setBrush(Paper);
        p.drawRect(QRectF(1.5, 5.5, 10, 8));
        badge(p, QPointF(11.5, 11), 4, Red, 'x');
    });
    save("menu16_exit", 16, 16, [](QPainter &p) {
        // An open door with an arrow leaving.
        p.setPen(pen(Navy, 1.0));
        p.setBrush(Light);
        p.drawRect(QRectF(1.5, 1.5, 8, 13));
        p.setBrush(Mid);
        p.drawPolygon(QPolygonF{{1.5, 1.5}, {6.5, 3}, {6.5, 15}, {1.5, 14.5}});
        p.setPen(pen(Red, 1.6));
        p.drawLine(QPointF(8.5, 8), QPointF(14, 8));
        p.drawLine(QPointF(11.5, 5.5), QPointF(14, 8));
        p.drawLine(QPointF(11.5, 10.5), QPointF(14, 8));
    });
    save("menu17_donation", 16, 16, [](QPainter &p) {
        QPainterPath heart;
        heart.moveTo(8, 14);
        heart.cubicTo(1, 9, 1, 3, 5, 3);
        heart.cubicTo(7, 3, 8, 5, 8, 5);
        heart.cubicTo(8, 5, 9, 3, 11, 3);
        heart.cubicTo(15, 3, 15, 9, 8, 14);
        p.setPen(pen(Navy, 1.0));
        p.setBrush(Red);
        p.drawPath(heart);
    });
    save("menu18_export", 16, 16, [](QPainter &p) {
        // A table with an arrow going out.
        p.setPen(pen(Navy, 1.0));
        p.setBrush(Paper);
        p.drawRect(QRectF(1.5, 2.5, 9, 11));
        p.setPen(pen(Mid, 1.0));
        p.drawLine(QPointF(2, 6), QPointF(10, 6));
        p.drawLine(QPointF(2, 9.5), QPointF(10, 9.5));
        p.drawLine(QPointF(6, 3), QPointF(6, 13));
        p.setPen(pen(Green, 1.8));
        p.drawLine(QPointF(8.5, 11), QPointF(14, 11));
        p.drawLine(QPointF(11.5, 8.5), QPointF(14, 11));
        p.drawLine(QPointF(11.5, 13.5), QPointF(14, 11));
    });
    save("menu19_script", 16, 16, [](QPainter &p) {
        sheet(p, QRectF(2.5, 1.5, 11, 13), 3);
        QFont f(QStringLiteral("DejaVu Sans Mono"));
        f.setPixelSize(7);
        f.setBold(true);
        p.setFont(f);
        p.setPen(Navy);
        p.drawText(QRectF(2.5, 5, 11, 8), Qt::AlignCenter, QStringLiteral("SQL"));
    });
}

void marksAndCalendar()
{
    // The dues board marks: an empty box (not settled) and a ticked one.
    auto box = [](QPainter &p) {
        p.setPen(pen(Navy, 1.0));
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(1.5, 1.5, 12, 12), 1.5, 1.5);
    };
    save("due_not_settled", 16, 16, box);
    save("due_settled", 16, 16, [&](QPainter &p) {
        box(p);
        p.setPen(pen(Green, 2.2));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF{{4, 7.5}, {6.5, 10.5}, {11.5, 4}});
    });
    save("calendar", 16, 16, [](QPainter &p) { calendar(p, QRectF(1.5, 2.5, 13, 12)); });
}

void wallpaper()
{
    const int w = 480, h = 275;
    QImage img(w, h, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0.0, QColor(251, 253, 255));
    g.setColorAt(0.6, QColor(236, 243, 253));
    g.setColorAt(1.0, QColor(212, 228, 250));
    p.fillRect(img.rect(), g);
    // A faint diagonal weave over the whole picture.
    p.setPen(QPen(QColor(117, 162, 210, 14), 1));
    for (int x = -h; x < w; x += 8)
        p.drawLine(x, h, x + h, 0);
    // Soft ribbons across the lower right, well away from the texts.
    for (int i = 0; i < 3; ++i) {
        QPainterPath ribbon;
        const qreal y = 200 + i * 18;
        ribbon.moveTo(120, h);
        ribbon.cubicTo(260, y - 40, 360, y + 20, w, y - 70 + i * 10);
        ribbon.lineTo(w, h);
        ribbon.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(117, 162, 210, 22 + i * 6));
        p.drawPath(ribbon);
    }
    // The title band: a light-blue strip with a thin line beneath it.
    QLinearGradient band(0, 0, 0, 34);
    band.setColorAt(0, QColor(214, 230, 251));
    band.setColorAt(1, QColor(195, 218, 249));
    p.fillRect(QRect(0, 0, w, 34), band);
    p.setPen(QPen(Mid, 1));
    p.drawLine(0, 34, w, 34);
    p.setPen(QPen(QColor(117, 162, 210), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(0, 0, w - 1, h - 1));
    p.end();
    if (!img.save(outDir + QStringLiteral("/bgd_wallpaper.png")))
        std::fprintf(stderr, "cannot write the wallpaper\n");
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: make_pictures FOLDER\n");
        return 2;
    }
    outDir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(outDir);
    buttons();
    menu();
    marksAndCalendar();
    wallpaper();
    return 0;
}
