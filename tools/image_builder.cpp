// image_builder: draws the images compiled into Merestone.
//
// Run at build time (QT_QPA_PLATFORM=offscreen works) with the output folder
// as the only argument:
//
//     image_builder <output-folder>
//
// Every image is drawn from vector shapes, so each one is written as NAME.png
// at 1x and, where the table asks for it, NAME@2x.png at twice the size for
// high-density screens. Sizes in the table are in points (1x pixels).
// The exit status is nonzero if any file could not be written.

#include <QColor>
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QString>

#include <cstdio>
#include <iterator>

namespace {

// ---------------------------------------------------------------- palette

const QColor kPlateFill(197, 222, 255);
const QColor kPlateBorder(147, 187, 224);
const QColor kArrow(70, 80, 95);
const QColor kSlate(70, 80, 95);
const QColor kText(30, 36, 46);
const QColor kDefaultBorder(60, 120, 210);

QFont boldSans(qreal pixelSize)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(qRound(pixelSize));
    return font;
}

// ------------------------------------------------------------ blue plates

// A light blue rounded plate that text is drawn on. The gradient only
// brightens the top edge a little, so the middle stays plain.
void drawBluePlate(QPainter& p, const QSizeF& size)
{
    const QRectF outer(0.5, 0.5, size.width() - 1.0, size.height() - 1.0);

    QLinearGradient fill(0.0, 0.0, 0.0, size.height());
    fill.setColorAt(0.0, QColor(216, 233, 255));
    fill.setColorAt(0.35, kPlateFill);
    fill.setColorAt(1.0, QColor(190, 216, 251));

    p.setPen(QPen(kPlateBorder, 1.0));
    p.setBrush(fill);
    p.drawRoundedRect(outer, 5.0, 5.0);
}

// ---------------------------------------------------------------- arrows

// A solid arrow pointing up, centred in a 16x16 box: a triangular head on a
// short stem. Straight edges sit on whole points so they stay sharp.
QPainterPath upArrowPath()
{
    QPainterPath path;
    path.moveTo(8.0, 2.0);  // tip
    path.lineTo(14.0, 9.0); // head, right corner
    path.lineTo(10.0, 9.0);
    path.lineTo(10.0, 14.0); // stem
    path.lineTo(6.0, 14.0);
    path.lineTo(6.0, 9.0);
    path.lineTo(2.0, 9.0); // head, left corner
    path.closeSubpath();
    return path;
}

