// Draws the program's pictures: the start picture of the login page (start.jpg, 411 x 286),
// the logo of the about window (logo.jpg, 316 x 117) and the program icon (tolvek.png,
// 256 x 256). All three are drawn here from shapes and the Liberation fonts, so they are
// ours. Run: tolvek-bilder FOLDER (with QT_QPA_PLATFORM=offscreen where there is no display).
#include <cstdio>

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

const QColor blau(23, 78, 140);
const QColor hellblau(167, 216, 245);
const QColor papier(252, 251, 246);
const QColor tinte(60, 66, 78);

QFont schrift(const char* familie, int pixel, bool fett = false) {
    QFont f(QString::fromLatin1(familie));
    f.setPixelSize(pixel);
    f.setBold(fett);
    return f;
}

// A sheet of paper with a folded corner, lying at angle degrees around its centre.
void blatt(QPainter& p, QRectF r, double winkel, bool mitkopf) {
    p.save();
    p.translate(r.center());
    p.rotate(winkel);
    r.moveCenter(QPointF(0, 0));
    const double ecke = r.width() * 0.16;
    QPainterPath umriss;
    umriss.moveTo(r.topLeft());
    umriss.lineTo(r.right() - ecke, r.top());
    umriss.lineTo(r.right(), r.top() + ecke);
    umriss.lineTo(r.bottomRight());
    umriss.lineTo(r.bottomLeft());
    umriss.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawPath(umriss.translated(4, 5));
    p.setBrush(papier);
    p.setPen(QPen(QColor(200, 198, 190), 1));
    p.drawPath(umriss);
    QPainterPath falz;
    falz.moveTo(r.right() - ecke, r.top());
    falz.lineTo(r.right() - ecke, r.top() + ecke);
    falz.lineTo(r.right(), r.top() + ecke);
    falz.closeSubpath();
    p.setBrush(QColor(222, 220, 212));
    p.drawPath(falz);

    // Letterhead, address block, a table of lines and a total, as an invoice looks from afar.
    const double x = r.left() + r.width() * 0.1;
    const double b = r.width() * 0.8;
    double y = r.top() + r.height() * 0.08;
    p.setPen(Qt::NoPen);
    if (mitkopf) {
        p.setBrush(blau);
        p.drawRect(QRectF(x, y, b * 0.45, r.height() * 0.05));
    }
    y += r.height() * 0.1;
    p.setBrush(QColor(150, 155, 165));
    for (int i = 0; i < 3; ++i) {
        p.drawRect(QRectF(x, y, b * (0.5 - 0.08 * i), 2.5));
        y += 7;
    }
    y += r.height() * 0.06;
    p.setBrush(QColor(110, 116, 128));
    p.drawRect(QRectF(x, y, b, 2.5));
    y += 9;
    p.setBrush(QColor(170, 175, 185));
    for (int i = 0; i < 6 && y < r.bottom() - r.height() * 0.18; ++i) {
        p.drawRect(QRectF(x, y, b * 0.55, 2));
        p.drawRect(QRectF(x + b * 0.75, y, b * 0.25, 2));
        y += 8;
    }
    p.setBrush(tinte);
    p.drawRect(QRectF(x + b * 0.55, r.bottom() - r.height() * 0.12, b * 0.45, 3.5));
    p.restore();
}

QImage startbild() {
    QImage bild(411, 286, QImage::Format_RGB32);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    // A desk in warm light, darker towards the edges.
    QLinearGradient tisch(0, 0, 411, 286);
    tisch.setColorAt(0, QColor(122, 92, 66));
    tisch.setColorAt(1, QColor(70, 50, 36));
    p.fillRect(bild.rect(), tisch);
    QPen maserung(QColor(255, 255, 255, 14), 2);
    p.setPen(maserung);
    for (int y = -40; y < 330; y += 11) {
        p.drawLine(QPointF(0, y), QPointF(411, y + 60));
    }
    QRadialGradient licht(QPointF(150, 110), 260);
    licht.setColorAt(0, QColor(255, 236, 200, 90));
    licht.setColorAt(1, QColor(0, 0, 0, 110));
    p.fillRect(bild.rect(), licht);

    blatt(p, QRectF(40, 38, 170, 230), -9, false);
    blatt(p, QRectF(175, 22, 175, 240), 6, true);

    // A pen lying across the sheets.
    p.save();
    p.translate(250, 230);
    p.rotate(-32);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawRoundedRect(QRectF(-95, 4, 190, 13), 6, 6);
    QLinearGradient stift(0, -6, 0, 7);
    stift.setColorAt(0, QColor(40, 90, 160));
    stift.setColorAt(1, QColor(12, 40, 80));
    p.setBrush(stift);
    p.drawRoundedRect(QRectF(-95, -6, 175, 12), 6, 6);
    p.setBrush(QColor(200, 200, 205));
    QPainterPath spitze;
    spitze.moveTo(80, -6);
    spitze.lineTo(100, 0);
    spitze.lineTo(80, 6);
    spitze.closeSubpath();
    p.drawPath(spitze);
    p.restore();

    // The e-invoice itself: an XML tag on a small card.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 225));
    p.drawRoundedRect(QRectF(18, 228, 142, 40), 6, 6);
    p.setPen(blau);
    p.setFont(schrift("Liberation Mono", 15, true));
    p.drawText(QRectF(18, 228, 142, 40), Qt::AlignCenter, QStringLiteral("<Invoice>"));
    return bild;
}

