// The platform layer driven through real Qt events.
#include "platform/controls.h"
#include "platform/events.h"
#include "platform/menus.h"
#include "platform/services.h"
#include "platform/test_access.h"
#include "platform/test_seams.h"
#include "platform/windows.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryFile>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>
#include <vector>

namespace {

std::vector<MenuCommand> gCommands;
std::vector<WindowEvent> gWindowEvents;
std::vector<ControlEvent> gControlEvents;
int gKeyAnswer = kEventNotHandled;

class Platform : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetPlatformForTests();
        gCommands.clear();
        gWindowEvents.clear();
        gControlEvents.clear();
        gKeyAnswer = kEventNotHandled;
        InstallCommandHandler([](const MenuCommand& c) {
            gCommands.push_back(c);
            return c.menu == 9 ? kEventNotHandled : 0;
        });
        InstallWindowEventHandler([](const WindowEvent& e) {
            gWindowEvents.push_back(e);
            return e.kind == WindowEventKind::KeyDown ? gKeyAnswer : kEventNotHandled;
        });
        InstallControlHitHandler([](const ControlEvent& e) {
            gControlEvents.push_back(e);
            return 0;
        });
    }
    void TearDown() override { ResetPlatformForTests(); }
};

TEST_F(Platform, MenuItemsCountSeparatorsAndCarryShortcuts)
{
    CreateMenu(1, "File");
    AppendMenuItem(1, "New", 'N');
    AppendMenuItem(1, "-");
    AppendMenuItem(1, "Save As...", 'S', kModShift);
    AppendMenuItem(1, "Prefs", ',');
    InsertMenuInBar(1);
    EXPECT_EQ(MenuItemCount(1), 4);
    EXPECT_EQ(MenuItemText(1, 3), "Save As...");
    EXPECT_EQ(MenuItemShortcut(1, 1), "Ctrl+N");
    EXPECT_EQ(MenuItemShortcut(1, 3), "Ctrl+Shift+S");
    EXPECT_EQ(MenuItemShortcut(1, 4), "Ctrl+,");
    EXPECT_EQ(ChooseMenuItem(1, 3), 0);
    ASSERT_EQ(gCommands.size(), 1u);
    EXPECT_EQ(gCommands[0].menu, 1);
    EXPECT_EQ(gCommands[0].item, 3);
    EXPECT_EQ(ChooseMenuItem(1, 2), kEventNotHandled); // a separator does nothing
    EXPECT_EQ(gCommands.size(), 1u);
}

TEST_F(Platform, DisabledItemsAndTitlesCarryNothingOut)
{
    CreateMenu(1, "File");
    AppendMenuItem(1, "New", 'N');
    AppendMenuItem(1, "Open", 'O');
    InsertMenuInBar(1);
    SetMenuItemEnabled(1, 2, false);
    EXPECT_EQ(ChooseMenuItem(1, 2), kEventNotHandled);
    SetMenuEnabled(1, false);
    EXPECT_EQ(ChooseMenuItem(1, 1), kEventNotHandled);
    EXPECT_TRUE(MenuItemIsEnabled(1, 1)); // the item keeps its own state under the title
    SetMenuEnabled(1, true);
    EXPECT_EQ(ChooseMenuItem(1, 1), 0);
    EXPECT_EQ(gCommands.size(), 1u);
}

TEST_F(Platform, OneSetOfMenusServesEveryWindowAndItsShortcuts)
{
    CreateMenu(1, "File");
    AppendMenuItem(1, "New", 'N');
    InsertMenuInBar(1);
    CreateMenuBarWindow(7, 300, 100, "One");
    CreateMenuItemButton(7, 1, LTRB(10, 10, 100, 30), "New", 1, 1);
    ShowWindow(7);
    QApplication::setActiveWindow(WindowWidget(7));
    QTest::keyClick(WindowWidget(7), Qt::Key_N, Qt::ControlModifier);
    ASSERT_EQ(gCommands.size(), 1u);
    EXPECT_EQ(gCommands[0].item, 1);

    auto* button = static_cast<QPushButton*>(ControlWidget(7, 1));
    SetMenuItemEnabled(1, 1, false);
    EXPECT_FALSE(button->isEnabled()); // the button follows the item
    SetMenuItemEnabled(1, 1, true);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(gCommands.size(), 2u);
}

