#include "ui/ImageList.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>
#include <array>
#include <functional>

namespace ui {
namespace {

const QColor kOutline(40, 40, 40);
const QColor kGreen(30, 150, 50);
const QColor kBlue(30, 90, 200);
const QColor kRed(200, 30, 30);
const QColor kPaper(250, 250, 250);
const QColor kFolder(235, 190, 70);

using Painter = std::function<void(QPainter&)>;

// The list's icons, made on the user-interface thread when first asked for.
std::array<QIcon, ImageListCount>* sharedIcons = nullptr;

// A grey clock face: the job waits, nothing is wrong and nothing runs yet.
void DrawWaiting(QPainter& p) {
    const QColor grey(120, 120, 120);
    p.setPen(QPen(grey, 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(8, 8), 5.8, 5.8);
    p.setPen(QPen(grey, 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(8, 8), QPointF(8, 4.5));
    p.drawLine(QPointF(8, 8), QPointF(10.5, 9.5));
}

void DrawSuccess(QPainter& p) {
    p.setPen(QPen(kGreen, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({{2.5, 8.5}, {6.5, 12.5}, {13.5, 3.5}}));
}

void DrawFailure(QPainter& p) {
    p.setPen(QPen(kRed, 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
    p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
}

void DrawArrowRight(QPainter& p, QPointF from, QPointF to, const QColor& colour) {
    p.setPen(QPen(colour, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(from, to);
    QLineF back(to, from);
    QLineF wing1 = back;
    wing1.setLength(3);
    wing1.setAngle(back.angle() + 40);
    QLineF wing2 = back;
    wing2.setLength(3);
    wing2.setAngle(back.angle() - 40);
    p.drawLine(wing1);
    p.drawLine(wing2);
}

void DrawOpen(QPainter& p) {
    p.setPen(QPen(kFolder.darker(160), 1));
    p.setBrush(kFolder.darker(115));
    p.drawRect(QRectF(1.5, 5.5, 11, 8));
    QPainterPath flap;
    flap.moveTo(3.5, 8.5);
    flap.lineTo(15, 8.5);
    flap.lineTo(12.5, 13.5);
    flap.lineTo(1.5, 13.5);
    flap.closeSubpath();
    p.setBrush(kFolder);
    p.drawPath(flap);
    DrawArrowRight(p, QPointF(8, 6), QPointF(13, 1.5), kGreen);
}

void DrawSheet(QPainter& p, QRectF r, double penWidth = 1) {
    QPainterPath sheet;
    sheet.moveTo(r.left(), r.top());
    sheet.lineTo(r.right() - 3, r.top());
    sheet.lineTo(r.right(), r.top() + 3);
    sheet.lineTo(r.right(), r.bottom());
    sheet.lineTo(r.left(), r.bottom());
    sheet.closeSubpath();
    p.setPen(QPen(kOutline, penWidth));
    p.setBrush(kPaper);
    p.drawPath(sheet);
}

void DrawNew(QPainter& p) {
    DrawSheet(p, QRectF(3.5, 1.5, 9, 13));
    p.setPen(QPen(QColor(150, 150, 150), 1));
    for (double y = 6.5; y < 13; y += 2) p.drawLine(QPointF(5.5, y), QPointF(10.5, y));
    p.setPen(QPen(QColor(240, 200, 0), 1.5));
    p.drawLine(QPointF(12, 1), QPointF(15, 4));
    p.drawLine(QPointF(15, 1), QPointF(12, 4));
}

void DrawDisk(QPainter& p, QRectF r) {
    p.setPen(QPen(kBlue.darker(180), 1));
    p.setBrush(kBlue);
    p.drawRoundedRect(r, 1, 1);
    p.setBrush(kPaper);
    p.drawRect(QRectF(r.left() + 2, r.top(), r.width() - 4, r.height() * 0.45));
    p.setBrush(QColor(190, 190, 190));
    p.drawRect(
        QRectF(r.left() + 3, r.bottom() - r.height() * 0.35, r.width() - 6, r.height() * 0.35));
}

void DrawSave(QPainter& p) { DrawDisk(p, QRectF(1.5, 1.5, 13, 13)); }

void DrawSaveAs(QPainter& p) {
    DrawDisk(p, QRectF(0.5, 0.5, 10, 10));
    DrawDisk(p, QRectF(5.5, 5.5, 10, 10));
}

void DrawUpdate(QPainter& p) {
    p.setPen(QPen(kGreen, 2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    const QRectF circle(2.5, 2.5, 11, 11);
    p.drawArc(circle, 20 * 16, 140 * 16);
    p.drawArc(circle, 200 * 16, 140 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen);
    p.drawPolygon(QPolygonF({{1, 6}, {6, 6}, {3, 10}}));
    p.drawPolygon(QPolygonF({{15, 10}, {10, 10}, {13, 6}}));
}

void DrawCircledGlyph(QPainter& p, const QColor& fill, const QString& glyph) {
    p.setPen(QPen(fill.darker(150), 1));
    p.setBrush(fill);
    p.drawEllipse(QRectF(0.5, 0.5, 15, 15));
    QFont font;
    font.setPixelSize(12);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, 0, 16, 16), Qt::AlignCenter, glyph);
}

void DrawHelp(QPainter& p) { DrawCircledGlyph(p, kBlue, "?"); }

void DrawHome(QPainter& p) {
    p.setPen(QPen(kOutline, 1));
    p.setBrush(QColor(240, 230, 200));
    p.drawRect(QRectF(3.5, 7.5, 9, 7));
    p.setBrush(kRed);
    p.drawPolygon(QPolygonF({{1, 8.5}, {8, 1.5}, {15, 8.5}}));
    p.setBrush(QColor(140, 90, 40));
    p.drawRect(QRectF(6.5, 10.5, 3, 4));
}

void DrawSupport(QPainter& p) {
    p.setPen(QPen(kOutline, 1));
    p.setBrush(kPaper);
    p.drawRect(QRectF(1.5, 3.5, 13, 9));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({{1.5, 3.5}, {8, 9}, {14.5, 3.5}}));
}

void DrawAbout(QPainter& p) {
    QPainterPath bubble;
    bubble.addRoundedRect(QRectF(0.5, 0.5, 15, 11), 3, 3);
    QPainterPath tail;
    tail.moveTo(4, 11);
    tail.lineTo(3, 15.5);
    tail.lineTo(8, 11);
    tail.closeSubpath();
    p.setPen(QPen(kBlue.darker(150), 1));
    p.setBrush(kBlue);
    p.drawPath(bubble.united(tail));
    QFont font("serif");
    font.setPixelSize(10);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, 0, 16, 12), Qt::AlignCenter, "i");
}

// An orange clock face whose filled quarter reads as work in progress.
void DrawConverting(QPainter& p) {
    const QColor orange(230, 130, 20);
    const QRectF face(1.5, 1.5, 13, 13);
    p.setPen(QPen(orange.darker(130), 1.4));
    p.setBrush(QColor(255, 240, 215));
    p.drawEllipse(face);
    p.setPen(Qt::NoPen);
    p.setBrush(orange);
    p.drawPie(face.adjusted(2, 2, -2, -2), 90 * 16, -120 * 16);
}

// A grey circle with a bar: left out, unlike the red cross of a failure.
void DrawNotConverted(QPainter& p) {
    const QColor grey(130, 130, 130);
    p.setPen(QPen(grey, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(2, 2, 12, 12));
    p.setPen(QPen(grey, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(5, 8), QPointF(11, 8));
}

void DrawConfig(QPainter& p) {
    // A screwdriver and a wrench crossed.
    p.setPen(QPen(QColor(120, 120, 130), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(3, 3), QPointF(12.5, 12.5));
    p.setPen(QPen(kRed, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(3.5, 12.5), QPointF(7, 9));
    p.setPen(QPen(QColor(120, 120, 130), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(7, 9), QPointF(12.5, 3.5));
    p.setPen(QPen(QColor(80, 80, 90), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(0.5, 0.5, 5, 5), 90 * 16, 270 * 16);
}

// An amber triangle with "!": converted, but not all of it.
void DrawWarning(QPainter& p) {
    const QColor amber(225, 160, 0);
    QPainterPath triangle;
    triangle.moveTo(8, 1.5);
    triangle.lineTo(15, 14.5);
    triangle.lineTo(1, 14.5);
    triangle.closeSubpath();
    p.setPen(QPen(amber.darker(140), 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(amber);
    p.drawPath(triangle);
    p.setPen(QPen(kOutline, 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(8, 5.5), QPointF(8, 9.5));
    p.drawPoint(QPointF(8, 12.2));
}

const std::array<Painter, ImageListCount>& Painters() {
    static const std::array<Painter, ImageListCount> painters = {
        DrawWaiting,    DrawSuccess,      DrawFailure, DrawOpen,    DrawNew,     DrawSave,
        DrawSaveAs,     DrawUpdate,       DrawHelp,    DrawHome,    DrawSupport, DrawAbout,
        DrawConverting, DrawNotConverted, DrawConfig,  DrawWarning,
    };
    return painters;
}

// Drawn in logical pixels; a ratio above 1 gives the sharper picture a
// scaled screen shows.
QPixmap Paint(int size, const Painter& painter, qreal ratio = 1) {
    const int pixels = qRound(size * ratio);
    QPixmap pixmap(pixels, pixels);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    if (painter) {
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        painter(p);
    }
    return pixmap;
}

// The about picture: a help document with a yellow question mark, green
// arrows, and the PDF document they lead to.
void DrawAboutPicture(QPainter& p) {
    p.scale(8, 8);  // drawn on a 16 by 16 grid like the small pictures
    DrawSheet(p, QRectF(0.5, 1.5, 7, 9), 0.3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(245, 200, 0));
    p.drawEllipse(QRectF(1.2, 3, 5.6, 5.6));
    QFont font;
    font.setPixelSize(5);
    font.setBold(true);
    p.setFont(font);
    p.setPen(kBlue.darker(130));
    p.drawText(QRectF(1.2, 3, 5.6, 5.6), Qt::AlignCenter, "?");

    DrawSheet(p, QRectF(8.5, 5.5, 7, 9), 0.3);
    p.setPen(Qt::NoPen);
    p.setBrush(kRed);
    p.drawRect(QRectF(9, 10, 6, 3));
    font.setPixelSize(2);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(9, 10, 6, 3), Qt::AlignCenter, "PDF");

    p.setPen(QPen(kGreen, 0.7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    for (double y : {2.5, 4.2}) {
        p.drawLine(QPointF(8.2, y), QPointF(12, y));
        p.drawPolyline(QPolygonF({{11, y - 0.9}, {12, y}, {11, y + 0.9}}));
    }
}

}  // namespace

QPixmap ImageListPixmap(int index) {
    if (index < 0 || index >= ImageListCount) return Paint(ImageListSize, nullptr);
    return Paint(ImageListSize, Painters()[static_cast<size_t>(index)]);
}

// Each picture of the list is drawn once and its icon shared. A row's image
// changes several times per job, and an icon drawn anew each time is a new
// picture to the view and to Qt's pixmap cache, which keeps it: a daemon
// repeating its run for weeks would grow by every row of every round.
QIcon ImageListIcon(int index) {
    if (index < 0 || index >= ImageListCount) return QIcon(ImageListPixmap(index));
    if (!sharedIcons) {
        sharedIcons = new std::array<QIcon, ImageListCount>();
        // Pictures must go before the application that made them.
        qAddPostRoutine([] {
            delete sharedIcons;
            sharedIcons = nullptr;
        });
    }
    QIcon& icon = (*sharedIcons)[static_cast<size_t>(index)];
    if (icon.isNull()) {
        icon.addPixmap(ImageListPixmap(index));
        icon.addPixmap(Paint(ImageListSize, Painters()[static_cast<size_t>(index)], 2));
    }
    return icon;
}

QPixmap AboutPicture(qreal ratio) { return Paint(AboutPictureSize, DrawAboutPicture, ratio); }

QIcon ProgramIcon() {
    QIcon icon(AboutPicture());
    icon.addPixmap(AboutPicture().scaled(32, 32, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    return icon;
}

}  // namespace ui
