#include "platform/drawing.h"

#include "platform/fonts.h"
#include "platform/internal.h"
#include "platform/mac_roman.h"
#include "platform/test_access.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <QPen>
#include <QStaticText>

namespace {

QPainter* gPainter = nullptr; // the current drawing target, if any
bool gPrinting = false;       // the target is a printed page

QColor ColourOf(Rgb c)
{
    return QColor::fromRgbF(c.r, c.g, c.b);
}

QRectF RectOf(double x0, double y0, double x1, double y1)
{
    return QRectF(QPointF(x0, y0), QPointF(x1, y1)).normalized();
}

// The sheet draws the same few hundred short texts at every redraw; laying
// each out once makes a redraw several times faster. A laid-out text with
// its glyph cache costs some 4.5 KB, so the cache keeps to a budget in bytes
// and, when it is full, lets go of the texts the last two drawings did not
// use: a scrolling sheet keeps the rows on screen and forgets those it left.
struct TextLayout {
    QFont font;
    QStaticText text;
    qreal ascent;
    int lastUse; // the drawing that last drew it
};

constexpr qsizetype kLayoutBytes = 4608;     // one entry, its glyph cache included
constexpr qsizetype kLayoutBudget = 8 << 20; // about 1,800 entries: a tall window's worth
int gDrawing = 0;                            // counts the window drawings

QHash<QString, TextLayout>& LayoutCache()
{
    static QHash<QString, TextLayout> cache;
    return cache;
}

void MakeRoomForLayouts()
{
    QHash<QString, TextLayout>& cache = LayoutCache();
    if (cache.size() * kLayoutBytes < kLayoutBudget) return;
    // First what neither this drawing nor the one before used, then what this
    // one has not used yet, then everything.
    for (int keepFrom : {gDrawing - 1, gDrawing}) {
        for (auto it = cache.begin(); it != cache.end();) it = it->lastUse < keepFrom ? cache.erase(it) : std::next(it);
        if (cache.size() * kLayoutBytes < kLayoutBudget) return;
    }
    cache.clear();
}

const TextLayout& LaidOut(const Str255& text, int fontNum, double size)
{
    QHash<QString, TextLayout>& cache = LayoutCache();
    const QString key = QString::number(fontNum) + QLatin1Char('/') + QString::number(size) + QLatin1Char('/')
        + QLatin1String(text.data(), qsizetype(text.size()));
    auto it = cache.find(key);
    if (it != cache.end()) {
        it->lastUse = gDrawing;
        return *it;
    }
    MakeRoomForLayouts();
    TextLayout layout{ProgramFont(fontNum, float(size)), QStaticText(ToQString(text)), 0, gDrawing};
    layout.text.setTextFormat(Qt::PlainText);
    layout.text.setPerformanceHint(QStaticText::AggressiveCaching);
    layout.text.prepare(QTransform(), layout.font);
    layout.ascent = QFontMetricsF(layout.font).ascent();
    return *cache.insert(key, layout);
}

bool gRecordTexts = false;

std::vector<DrawnText>& DrawnTexts()
{
    static std::vector<DrawnText> texts;
    return texts;
}

std::string& DrawingRecord()
{
    static std::string record;
    return record;
}

void StartRecord()
{
    DrawnTexts().clear();
    DrawingRecord().clear();
}

// Two decimals: finer than any pixel, and the same on every machine.
void Record(const char* what, std::initializer_list<double> numbers, Rgb colour, const Str255& text = {})
{
    if (!gRecordTexts) return;
    QString line = QLatin1String(what);
    for (double n : numbers) line += QLatin1Char(' ') + QString::number(n, 'f', 2);
    line += QLatin1Char(' ') + ColourOf(colour).name();
    if (!text.empty()) line += QStringLiteral(" \"") + ToQString(text) + QLatin1Char('"');
    DrawingRecord() += line.toStdString() + '\n';
}

} // namespace

void RecordDrawnTexts(bool on)
{
    gRecordTexts = on;
    StartRecord();
}

std::vector<DrawnText> LastDrawnTexts()
{
    return DrawnTexts();
}

std::string LastDrawingRecord()
{
    return DrawingRecord();
}

namespace platform {

QImage& ContentView::Buffer()
{
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = size() * ratio;
    if (buffer_.size() != pixels || buffer_.devicePixelRatio() != ratio) {
        buffer_ = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
        buffer_.setDevicePixelRatio(ratio);
        buffer_.fill(Qt::white);
    }
    return buffer_;
}

void ContentView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (buffer_.isNull())
        p.fillRect(rect(), palette().window());
    else
        p.drawImage(QPointF(0, 0), buffer_);
}

} // namespace platform

using namespace platform;

void platform::SetPrintPainter(QPainter* painter)
{
    gPainter = painter;
    gPrinting = painter != nullptr;
    if (painter) StartRecord();
}

