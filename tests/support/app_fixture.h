// A started program with no person in front of it: every test begins from
// the start-up state, and what would be opened or ended is recorded.
#pragma once

#include "platform/dialogs.h"
#include "platform/test_seams.h"

#include <deque>
#include <gtest/gtest.h>
#include <string>
#include <vector>

class QWidget;

class AppTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Handles the events that are due, as the event loop would.
    static void ProcessEvents();
    // A new sheet of models named M1, M2 ... in entry order, the first whole model selected and the main window active.
    static void OpenSheetOf(int models);

    std::vector<std::string> opened;  // URLs handed to the desktop
    std::vector<std::string> started; // programs started, by path
    std::vector<SentSuiteEvent> sent; // events sent to the other programs
    int exitStatus = -1;              // set when the program ended
    // Every panel, prompt and alert the program showed, and the answers the test gives them in turn; with none left,
    // panels are cancelled, prompts get "Cancel" and alerts "Continue".
    std::vector<DialogRequest> dialogs;
    std::vector<bool> menusOnAtDialog; // whether the File menu was on as each came up
    std::deque<std::string> answers;
};
