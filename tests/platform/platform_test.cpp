// The platform layer driven through real Qt events.
#include "platform/controls.h"
#include "platform/events.h"
#include "platform/menus.h"
#include "platform/test_seams.h"
#include "platform/windows.h"
#include "support/drive.h"

#include <QPushButton>
#include <QTemporaryFile>
#include <QUrl>
#include <vector>

namespace {

using Ints = std::vector<int>;

Ints gCommands; // the commands carried out, as menu * 100 + item
std::vector<WindowEvent> gWindowEvents;
std::vector<ControlEvent> gControlEvents;
int gKeyAnswer = kEventNotHandled;

class Platform : public ::testing::Test, public Drive {
protected:
    void SetUp() override
    {
        ResetPlatformForTests();
        gCommands.clear(), gWindowEvents.clear(), gControlEvents.clear();
        gKeyAnswer = kEventNotHandled;
        InstallCommandHandler([](const MenuCommand& c) {
            gCommands.push_back(c.menu * 100 + c.item);
            return c.menu == 9 ? kEventNotHandled : 0;
        });
        InstallWindowEventHandler([](const WindowEvent& e) {
            if (e.kind >= WindowEventKind::MouseDown) gWindowEvents.push_back(e); // input only
            return e.kind == WindowEventKind::KeyDown ? gKeyAnswer : kEventNotHandled;
        });
        InstallControlHitHandler([](const ControlEvent& e) {
            gControlEvents.push_back(e);
            return 0;
        });
    }
    void TearDown() override { ResetPlatformForTests(); }
};

TEST_F(Platform, MenuItemsShortcutsAndMenuButtons)
{
    CreateMenu(1, "File");
    AppendMenuItem(1, "New", 'N');
    AppendMenuItem(1, "-");
    AppendMenuItem(1, "Save As...", 'S', kModShift);
    AppendMenuItem(1, "Prefs", ',');
    InsertMenuInBar(1);
    EXPECT_EQ(std::pair(MenuItemCount(1), MenuItemText(1, 3)), std::pair(4, std::string("Save As..."))); // "-" counts
    EXPECT_EQ((std::vector<std::string>{MenuItemShortcut(1, 1), MenuItemShortcut(1, 3), MenuItemShortcut(1, 4)}),
              (std::vector<std::string>{"Ctrl+N", "Ctrl+Shift+S", "Ctrl+,"}));
    EXPECT_EQ((Ints{ChooseMenuItem(1, 3), ChooseMenuItem(1, 2)}), (Ints{0, kEventNotHandled})); // "-" does nothing
    EXPECT_EQ(gCommands, (Ints{103}));
    // Disabled items and disabled titles carry nothing out; an item keeps its own state under its title.
    SetMenuItemEnabled(1, 4, false);
    SetMenuEnabled(1, false);
    EXPECT_EQ((std::tuple{ChooseMenuItem(1, 1), MenuItemIsEnabled(1, 1)}), std::tuple(kEventNotHandled, true));
    SetMenuEnabled(1, true);
    EXPECT_EQ((Ints{ChooseMenuItem(1, 4), ChooseMenuItem(1, 1)}), (Ints{kEventNotHandled, 0}));
    // One set of menus serves every window, its shortcuts too; a menu item's button follows the item.
    CreateMenuBarWindow(7, 300, 100, "One");
    CreateMenuItemButton(7, 1, LTRB(10, 10, 100, 30), "New", 1, 1);
    ShowWindow(7);
    KeyIn(7, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(gCommands, (Ints{103, 101, 101}));
    auto* button = static_cast<QPushButton*>(ControlWidget(7, 1));
    SetMenuItemEnabled(1, 1, false);
    EXPECT_FALSE(button->isEnabled());
    SetMenuItemEnabled(1, 1, true);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(gCommands, (Ints{103, 101, 101, 101}));
}

TEST_F(Platform, DocumentWindowTitleScrollBarInputAndTheStandardWindowMenu)
{
    CreateDocumentWindow(1, LTRB(0, 44, 941, 444));
    SetWindowTitle(1, Str255("drivers[*].spdata"));
    EXPECT_EQ(WindowWidget(1)->windowTitle(), "drivers[*][*].spdata[*]");
    // The arrows report their part and leave the value to the handler.
    CreateScrollBar(1, 3, LTRB(926, 81, 941, 385), 0, 0, 10);
    SetControlViewSize(1, 3, 20);
    auto* bar = static_cast<QScrollBar*>(ControlWidget(1, 3));
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
    Ints parts;
    for (const ControlEvent& e : gControlEvents) parts.push_back(e.part);
    EXPECT_EQ(std::tuple(parts, bar->value()), std::tuple(Ints{kPartDownArrow, kPartPageDown, kPartUpArrow}, 0));
    SetControlValue(1, 3, 99);
    EXPECT_EQ(GetControlValue(1, 3), 10); // clamped to the range
    // Keys, mouse and wheel reach the window handler.
    CreateEditField(1, 2, LTRB(205, 17, 335, 33), Str255(""), TextStyle{});
    ShowWindow(1);
    QApplication::setActiveWindow(WindowWidget(1));
    SetKeyboardFocus(1, 2);
    auto* field = static_cast<QLineEdit*>(ControlWidget(1, 2));
    QTest::keyClick(field, Qt::Key_A);
    gKeyAnswer = 0;
    QTest::keyClick(field, Qt::Key_B);
    QTest::keyClick(field, Qt::Key_Down, Qt::AltModifier);
    QTest::keyClick(field, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(field->text(), "a"); // the handled keys never reached the field
    const std::vector<WindowEvent> keys = std::exchange(gWindowEvents, {});
    ASSERT_EQ(keys.size(), 4u);
    EXPECT_EQ((Ints{keys[0].charCode, keys[2].charCode, int(keys[2].modifiers), keys[3].charCode}),
              (Ints{'a', kKeyDown, kModOption, kKeyEnter}));
    // Mouse and wheel arrive in content coordinates.
    QTest::mouseClick(ContentWidget(1), Qt::LeftButton, {}, QPoint(300, 120));
    QTest::mouseDClick(ContentWidget(1), Qt::LeftButton, {}, QPoint(300, 120));
    Wheel(1, {300, 120}, -240);
    const std::vector<WindowEvent>& mouse = gWindowEvents;
    ASSERT_GE(mouse.size(), 3u);
    EXPECT_EQ((Ints{mouse[0].x, mouse[0].y, mouse[0].clickCount}), (Ints{300, 120, 1}));
    EXPECT_EQ((Ints{int(mouse.back().kind), mouse.back().wheelDelta}), (Ints{int(WindowEventKind::MouseWheel), -2}));
    EXPECT_TRUE(std::any_of(mouse.begin(), mouse.end(), [](const WindowEvent& e) { return e.clickCount == 2; }));
    CreateStandardWindowMenu(9); // the standard Window menu acts when the program does not
    InsertMenuInBar(9);
    ChooseMenuItem(9, 1);
    EXPECT_TRUE(WindowWidget(1)->isMinimized());
}

TEST_F(Platform, SheetsAreWindowModalAndLeaveEscapeToTheProgram)
{
    CreateDocumentWindow(1, LTRB(0, 44, 941, 444));
    ShowWindow(1);
    CreateDialogWindow(2, 1, 300, 200, "Calc");
    CreatePushButton(2, 50, LTRB(200, 160, 280, 180), "OK");
    ShowWindow(2);
    ASSERT_TRUE(WindowIsVisible(2) && WindowIsSheet(2));
    EXPECT_EQ(WindowWidget(2)->windowModality(), Qt::WindowModal);
    EXPECT_EQ((std::pair{WindowWidget(2)->parentWidget(), ControlWidget(2, 50)->parentWidget()}),
              (std::pair{WindowWidget(1), ContentWidget(2)}));
    KeyIn(2, Qt::Key_Escape);
    EXPECT_TRUE(WindowIsVisible(2)); // Escape is the program's to handle
    ASSERT_FALSE(gWindowEvents.empty());
    EXPECT_EQ((Ints{gWindowEvents.back().window, gWindowEvents.back().charCode}), (Ints{2, kKeyEscape}));
    ClickControl(2, 50);
    ASSERT_FALSE(gControlEvents.empty());
    EXPECT_EQ((Ints{gControlEvents.back().window, gControlEvents.back().control}), (Ints{2, 50}));
    DisposeWindow(1); // disposing the parent leaves no dangling sheet behind
    DisposeWindow(2);
    EXPECT_FALSE(WindowExists(2));
}

TEST_F(Platform, OneShotTimersAndOpeningWithTheDefaultProgram)
{
    static int fired = 0;
    fired = 0;
    InstallOneShotTimer(1, 1, [] { fired += 1; });
    InstallOneShotTimer(1, 1, [] { fired += 10; }); // fires once, in place of the first
    QTest::qWait(30);
    EXPECT_EQ((std::pair{fired, TimerIsPending(1)}), (std::pair{10, false}));
    std::vector<std::string> opened; // opening needs a file or a URL
    SetUrlOpener([&](const std::string& url) {
        opened.push_back(url);
        return true;
    });
    QTemporaryFile file;
    ASSERT_TRUE(file.open());
    EXPECT_EQ((Ints{OpenFileWithDefaultApp("/no/such/file.pdf"), OpenUrlWithDefaultApp("not a url"),
                    OpenUrlWithDefaultApp("mailto:support@kelvane.example"),
                    OpenFileWithDefaultApp(file.fileName().toStdString())}),
              (Ints{-50, -50, 0, 0}));
    SetUrlOpener({});
    EXPECT_EQ(opened,
              (std::vector<std::string>{"mailto:support@kelvane.example",
                                        QUrl::fromLocalFile(file.fileName()).toString().toStdString()}));
}

} // namespace