bool BeginWindowDrawing(int window)
{
    ContentView* content = ContentOf(window);
    if (!content || gPainter) return false;
    StartRecord();
    ++gDrawing;
    gPainter = new QPainter(&content->Buffer());
    gPainter->setRenderHint(QPainter::Antialiasing);
    gPainter->setRenderHint(QPainter::TextAntialiasing);
    return true;
}

void EndWindowDrawing(int window)
{
    delete gPainter;
    gPainter = nullptr;
    if (ContentView* content = ContentOf(window)) content->repaint();
}

void DrawFillRect(double x0, double y0, double x1, double y1, Rgb colour)
{
    if (!gPainter) return;
    Record("fill", {x0, y0, x1, y1}, colour);
    gPainter->fillRect(RectOf(x0, y0, x1, y1), ColourOf(colour));
}

void DrawFrameRect(double x0, double y0, double x1, double y1, Rgb colour, double lineWidth)
{
    if (!gPainter) return;
    Record("frame", {x0, y0, x1, y1, lineWidth}, colour);
    // On paper, four bands: Qt's PDF engine loses a stroked rectangle from
    // every job after the first on one printer.
    if (gPrinting) {
        const QRectF r = RectOf(x0, y0, x1, y1);
        const double h = lineWidth / 2;
        const QColor c = ColourOf(colour);
        gPainter->fillRect(QRectF(QPointF(r.left() - h, r.top() - h), QPointF(r.right() + h, r.top() + h)), c);
        gPainter->fillRect(QRectF(QPointF(r.left() - h, r.bottom() - h), QPointF(r.right() + h, r.bottom() + h)), c);
        gPainter->fillRect(QRectF(QPointF(r.left() - h, r.top() + h), QPointF(r.left() + h, r.bottom() - h)), c);
        gPainter->fillRect(QRectF(QPointF(r.right() - h, r.top() + h), QPointF(r.right() + h, r.bottom() - h)), c);
        return;
    }
    gPainter->setPen(QPen(ColourOf(colour), lineWidth));
    gPainter->setBrush(Qt::NoBrush);
    gPainter->drawRect(RectOf(x0, y0, x1, y1));
}

void DrawLine(double x0, double y0, double x1, double y1, Rgb colour, double lineWidth, int dash)
{
    if (!gPainter) return;
    Record("line", {x0, y0, x1, y1, lineWidth, double(dash)}, colour);
    // A solid line along an axis is a thin rectangle: the same pixels, filled
    // far faster than a stroked path.
    if (dash == 0 && (x0 == x1 || y0 == y1)) {
        const double half = lineWidth / 2;
        const QRectF r = x0 == x1 ? RectOf(x0 - half, y0, x0 + half, y1) : RectOf(x0, y0 - half, x1, y0 + half);
        gPainter->fillRect(r, ColourOf(colour));
        return;
    }
    QPen pen(ColourOf(colour), lineWidth, Qt::SolidLine, Qt::FlatCap);
    if (dash == 1) pen.setDashPattern({1.0 / lineWidth, 3.0 / lineWidth});
    if (dash == 2) pen.setDashPattern({1.0 / lineWidth, 1.0 / lineWidth});
    gPainter->setPen(pen);
    gPainter->drawLine(QPointF(x0, y0), QPointF(x1, y1));
}

void DrawText(const Str255& text, double x, double y, int fontNum, double size, Rgb colour)
{
    if (!gPainter) return;
    if (gRecordTexts) DrawnTexts().push_back({text.str(), x, y, fontNum, size});
    Record("text", {x, y, double(fontNum), size}, colour, text);
    // Paper gets the text itself, laid out for the printer's resolution.
    if (gPrinting) {
        static QHash<int, QFont> fonts; // a page sets the same three or four thousands of times
        const int key = fontNum * 1000 + int(size * 10);
        auto font = fonts.find(key);
        if (font == fonts.end()) font = fonts.insert(key, ProgramFont(fontNum, float(size)));
        gPainter->setFont(*font);
        gPainter->setPen(ColourOf(colour));
        gPainter->drawText(QPointF(x, y), ToQString(text));
        return;
    }
    const TextLayout& layout = LaidOut(text, fontNum, size);
    gPainter->setFont(layout.font);
    gPainter->setPen(ColourOf(colour));
    // A static text is placed by its top; the baseline lies the ascent below.
    gPainter->drawStaticText(QPointF(x, y - layout.ascent), layout.text);
}

double TextWidth(const Str255& text, int fontNum, double size)
{
    // Measured with the font's metrics: laying a text out only to measure it
    // cost a layout for every size a fitting loop tries.
    static QHash<int, QFontMetricsF> metrics;
    const int key = fontNum * 1000 + int(size * 10);
    auto it = metrics.find(key);
    if (it == metrics.end()) it = metrics.insert(key, QFontMetricsF(ProgramFont(fontNum, float(size))));
    return it->horizontalAdvance(ToQString(text));
}

void DrawErase(double x0, double y0, double x1, double y1)
{
    if (!gPainter) return;
    Record("erase", {x0, y0, x1, y1}, {1, 1, 1});
    gPainter->fillRect(RectOf(x0, y0, x1, y1), Qt::white);
}
