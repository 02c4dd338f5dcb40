// The fixed layouts under a dark theme and a large desktop font: every text stands out from what is behind it and
// keeps inside its place, in the main window, the calculators and an alert.
#include "app/alerts.h"
#include "calc/calc_steps.h"
#include "calc/calc_window.h"
#include "platform/menus.h"
#include "sheet/scroll_bar.h"
#include "support/app_fixture.h"
#include "support/drive.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QTabBar>

namespace {

QPalette DarkPalette()
{
    QPalette p(QColor(53, 53, 53), QColor(53, 53, 53));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(role, QColor(230, 230, 230));
    p.setColor(QPalette::Base, QColor(35, 35, 35));
    return p;
}

double Luminance(QRgb c)
{
    const auto channel = [](double s) { return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(qRed(c) / 255.0) + 0.7152 * channel(qGreen(c) / 255.0) + 0.0722 * channel(qBlue(c) / 255.0);
}

// A text in a picture: the commonest colour of its place is the background, and every pixel far from it is ink.
struct Ink {
    double contrast = 1.0; // the strongest ink against the background
    QRect box;             // where the ink lies
};

Ink InkIn(const QImage& image, const QRect& place)
{
    QHash<QRgb, int> counts;
    for (int y = place.top(); y <= place.bottom(); ++y)
        for (int x = place.left(); x <= place.right(); ++x) ++counts[image.pixel(x, y)];
    const double back = Luminance(std::max_element(counts.cbegin(), counts.cend()).key());
    Ink ink;
    for (int y = place.top(); y <= place.bottom(); ++y)
        for (int x = place.left(); x <= place.right(); ++x) {
            const double l = Luminance(image.pixel(x, y));
            const double c = (std::max(l, back) + 0.05) / (std::min(l, back) + 0.05);
            if (c < 1.5) continue;
            ink.contrast = std::max(ink.contrast, c);
            ink.box |= QRect(x, y, 1, 1);
        }
    return ink;
}

// The open calculator's controls lie inside its window and clear of one another, and each lies wholly inside or
// wholly outside every frame (a group box, the tab control): the button row cannot ride up into the boxes above it,
// nor the title run past the window's edge.
void ExpectTidyCalculator(QWidget* title)
{
    QWidget* content = ContentWidget(kCalcWnd);
    const auto show = [](QRect r) {
        return QString("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()).toStdString();
    };
    std::vector<QRect> controls, frames;
    for (QWidget* w : content->findChildren<QWidget*>()) {
        const QRect place(w->mapTo(content, QPoint(0, 0)), w->size());
        if (!w->isVisible()) continue;
        EXPECT_TRUE(content->rect().contains(place)) << show(place);
        if (w == title || qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w)) controls.push_back(place);
        if (qobject_cast<QGroupBox*>(w) || w->findChild<QTabBar*>()) frames.push_back(place);
    }
    for (auto a = controls.cbegin(); a != controls.cend(); ++a) {
        for (auto b = a + 1; b != controls.cend(); ++b) EXPECT_FALSE(a->intersects(*b)) << show(*a) << ", " << show(*b);
        for (QRect f : frames) EXPECT_TRUE(f.contains(*a) || !f.intersects(*a)) << show(*a) << " across " << show(f);
    }
}

class Appearance : public AppTest, public Drive {
protected:
    void SetUp() override
    {
        QApplication::setPalette(DarkPalette());
        QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 16));
        AppTest::SetUp();
    }
    void TearDown() override
    {
        AppTest::TearDown();
        QApplication::setPalette(savedPalette_);
        QApplication::setFont(savedFont_);
    }

