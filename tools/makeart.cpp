// makeart OUTPUT_DIR: draws the entry screen's splash picture (splash_Corvane_jpg.jpg) and the
// program icon (halvard.png) into OUTPUT_DIR. Run it on the offscreen platform:
//   QT_QPA_PLATFORM=offscreen halvard_makeart data
// The pictures are committed; this program is how they are made again.
#include <QDir>
#include <QFont>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRectF>
#include <QTransform>
#include <cstdint>
#include <iostream>

namespace {

// The entry screen shows the picture at (-8, -8) px, so a click region at (left, top) twips lies
// at ((left + 120) / 15, (top + 120) / 15) px in the picture.
QRectF RegionInPicture(int left, int top, int width, int height) {
    return {(left + 120) / 15.0, (top + 120) / 15.0, width / 15.0, height / 15.0};
}

QFont Font(const char* family, int pixelSize, QFont::Weight weight, qreal letterSpacing = 0) {
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    font.setHintingPreference(QFont::PreferNoHinting);
    if (letterSpacing != 0) font.setLetterSpacing(QFont::AbsoluteSpacing, letterSpacing);
    return font;
}

// A four-engined bomber seen from below, nose towards -y, in units of its wing span.
struct BomberShape {
    QPainterPath body;
    QPainterPath propellers;
    QPointF engines[4];
};

BomberShape MakeBomber() {
    BomberShape shape;
    QPainterPath& p = shape.body;
    p.setFillRule(Qt::WindingFill);

    QPainterPath fuselage;
    fuselage.moveTo(0, -0.33);
    fuselage.cubicTo(0.030, -0.33, 0.040, -0.27, 0.040, -0.20);
    fuselage.lineTo(0.036, 0.12);
    fuselage.cubicTo(0.030, 0.30, 0.016, 0.38, 0.010, 0.40);
    fuselage.lineTo(-0.010, 0.40);
    fuselage.cubicTo(-0.016, 0.38, -0.030, 0.30, -0.036, 0.12);
    fuselage.lineTo(-0.040, -0.20);
    fuselage.cubicTo(-0.040, -0.27, -0.030, -0.33, 0, -0.33);
    p.addPath(fuselage);

    QPainterPath wings;
    wings.moveTo(0, -0.07);
    wings.lineTo(0.47, -0.015);
    wings.quadTo(0.505, -0.005, 0.50, 0.015);
    wings.quadTo(0.495, 0.035, 0.47, 0.035);
    wings.lineTo(0, 0.095);
    wings.lineTo(-0.47, 0.035);
    wings.quadTo(-0.495, 0.035, -0.50, 0.015);
    wings.quadTo(-0.505, -0.005, -0.47, -0.015);
    wings.closeSubpath();
    p.addPath(wings);

    QPainterPath tailplane;
    tailplane.moveTo(0, 0.29);
    tailplane.lineTo(0.15, 0.325);
    tailplane.quadTo(0.165, 0.34, 0.15, 0.36);
    tailplane.lineTo(0, 0.375);
    tailplane.lineTo(-0.15, 0.36);
    tailplane.quadTo(-0.165, 0.34, -0.15, 0.325);
    tailplane.closeSubpath();
    p.addPath(tailplane);

    const qreal engineX[4] = {-0.27, -0.135, 0.135, 0.27};
    for (int i = 0; i < 4; ++i) {
        const qreal x = engineX[i];
        // Outer engines sit further back, following the swept leading edge.
        const qreal front = (i == 0 || i == 3) ? -0.105 : -0.125;
        p.addRoundedRect(QRectF(x - 0.019, front, 0.038, 0.20), 0.016, 0.016);
        shape.propellers.addEllipse(QPointF(x, front - 0.006), 0.055, 0.007);
        shape.engines[i] = QPointF(x, front + 0.18);
    }
    return shape;
}

// Contrails first, so that the bomber covers their start.
void DrawBomber(QPainter& painter, const BomberShape& shape, QPointF centre, qreal span, qreal heading,
                const QColor& colour, qreal trailLength) {
    QTransform transform;
    transform.translate(centre.x(), centre.y());
    transform.rotate(heading);
    transform.scale(span, span);

    painter.save();
    for (const QPointF& engine : shape.engines) {
        if (trailLength <= 0) break;
        const QPointF start = transform.map(engine);
        const QPointF end = transform.map(engine + QPointF(0, trailLength));
        QLinearGradient fade(start, end);
        fade.setColorAt(0, QColor(255, 240, 225, 70));
        fade.setColorAt(1, QColor(255, 240, 225, 0));
        painter.setPen(QPen(QBrush(fade), span * 0.012, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(start, end);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(transform.map(shape.body));
    QColor blur = colour;
    blur.setAlpha(colour.alpha() / 3);
    painter.setBrush(blur);
    painter.drawPath(transform.map(shape.propellers));
    painter.restore();
}

// A small generator of our own, so that the stars fall the same way on every machine.
class StarField {
  public:
    double Next() {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<double>(state_ >> 11) / 9007199254740992.0;
    }

  private:
    std::uint64_t state_ = 0x5EED;
};

void DrawSky(QPainter& painter, const QRectF& area, qreal horizon) {
    QLinearGradient sky(0, 0, 0, horizon);
    sky.setColorAt(0.00, QColor(0x07, 0x0c, 0x24));
    sky.setColorAt(0.30, QColor(0x15, 0x1e, 0x4a));
    sky.setColorAt(0.55, QColor(0x3d, 0x30, 0x68));
    sky.setColorAt(0.74, QColor(0x8c, 0x4a, 0x6e));
    sky.setColorAt(0.90, QColor(0xd8, 0x76, 0x50));
    sky.setColorAt(1.00, QColor(0xf6, 0xb4, 0x66));
    painter.fillRect(area, sky);

    StarField stars;
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 110; ++i) {
        const qreal x = stars.Next() * area.width();
        const qreal y = stars.Next() * stars.Next() * horizon * 0.55;
        const int alpha = 60 + static_cast<int>(stars.Next() * 170 * (1 - y / (horizon * 0.55)));
        const qreal radius = 0.5 + stars.Next() * (i % 9 == 0 ? 1.2 : 0.6);
        painter.setBrush(QColor(255, 250, 235, alpha));
        painter.drawEllipse(QPointF(x, y), radius, radius);
    }

    QRadialGradient glow(QPointF(area.width() * 0.70, horizon), area.width() * 0.45);
    glow.setColorAt(0.0, QColor(255, 214, 140, 170));
    glow.setColorAt(0.4, QColor(255, 170, 100, 60));
    glow.setColorAt(1.0, QColor(255, 150, 90, 0));
    painter.fillRect(area, glow);

    // Long thin cloud banks lit from below by the set sun.
    const struct {
        qreal x, y, w, h;
    } banks[] = {{-60, horizon - 70, 420, 9},
                 {300, horizon - 48, 520, 7},
                 {560, horizon - 95, 330, 6},
                 {90, horizon - 24, 380, 5}};
    for (const auto& bank : banks) {
        QLinearGradient lit(0, bank.y - bank.h, 0, bank.y + bank.h);
        lit.setColorAt(0, QColor(0x4a, 0x2c, 0x55, 150));
        lit.setColorAt(1, QColor(0xf0, 0x9a, 0x6a, 150));
        painter.setBrush(lit);
        painter.drawEllipse(QRectF(bank.x, bank.y - bank.h, bank.w, bank.h * 2));
    }
}

void DrawLand(QPainter& painter, const QRectF& area, qreal horizon) {
    QPainterPath far;
    far.moveTo(0, horizon);
    far.cubicTo(160, horizon - 10, 260, horizon + 4, 400, horizon - 4);
    far.cubicTo(540, horizon - 12, 660, horizon + 2, area.width(), horizon - 6);
    far.lineTo(area.width(), area.height());
    far.lineTo(0, area.height());
    far.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x2a, 0x1d, 0x3a));
    painter.drawPath(far);

    QPainterPath near;
    near.moveTo(0, horizon + 22);
    near.cubicTo(200, horizon + 6, 330, horizon + 30, 520, horizon + 16);
    near.cubicTo(650, horizon + 8, 720, horizon + 20, area.width(), horizon + 12);
    near.lineTo(area.width(), area.height());
    near.lineTo(0, area.height());
    near.closeSubpath();
    QLinearGradient dark(0, horizon, 0, area.height());
    dark.setColorAt(0, QColor(0x16, 0x10, 0x26));
    dark.setColorAt(1, QColor(0x07, 0x06, 0x10));
    painter.setBrush(dark);
    painter.drawPath(near);

    // Field boundaries running towards the horizon, barely lit.
    painter.setPen(QPen(QColor(255, 190, 130, 28), 1));
    const QPointF vanishing(area.width() * 0.70, horizon - 30);
    for (int i = -6; i <= 14; ++i) {
        const QPointF foot(area.width() * 0.70 + i * 95, area.height());
        painter.drawLine(foot, QLineF(foot, vanishing).pointAt(0.8));
    }
}

void DrawTitle(QPainter& painter) {
    const QFont title = Font("DejaVu Serif", 70, QFont::Bold, 5);
    const QRectF titleBox(24, 34, 440, 100);
    painter.setFont(title);
    painter.setPen(QColor(0, 0, 0, 120));
    painter.drawText(titleBox.translated(3, 4), Qt::AlignCenter, "HALVARD");
    QLinearGradient gilt(0, titleBox.top() + 20, 0, titleBox.bottom() - 20);
    gilt.setColorAt(0, QColor(0xff, 0xf3, 0xd6));
    gilt.setColorAt(1, QColor(0xf0, 0xbe, 0x6e));
    painter.setPen(QPen(QBrush(gilt), 1));
    painter.drawText(titleBox, Qt::AlignCenter, "HALVARD");

    painter.setPen(QPen(QColor(0xf0, 0xbe, 0x6e, 200), 1.2));
    const qreal ruleY = titleBox.bottom() + 6;
    painter.drawLine(QPointF(titleBox.center().x() - 150, ruleY),
                     QPointF(titleBox.center().x() + 150, ruleY));

    painter.setFont(Font("DejaVu Sans", 17, QFont::Normal, 4));
    painter.setPen(QColor(0xe8, 0xd8, 0xf0));
    painter.drawText(QRectF(titleBox.left(), ruleY + 8, titleBox.width(), 28), Qt::AlignCenter,
                     "CORVANE BOMBER MISSIONS");
}

// A menu choice as a lit plate that fills its click region.
void DrawChoice(QPainter& painter, const QRectF& region, const QString& text) {
    const QRectF plate = region.adjusted(1, 1, -1, -1);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 90));
    painter.drawRoundedRect(plate.translated(2, 3), 7, 7);

    QLinearGradient face(plate.topLeft(), plate.bottomLeft());
    face.setColorAt(0, QColor(0x2c, 0x2a, 0x58, 235));
    face.setColorAt(1, QColor(0x12, 0x12, 0x30, 235));
    painter.setBrush(face);
    painter.setPen(QPen(QColor(0xf0, 0xbe, 0x6e), 1.6));
    painter.drawRoundedRect(plate, 7, 7);
    painter.setPen(QPen(QColor(0xff, 0xe6, 0xb8, 70), 1));
    painter.drawLine(QPointF(plate.left() + 8, plate.top() + 3), QPointF(plate.right() - 8, plate.top() + 3));

    painter.setFont(Font("DejaVu Sans", 16, QFont::Bold, 1));
    painter.setPen(QColor(0xff, 0xf3, 0xd6));
    painter.drawText(plate, Qt::AlignCenter, text);
}

