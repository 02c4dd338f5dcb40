#include "docs/file_windows.h"

#include "app/app_globals.h"
#include "app/ids.h"
#include "app/menu_bar.h"
#include "app/quit.h"
#include "docs/doc_globals.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/services.h"
#include "platform/windows.h"

namespace {

constexpr unsigned kErrorRed = 0xFF5A00; // 65535, 23000, 0 of 65535
constexpr TextStyle kSecondText{};

void BuildFileErrorWindow(int window, StandardIcon icon, const char* text, float size, const char* button)
{
    CreateDialogWindow(window, 0, 430, 125, "");
    CreateIcon(window, kFileErrIconCtl, LTRB(16, 16, 80, 80), icon);
    CreateIcon(window, kFileErrAppIconCtl, LTRB(48, 48, 80, 80), StandardIcon::Application);
    CreateStaticText(window, kFileErrTextCtl, LTRB(98, 22, 420, 42), text, TextStyle{1, size, false, false, kErrorRed});
    CreateStaticText(window, kFileErrSecondTextCtl, LTRB(98, 52, 420, 68), "This file must drag & drop to Ashgrove.",
                     kSecondText);
    CreatePushButton(window, kFileErrButtonCtl, LTRB(340, 85, 410, 105), button);
    ShowWindow(window);
}

} // namespace

void FileDoesNotOpenWnd()
{
    BuildFileErrorWindow(kFileDoesNotOpenWnd, StandardIcon::Caution, "File error.  This file doesn't open.", 17.0f,
                         "OK");
}

void FileDoesNotOpenOk()
{
    DisposeWindow(kFileDoesNotOpenWnd);
    if (MainWndOpenFlag == 1)
        MenuEnable();
    else
        InitMenu1();
    FileErrFlag = 0;
}

void FileErrQuitWnd()
{
    BuildFileErrorWindow(kFileErrQuitWnd, StandardIcon::Stop, "File error.  Merestone must Quit !", 16.0f, "Quit");
}

void FileErrQuitButton()
{
    QuitApplication();
}

void ShowFileErrorAlert(const std::string& path, const std::string& description)
{
    // "Continue" is the safe answer: Return, Escape and closing the alert
    // keep the program and the unsaved sheet.
    RunButtonAlert("The program returned a file error.\nFile ref:1\n" + description + "\n" + path, {"Stop", "Continue"},
                   1, [](int button) {
                       if (button == 0) ExitApplication(1); // Stop: at once, nothing more is written
                   });
}