    // Every text label of a window or box: legible, and whole inside its place.
    static void ExpectReadableLabels(QWidget* content)
    {
        const QImage image = content->grab().toImage();
        int probed = 0;
        for (QLabel* label : content->findChildren<QLabel*>()) {
            if (label->text().isEmpty() || !label->isVisible()) continue;
            const QRect place(label->mapTo(content, QPoint(0, 0)), label->size());
            const Ink ink = InkIn(image, place);
            const std::string text = label->text().toStdString();
            EXPECT_GE(ink.contrast, 3.0) << text;
            // Text cut by its place runs into the edge it is not aligned to.
            const bool right = label->alignment() & Qt::AlignRight, left = label->alignment() & Qt::AlignLeft;
            EXPECT_TRUE(left || ink.box.left() > place.left()) << text << " is cut at the left";
            EXPECT_TRUE(right || ink.box.right() < place.right()) << text << " is cut at the right";
            // An alert's texts wrap; the program's own labels never do.
            const int room = label->wordWrap() ? QWIDGETSIZE_MAX : label->contentsRect().width();
            EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(label->text().split('\n').first()), room) << text;
            ++probed;
        }
        EXPECT_GT(probed, 0);
        // The small fields hold their text in the middle, clear of the edges.
        for (QLineEdit* field : content->findChildren<QLineEdit*>()) {
            if (field->text().isEmpty() || !field->isVisible() || field->height() >= 20) continue;
            const QRect place(field->mapTo(content, QPoint(2, 2)), field->size() - QSize(4, 4));
            const Ink ink = InkIn(image, place);
            EXPECT_GE(ink.contrast, 3.0) << field->text().toStdString();
            EXPECT_NEAR(ink.box.center().y(), place.center().y(), 1.5) << field->text().toStdString();
        }
        for (QAbstractButton* b : content->findChildren<QAbstractButton*>()) {
            if (b->text().isEmpty() || !b->isVisible()) continue;
            EXPECT_LE(QFontMetrics(b->font()).horizontalAdvance(b->text()), b->width() - 4) << b->text().toStdString();
        }
    }

private:
    const QPalette savedPalette_ = QApplication::palette();
    const QFont savedFont_ = QApplication::font();
};

// The calculators and an alert follow the theme. The top bar keeps its light background, and its texts are dark on it,
// also when the theme changes while the window is open; the counter of a full table fits its place too.
TEST_F(Appearance, CalculatorsAlertsAndTheTopBarReadUnderADarkThemeAndALargeFont)
{
    ChooseMenuItem(kFileMenu, kNewItem);
    Select(0, cellV);
    Row(1).name = Str255("KW-380 Reference"); // after the redraw, which stores the field's "n/a" in it
    for (int item = 1; item <= 8; ++item) {
        ChooseMenuItem(kCalcMenu, item);
        SCOPED_TRACE(item);
        ExpectReadableLabels(ContentWidget(kCalcWnd));
        ExpectTidyCalculator(ControlWidget(kCalcWnd, item == kFeetCalc ? kFeetTitleCtl : kCalcTitleCtl));
        KeyIn(kCalcWnd, Qt::Key_Escape); // to the active window: it closes, and the menu is on for the next
        ProcessEvents();
    }
    ShowAlertNumExtra();
    QMessageBox* box = ShownAlert();
    ASSERT_NE(box, nullptr);
    ExpectReadableLabels(box);
    box->close();
    QPalette darker = DarkPalette();
    darker.setColor(QPalette::Window, QColor(30, 30, 30));
    QApplication::setPalette(darker);
    ProcessEvents();
    const QImage image = ContentWidget(kMainWnd)->grab().toImage();
    EXPECT_EQ(QColor(image.pixel(3, 4)), QColor(236, 236, 236));
    for (int control : {kNoLabelCtl, kColumnLabelCtl, kRowCounterCtl}) {
        const Ink ink = InkIn(image, ControlWidget(kMainWnd, control)->geometry());
        EXPECT_GE(ink.contrast, 4.5) << control;
        EXPECT_LT(Luminance(image.pixel(ink.box.center())), 0.5) << control << ": dark text";
    }
    ExpectReadableLabels(ContentWidget(kMainWnd));
    Select(kColFs, cellV); // the column label, the field and the explanation
    ExpectReadableLabels(ContentWidget(kMainWnd));
    fNum = kMaxModels;
    cellV = kMaxModels - 1;
    SetInstallScrollButton();
    DrawSheet();
    ASSERT_EQ(LabelText(kMainWnd, kRowCounterCtl), "32766/32767");
    ExpectReadableLabels(ContentWidget(kMainWnd));
}

} // namespace