TEST_F(Platform, StandardWindowMenuActsWhenTheProgramDoesNot)
{
    CreateStandardWindowMenu(9);
    InsertMenuInBar(9);
    CreateDocumentWindow(1, LTRB(0, 44, 941, 444));
    ShowWindow(1);
    QApplication::setActiveWindow(WindowWidget(1));
    ChooseMenuItem(9, 1);
    EXPECT_TRUE(WindowWidget(1)->isMinimized());
}

TEST_F(Platform, ScrollBarArrowsReportAndLeaveTheValueToTheHandler)
{
    CreateDocumentWindow(1, LTRB(0, 44, 941, 444));
    CreateScrollBar(1, 3, LTRB(926, 81, 941, 385), 0, 0, 10);
    SetControlViewSize(1, 3, 20);
    auto* bar = static_cast<QScrollBar*>(ControlWidget(1, 3));
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
    ASSERT_EQ(gControlEvents.size(), 3u);
    EXPECT_EQ(gControlEvents[0].part, kPartDownArrow);
    EXPECT_EQ(gControlEvents[1].part, kPartPageDown);
    EXPECT_EQ(gControlEvents[2].part, kPartUpArrow);
    EXPECT_EQ(bar->value(), 0);
    SetControlValue(1, 3, 99);
    EXPECT_EQ(GetControlValue(1, 3), 10); // clamped to the range
}

TEST_F(Platform, KeysReachTheWindowHandlerBeforeTheField)
{
    CreateDocumentWindow(1, LTRB(0, 44, 941, 444));
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
    std::vector<WindowEvent> keys;
    for (const WindowEvent& e : gWindowEvents)
        if (e.kind == WindowEventKind::KeyDown) keys.push_back(e);
    ASSERT_EQ(keys.size(), 4u);
    EXPECT_EQ(keys[0].charCode, 'a');
    EXPECT_EQ(keys[2].charCode, kKeyDown);
    EXPECT_EQ(keys[2].modifiers, unsigned(kModOption));
    EXPECT_EQ(keys[3].charCode, kKeyEnter);
}

