// The document tests' fixture: a started program, a folder of its own for
// files, and the helpers that open, edit and read them back.
#pragma once

#include "app/ids.h"
#include "docs/sheet_format.h"
#include "platform/menus.h"
#include "sheet/draw_sheet.h"
#include "sheet/sheet_globals.h"
#include "support/app_fixture.h"

#include <QApplication>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <sstream>

inline const std::string kLine1
    = "W-165,Woofer, 16.5, 38.2, 25.123, 0.35, 0.4, 3.1, 0.87, 6.2, 60, 132.7, 4.5, 59.72, 0.45\r";
inline const std::string kLine2 = "T-25,Tweeter, 2.5, 1200, 0.01, 0.6, 0.8, 2.4, 0.3, 4.8, 80, 7.1, 0.3, 0.21, 0.05\r";

class Lifecycle : public AppTest {
protected:
    std::string Path(const std::string& name) const { return (dir.path() + "/").toStdString() + name; }

    std::string Write(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(Path(name), std::ios::binary) << bytes;
        return Path(name);
    }

    static std::string Read(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::stringstream all;
        all << in.rdbuf();
        return all.str();
    }

    void OpenThroughPanel(const std::string& path)
    {
        answers.push_back(path);
        ChooseMenuItem(kFileMenu, kOpenItem);
    }

    // The last dialog shown, which the test expects to exist.
    const DialogRequest& Last() const { return dialogs.back(); }

    static void Edit()
    {
        Row(1).Param(kColFs) = 41.0f;
        DrawSheet();
    }

    static void WaitForOpenTimer()
    {
        QTest::qWait(260);
        ProcessEvents();
    }

    static QMessageBox* SheetAlert()
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == "SheetAlert" && w->isVisible()) return qobject_cast<QMessageBox*>(w);
        return nullptr;
    }

    QTemporaryDir dir;
};
