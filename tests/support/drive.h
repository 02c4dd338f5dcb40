// Drives the program's windows with real events, as a person would, and
// reads back what they show. Test fixtures take these in as a base class.
#pragma once

#include "app/ids.h"
#include "platform/services.h"
#include "platform/test_access.h"
#include "sheet/draw_sheet.h"
#include "sheet/sheet_globals.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScrollBar>
#include <QTest>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <string>

struct Drive {
    // At the control's centre unless told where.
    static void ClickControl(int window, int control, QPoint at = {})
    {
        QTest::mouseClick(ControlWidget(window, control), Qt::LeftButton, {}, at);
    }
    static void ClickSheet(int x, int y) { QTest::mouseClick(ContentWidget(kMainWnd), Qt::LeftButton, {}, {x, y}); }
    // Makes the window active first, then presses the key on the target, or on the window itself.
    static void KeyIn(int window, Qt::Key key, Qt::KeyboardModifiers mods = {}, QWidget* target = nullptr)
    {
        QApplication::setActiveWindow(WindowWidget(window));
        QTest::keyClick(target ? target : WindowWidget(window), key, mods);
    }
    // Where the keyboard focus is, or on the sheet when nothing has it; the active window is left as it is.
    static void SheetKey(Qt::Key key, Qt::KeyboardModifiers mods = {}, int times = 1)
    {
        for (int k = 0; k < times; ++k) {
            QWidget* focus = QApplication::focusWidget();
            QTest::keyClick(focus ? focus : ContentWidget(kMainWnd), key, mods);
        }
    }
    static void RightClickSheet(QPoint at)
    {
        QContextMenuEvent click(QContextMenuEvent::Mouse, at, ContentWidget(kMainWnd)->mapToGlobal(at));
        QApplication::sendEvent(ContentWidget(kMainWnd), &click);
    }
    // 120 is one notch of the wheel, turned away from the person.
    static void Wheel(int window, QPoint at, int angle)
    {
        QWheelEvent e(at, at, QPoint(), QPoint(0, angle), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(ContentWidget(window), &e);
    }
    // Selects the cell and redraws the sheet, which stores what the field held.
    static void Select(int column, int row)
    {
        cellH = static_cast<std::int16_t>(column);
        cellV = static_cast<std::int16_t>(row);
        DrawSheet();
    }
    static QLineEdit* SheetField() { return qobject_cast<QLineEdit*>(ControlWidget(kMainWnd, kEditFieldCtl)); }
    static QScrollBar* SheetBar() { return qobject_cast<QScrollBar*>(ControlWidget(kMainWnd, kScrollBarCtl)); }
    static QString LabelText(int window, int control)
    {
        return qobject_cast<QLabel*>(ControlWidget(window, control))->text();
    }
    static QString ClipboardText() { return QGuiApplication::clipboard()->text(); }
    static void SetClipboardText(const QString& text) { QGuiApplication::clipboard()->setText(text); }
    static int Beeps(const std::function<void()>& action)
    {
        const int before = SysBeepCount();
        action();
        return SysBeepCount() - before;
    }
    // The message box of that object name on show, or null.
    static QMessageBox* ShownAlert(const char* name = "SheetAlert")
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == name && w->isVisible()) return qobject_cast<QMessageBox*>(w);
        return nullptr;
    }
    // Whether the last drawing drew exactly this text, in this font and size when they are given.
    static bool Drew(const std::string& text, int fontNum = 0, double size = 0)
    {
        return std::ranges::any_of(LastDrawnTexts(), [&](const DrawnText& t) {
            return t.text == text && (fontNum == 0 || t.fontNum == fontNum) && (size == 0 || t.size == size);
        });
    }
    // Writes the file, and its folder when there is none; answers its path.
    static QString WriteFile(const QString& path, const QByteArray& bytes)
    {
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size()) << path.toStdString();
        return path;
    }
};