// The emblem: a rounded blue square with a white folded sheet and the letters TK.
void emblem(QPainter& p, const QRectF& r) {
    const double s = r.width();
    QLinearGradient grund(r.topLeft(), r.bottomRight());
    grund.setColorAt(0, QColor(43, 118, 196));
    grund.setColorAt(1, QColor(16, 58, 110));
    p.setPen(Qt::NoPen);
    p.setBrush(grund);
    p.drawRoundedRect(r, s * 0.18, s * 0.18);
    const QRectF b(r.left() + s * 0.24, r.top() + s * 0.16, s * 0.52, s * 0.68);
    const double ecke = b.width() * 0.3;
    QPainterPath umriss;
    umriss.moveTo(b.topLeft());
    umriss.lineTo(b.right() - ecke, b.top());
    umriss.lineTo(b.right(), b.top() + ecke);
    umriss.lineTo(b.bottomRight());
    umriss.lineTo(b.bottomLeft());
    umriss.closeSubpath();
    p.setBrush(papier);
    p.drawPath(umriss);
    p.setBrush(hellblau);
    QPainterPath falz;
    falz.moveTo(b.right() - ecke, b.top());
    falz.lineTo(b.right() - ecke, b.top() + ecke);
    falz.lineTo(b.right(), b.top() + ecke);
    falz.closeSubpath();
    p.drawPath(falz);
    p.setPen(blau);
    p.setFont(schrift("Liberation Sans", static_cast<int>(s * 0.26), true));
    p.drawText(QRectF(b.left(), b.top() + b.height() * 0.3, b.width(), b.height() * 0.45),
               Qt::AlignCenter, QStringLiteral("TK"));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 130, 145));
    for (int i = 0; i < 2; ++i) {
        p.drawRect(QRectF(b.left() + b.width() * 0.15, b.top() + b.height() * (0.8 + 0.08 * i),
                          b.width() * 0.7, s * 0.025));
    }
}

QImage logo() {
    QImage bild(316, 117, QImage::Format_RGB32);
    bild.fill(QColor(255, 255, 255));
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    emblem(p, QRectF(14, 14, 89, 89));
    p.setPen(blau);
    p.setFont(schrift("Liberation Sans", 34, true));
    p.drawText(QPointF(116, 56), QStringLiteral("Tolvek"));
    p.setPen(QColor(43, 118, 196));
    p.drawText(QPointF(116, 92), QStringLiteral("Kavrin"));
    p.setPen(QColor(120, 130, 145));
    p.setFont(schrift("Liberation Sans Narrow", 13));
    p.drawText(QPointF(230, 92), QStringLiteral("E-Rechnung"));
    return bild;
}

QImage symbol() {
    QImage bild(256, 256, QImage::Format_ARGB32_Premultiplied);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    emblem(p, QRectF(8, 8, 240, 240));
    return bild;
}

bool speichere(const QImage& bild, const QString& pfad, const char* format, int qualitaet) {
    if (!bild.save(pfad, format, qualitaet)) {
        std::fprintf(stderr, "tolvek-bilder: %s konnte nicht geschrieben werden\n",
                     qPrintable(pfad));
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "Aufruf: tolvek-bilder ORDNER\n");
        return 2;
    }
    const QDir ordner(QString::fromLocal8Bit(argv[1]));
    const bool gut =
        speichere(startbild(), ordner.filePath(QStringLiteral("start.jpg")), "JPG", 90) &&
        speichere(logo(), ordner.filePath(QStringLiteral("logo.jpg")), "JPG", 92) &&
        speichere(symbol(), ordner.filePath(QStringLiteral("tolvek.png")), "PNG", -1);
    return gut ? 0 : 1;
}