TEST_F(Platform, MouseAndWheelArriveInContentCoordinates)
{
    CreateDocumentWindow(1, LTRB(0, 44, 941, 444));
    ShowWindow(1);
    QTest::mouseClick(ContentWidget(1), Qt::LeftButton, {}, QPoint(300, 120));
    QTest::mouseDClick(ContentWidget(1), Qt::LeftButton, {}, QPoint(300, 120));
    QWheelEvent wheel(QPointF(300, 120), QPointF(300, 120), QPoint(), QPoint(0, -240), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(ContentWidget(1), &wheel);
    std::vector<WindowEvent> mouse;
    for (const WindowEvent& e : gWindowEvents)
        if (e.kind == WindowEventKind::MouseDown || e.kind == WindowEventKind::MouseWheel) mouse.push_back(e);
    ASSERT_GE(mouse.size(), 3u);
    EXPECT_EQ(mouse[0].x, 300);
    EXPECT_EQ(mouse[0].y, 120);
    EXPECT_EQ(mouse[0].clickCount, 1);
    EXPECT_EQ(mouse.back().kind, WindowEventKind::MouseWheel);
    EXPECT_EQ(mouse.back().wheelDelta, -2);
    bool sawDouble = false;
    for (const WindowEvent& e : mouse) sawDouble |= e.clickCount == 2;
    EXPECT_TRUE(sawDouble);
}

TEST_F(Platform, SheetsAreWindowModalAndLeaveEscapeToTheProgram)
{
    CreateDocumentWindow(1, LTRB(0, 44, 941, 444));
    ShowWindow(1);
    CreateDialogWindow(2, 1, 300, 200, "Calc");
    CreatePushButton(2, 50, LTRB(200, 160, 280, 180), "OK");
    ShowWindow(2);
    ASSERT_TRUE(WindowIsVisible(2));
    EXPECT_TRUE(WindowIsSheet(2));
    EXPECT_EQ(WindowWidget(2)->windowModality(), Qt::WindowModal);
    EXPECT_EQ(WindowWidget(2)->parentWidget(), WindowWidget(1));
    EXPECT_EQ(ContentWidget(2)->size(), QSize(300, 200));
    EXPECT_EQ(ControlWidget(2, 50)->parentWidget(), ContentWidget(2));

    QApplication::setActiveWindow(WindowWidget(2));
    QTest::keyClick(WindowWidget(2), Qt::Key_Escape);
    EXPECT_TRUE(WindowIsVisible(2)); // Escape is the program's to handle
    ASSERT_FALSE(gWindowEvents.empty());
    EXPECT_EQ(gWindowEvents.back().window, 2);
    EXPECT_EQ(gWindowEvents.back().charCode, kKeyEscape);

    QTest::mouseClick(ControlWidget(2, 50), Qt::LeftButton);
    ASSERT_FALSE(gControlEvents.empty());
    EXPECT_EQ(gControlEvents.back().window, 2);
    EXPECT_EQ(gControlEvents.back().control, 50);

    DisposeWindow(1); // disposing the parent leaves no dangling sheet behind
    DisposeWindow(2);
    EXPECT_FALSE(WindowExists(2));
}

TEST_F(Platform, TitleCarriesTheModifiedMark)
{
    CreateDocumentWindow(1, LTRB(0, 44, 941, 444));
    SetWindowTitle(1, Str255("drivers[*].spdata"));
    SetWindowModifiedMark(1, true);
    EXPECT_TRUE(WindowModifiedMark(1));
    EXPECT_EQ(WindowWidget(1)->windowTitle(), "drivers[*][*].spdata[*]");
    SetWindowModifiedMark(1, false);
    EXPECT_FALSE(WindowModifiedMark(1));
}

TEST_F(Platform, OneShotTimersFireOnceAndReplaceEachOther)
{
    static int fired = 0;
    fired = 0;
    InstallOneShotTimer(1, 1, [] { fired += 1; });
    InstallOneShotTimer(1, 1, [] { fired += 10; });
    EXPECT_TRUE(TimerIsPending(1));
    QTest::qWait(30);
    EXPECT_EQ(fired, 10);
    EXPECT_FALSE(TimerIsPending(1));
    QTest::qWait(10);
    EXPECT_EQ(fired, 10);
}

TEST_F(Platform, BeepsAreCounted)
{
    const int before = SysBeepCount();
    SysBeep();
    SysBeep();
    EXPECT_EQ(SysBeepCount(), before + 2);
}

TEST_F(Platform, OpeningNeedsAFileOrAUrl)
{
    std::vector<std::string> opened;
    SetUrlOpener([&](const std::string& url) {
        opened.push_back(url);
        return true;
    });
    EXPECT_EQ(OpenFileWithDefaultApp("/no/such/file.pdf"), -50);
    EXPECT_EQ(OpenUrlWithDefaultApp("not a url"), -50);
    EXPECT_EQ(OpenUrlWithDefaultApp("mailto:support@kelvane.example"), 0);
    QTemporaryFile file;
    ASSERT_TRUE(file.open());
    EXPECT_EQ(OpenFileWithDefaultApp(file.fileName().toStdString()), 0);
    SetUrlOpener({});
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[1], QUrl::fromLocalFile(file.fileName()).toString().toStdString());
}

} // namespace