void drawArrow(QPainter& p, const QSizeF& size, bool up)
{
    p.scale(size.width() / 16.0, size.height() / 16.0);
    if (!up) {
        p.translate(0.0, 16.0);
        p.scale(1.0, -1.0);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(kArrow);
    p.drawPath(upArrowPath());
}

void drawUpArrow(QPainter& p, const QSizeF& size)
{
    drawArrow(p, size, true);
}
void drawDownArrow(QPainter& p, const QSizeF& size)
{
    drawArrow(p, size, false);
}

// ------------------------------------------------- receiving-program buttons

enum class Emblem { Tower, PortedBox, Horn };

// Emblems are line drawings in a box from x 10..44, y 8..42 (centre 27,25).
void drawEmblem(QPainter& p, Emblem emblem, const QColor& ink)
{
    p.setPen(QPen(ink, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);

    switch (emblem) {
    case Emblem::Tower: // tall cabinet: tweeter over two woofers
        p.drawRoundedRect(QRectF(19.0, 7.0, 16.0, 36.0), 2.0, 2.0);
        p.drawEllipse(QPointF(27.0, 13.0), 2.5, 2.5);
        p.drawEllipse(QPointF(27.0, 23.5), 4.0, 4.0);
        p.drawEllipse(QPointF(27.0, 35.5), 4.0, 4.0);
        break;
    case Emblem::PortedBox: // box with a woofer and a round port below it
        p.drawRoundedRect(QRectF(12.0, 9.0, 30.0, 32.0), 2.0, 2.0);
        p.drawEllipse(QPointF(27.0, 20.0), 8.0, 8.0);
        p.drawEllipse(QPointF(27.0, 20.0), 2.5, 2.5);
        p.setBrush(ink);
        p.drawEllipse(QPointF(27.0, 34.0), 3.0, 3.0);
        break;
    case Emblem::Horn: { // compression driver feeding a flared horn
        p.drawRoundedRect(QRectF(10.0, 20.0, 7.0, 10.0), 1.5, 1.5);
        QPainterPath flare;
        flare.moveTo(17.0, 22.0);
        flare.cubicTo(29.0, 22.0, 38.0, 17.0, 43.0, 8.0);
        flare.lineTo(43.0, 42.0);
        flare.cubicTo(38.0, 33.0, 29.0, 28.0, 17.0, 28.0);
        flare.closeSubpath();
        p.drawPath(flare);
        break;
    }
    }
}

void drawChooserButton(QPainter& p, const QSizeF& size, const char* label, Emblem emblem, bool isDefault)
{
    // Panel. Border pens are inset by half their width so they are not clipped.
    const qreal border = isDefault ? 2.0 : 1.0;
    const qreal inset = border / 2.0;
    const QRectF panel(inset, inset, size.width() - border, size.height() - border);

    QLinearGradient fill(0.0, 0.0, 0.0, size.height());
    if (isDefault) {
        fill.setColorAt(0.0, QColor(216, 233, 255));
        fill.setColorAt(0.5, kPlateFill);
        fill.setColorAt(1.0, QColor(184, 211, 250));
    } else {
        fill.setColorAt(0.0, QColor(248, 248, 249));
        fill.setColorAt(0.5, QColor(236, 237, 239));
        fill.setColorAt(1.0, QColor(224, 225, 228));
    }
    p.setPen(QPen(isDefault ? kDefaultBorder : QColor(152, 156, 163), border));
    p.setBrush(fill);
    p.drawRoundedRect(panel, 8.0, 8.0);

    drawEmblem(p, emblem, isDefault ? QColor(40, 85, 160) : kSlate);

    p.setPen(kText);
    p.setFont(boldSans(20.0));
    const QRectF textBox(54.0, 0.0, size.width() - 54.0 - 10.0, size.height());
    p.drawText(textBox, Qt::AlignLeft | Qt::AlignVCenter, QString::fromLatin1(label));
}

// ------------------------------------------------------- application icon

// A loudspeaker driver seen from the front on a dark slate rounded square,
// drawn on a 256-point canvas and scaled. Small sizes drop the sheet badge
// and mounting holes, which would only turn into noise.
void drawAppIcon(QPainter& p, const QSizeF& size)
{
    const bool detailed = size.width() >= 64.0;
    p.scale(size.width() / 256.0, size.height() / 256.0);

    // Background.
    QLinearGradient back(0.0, 8.0, 0.0, 248.0);
    back.setColorAt(0.0, QColor(84, 96, 114));
    back.setColorAt(1.0, QColor(42, 49, 60));
    p.setPen(Qt::NoPen);
    p.setBrush(back);
    p.drawRoundedRect(QRectF(8.0, 8.0, 240.0, 240.0), 52.0, 52.0);

    const QPointF c(128.0, 128.0);

    // Frame / basket ring.
    QLinearGradient metal(40.0, 28.0, 216.0, 228.0);
    metal.setColorAt(0.0, QColor(232, 236, 241));
    metal.setColorAt(1.0, QColor(128, 137, 150));
    p.setBrush(metal);
    p.drawEllipse(c, 104.0, 104.0);

    if (detailed) {
        p.setBrush(QColor(52, 60, 72));
        for (const QPointF& hole : {QPointF(-1, -1), QPointF(1, -1), QPointF(1, 1), QPointF(-1, 1)})
            p.drawEllipse(c + hole * 66.5, 6.0, 6.0);
    }

    // Rubber surround.
    QRadialGradient surround(c, 90.0);
    surround.setColorAt(0.80, QColor(22, 25, 31));
    surround.setColorAt(0.90, QColor(62, 68, 78));
    surround.setColorAt(1.00, QColor(22, 25, 31));
    p.setBrush(surround);
    p.drawEllipse(c, 88.0, 88.0);

    // Cone: lit from the upper left.
    QRadialGradient cone(c, 74.0, c + QPointF(-26.0, -30.0));
    cone.setColorAt(0.0, QColor(132, 184, 250));
    cone.setColorAt(0.55, QColor(56, 118, 214));
    cone.setColorAt(1.0, QColor(24, 66, 148));
    p.setBrush(cone);
    p.drawEllipse(c, 74.0, 74.0);

    // Dust cap with a soft highlight.
    QRadialGradient cap(c, 30.0, c + QPointF(-10.0, -12.0));
    cap.setColorAt(0.0, QColor(236, 243, 255));
    cap.setColorAt(0.6, QColor(150, 186, 236));
    cap.setColorAt(1.0, QColor(74, 116, 186));
    p.setPen(QPen(QColor(20, 52, 112), 3.0));
    p.setBrush(cap);
    p.drawEllipse(c, 30.0, 30.0);

    if (!detailed) return;

    // Sheet badge: a small white table in the lower right corner.
    const QRectF sheet(170.0, 176.0, 66.0, 52.0);
    p.setPen(QPen(QColor(42, 49, 60), 4.0));
    p.setBrush(Qt::white);
    p.drawRoundedRect(sheet, 6.0, 6.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(56, 118, 214));
    p.drawRect(QRectF(sheet.left() + 2.0, sheet.top() + 2.0, sheet.width() - 4.0, 11.0));
    p.setPen(QPen(QColor(120, 130, 145), 2.5));
    for (int row = 1; row <= 2; ++row) {
        const qreal y = sheet.top() + 13.0 + row * 12.5;
        p.drawLine(QPointF(sheet.left() + 4.0, y), QPointF(sheet.right() - 4.0, y));
    }
    const qreal x = sheet.left() + 26.0;
    p.drawLine(QPointF(x, sheet.top() + 13.0), QPointF(x, sheet.bottom() - 4.0));
}

// ------------------------------------------------------------------ table

using Drawer = void (*)(QPainter&, const QSizeF&);

struct ImageEntry {
    const char* name;
    QSize size; // points
    Drawer draw;
    bool withRetina; // also write NAME@2x.png
};

const ImageEntry kImages[] = {
    {"NumberBuleBack", {63, 21}, drawBluePlate, true},
    {"TitleBuleBack", {130, 22}, drawBluePlate, true},
    {"ExplanationBuleBack", {190, 22}, drawBluePlate, true},
    {"UpArrow", {16, 16}, drawUpArrow, true},
    {"DownArrow", {16, 16}, drawDownArrow, true},
    {"TarnwellButton",
     {172, 50},
     [](QPainter& p, const QSizeF& s) { drawChooserButton(p, s, "Tarnwell", Emblem::Tower, false); },
     true},
    {"TarnwellDefaultButton",
     {172, 50},
     [](QPainter& p, const QSizeF& s) { drawChooserButton(p, s, "Tarnwell", Emblem::Tower, true); },
     true},
    {"FellmarkButton",
     {172, 50},
     [](QPainter& p, const QSizeF& s) { drawChooserButton(p, s, "Fellmark", Emblem::PortedBox, false); },
     true},
    {"FellmarkDefaultButton",
     {172, 50},
     [](QPainter& p, const QSizeF& s) { drawChooserButton(p, s, "Fellmark", Emblem::PortedBox, true); },
     true},
    {"BecklineButton",
     {172, 50},
     [](QPainter& p, const QSizeF& s) { drawChooserButton(p, s, "Beckline", Emblem::Horn, false); },
     true},
    {"BecklineDefaultButton",
     {172, 50},
     [](QPainter& p, const QSizeF& s) { drawChooserButton(p, s, "Beckline", Emblem::Horn, true); },
     true},
    {"merestone", {256, 256}, drawAppIcon, false},
    {"merestone-64", {64, 64}, drawAppIcon, false},
    {"merestone-32", {32, 32}, drawAppIcon, false},
};

// Draws one entry at the given scale and saves it. Returns false on failure.
bool render(const ImageEntry& entry, int scale, const QDir& outDir)
{
    QImage image(entry.size * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
        painter.scale(scale, scale);
        entry.draw(painter, QSizeF(entry.size));
    }
    // Set after painting so the painter does not apply the ratio a second time.
    image.setDevicePixelRatio(scale);

    QString fileName = QString::fromLatin1(entry.name);
    if (scale != 1) fileName += QStringLiteral("@%1x").arg(scale);
    fileName += QStringLiteral(".png");

    const QString path = outDir.filePath(fileName);
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "image_builder: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);

    if (argc != 2) {
        std::fprintf(stderr, "usage: image_builder <output-folder>\n");
        return 2;
    }

    const QString outPath = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(outPath)) {
        std::fprintf(stderr, "image_builder: cannot create %s\n", argv[1]);
        return 1;
    }
    const QDir outDir(outPath);

    int failures = 0;
    for (const ImageEntry& entry : kImages) {
        if (!render(entry, 1, outDir)) ++failures;
        if (entry.withRetina && !render(entry, 2, outDir)) ++failures;
    }
    return failures == 0 ? 0 : 1;
}