QImage Splash() {
    QImage image(801, 537, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QRectF area = image.rect();
    const qreal horizon = 452;

    DrawSky(painter, area, horizon);
    DrawLand(painter, area, horizon);

    const BomberShape bomber = MakeBomber();
    DrawBomber(painter, bomber, {728, 268}, 96, -14, QColor(0x1a, 0x12, 0x2c, 215), 0.8);
    DrawBomber(painter, bomber, {372, 252}, 110, -14, QColor(0x1a, 0x12, 0x2c, 225), 0.8);
    DrawBomber(painter, bomber, {585, 196}, 250, -14, QColor(0x10, 0x0b, 0x1e, 240), 0.6);

    DrawTitle(painter);
    // Regions 1 to 3 have no action, so they carry no choice.
    DrawChoice(painter, RegionInPicture(1280, 4600, 2160, 600), "Start Mission");
    DrawChoice(painter, RegionInPicture(6840, 5805, 2160, 510), "Exit");
    painter.end();
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage Icon() {
    QImage image(256, 256, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF tile(8, 8, 240, 240);

    QPainterPath clip;
    clip.addRoundedRect(tile, 44, 44);
    painter.setClipPath(clip);
    QLinearGradient sky(tile.topLeft(), tile.bottomLeft());
    sky.setColorAt(0.0, QColor(0x15, 0x1e, 0x4a));
    sky.setColorAt(0.6, QColor(0x6e, 0x3e, 0x6c));
    sky.setColorAt(1.0, QColor(0xe0, 0x7c, 0x50));
    painter.fillRect(tile, sky);

    QRadialGradient sun(QPointF(128, 150), 92);
    sun.setColorAt(0.0, QColor(0xff, 0xe8, 0xa8));
    sun.setColorAt(0.75, QColor(0xf8, 0xb0, 0x5c));
    sun.setColorAt(1.0, QColor(0xf0, 0x8c, 0x4c));
    painter.setPen(Qt::NoPen);
    painter.setBrush(sun);
    painter.drawEllipse(QPointF(128, 150), 82, 82);

    DrawBomber(painter, MakeBomber(), {128, 130}, 214, -10, QColor(0x14, 0x0e, 0x24), 0);
    painter.setClipping(false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0xf0, 0xbe, 0x6e), 4));
    painter.drawRoundedRect(tile.adjusted(2, 2, -2, -2), 42, 42);
    painter.end();
    return image;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::cerr << "usage: makeart OUTPUT_DIR\n";
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    for (const char* family : {"DejaVu Serif", "DejaVu Sans"}) {
        if (QFontInfo(QFont(family)).family() != family)
            std::cerr << "warning: font " << family << " not found; the pictures will differ\n";
    }
    const QString splash = out.filePath("splash_Corvane_jpg.jpg");
    const QString icon = out.filePath("halvard.png");
    if (!Splash().save(splash, "JPG", 92) || !Icon().save(icon, "PNG")) {
        std::cerr << "cannot write the pictures into " << argv[1] << "\n";
        return 1;
    }
    return 0;
}
