// The sibling link through the real handlers: each keyword a sibling sends, the model-select sequence and its windows,
// the hand-over and the quit requests. What goes out is recorded at the bus; programs started are recorded, not run.
#include "docs/desktop_open.h"
#include "docs/doc_globals.h"
#include "docs/doc_lifecycle.h"
#include "docs/file_panels.h"
#include "link/launch.h"
#include "link/link_globals.h"
#include "link/link_messages.h"
#include "link/messages.h"
#include "platform/controls.h"
#include "platform/menus.h"
#include "platform/open_requests.h"
#include "platform/preferences.h"
#include "platform/suite_bus.h"
#include "platform/windows.h"
#include "support/app_fixture.h"
#include "support/drive.h"

#include <QDBusConnection>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>

namespace {

using Texts = std::vector<std::string>;
using Ints = std::vector<int>;

class LinkTest : public AppTest, public Drive {
protected:
    // A folder of the test's own comes first on PATH; it holds no sibling until one is installed.
    LinkTest() { qputenv("PATH", bin_.path().toUtf8() + ':' + path_); }
    ~LinkTest() override { qputenv("PATH", path_); }
    // Only these siblings are installed: programs of their names on PATH.
    void Install(const Texts& names)
    {
        for (const char* n : {"tarnwell", "fellmark", "beckline"}) QFile::remove(bin_.filePath(QLatin1String(n)));
        for (const std::string& n : names)
            QFile::setPermissions(WriteFile(bin_.filePath(QString::fromStdString(n)), {}),
                                  QFile::ReadOwner | QFile::ExeOwner);
        CheckAppExists();
    }
    static void Receive(std::string_view message, std::uint32_t eventClass = kMereClass)
    {
        DoAppleEvent(eventClass, kTextEventId, std::string(message));
        ProcessEvents();
    }
    // What went out since the last look, as "Receiver:message".
    Texts Sent()
    {
        Texts out;
        for (const SentSuiteEvent& e : std::exchange(sent, {})) out.push_back(e.processName + ":" + e.message);
        return out;
    }
    Texts Started()
    {
        Texts names;
        for (const std::string& p : std::exchange(started, {})) names.push_back(p.substr(p.rfind('/') + 1));
        return names;
    }
    void OpenSavedSheet()
    {
        OpenSheetOf(3);
        fileUrl = dir_.filePath(QStringLiteral("a.spdata")).toStdString();
        fileName1 = Str255("a.spdata");
        ASSERT_TRUE(SaveSSTFile());
        sent.clear();
    }
    // A CSV file of one model, Kestrel T25, beside the sheet.
    std::string WriteCsv() { return WriteFile(dir_.filePath("b.csv"), "Kestrel T25,Tweeter,2.5,1500\n").toStdString(); }

    QTemporaryDir bin_, dir_;
    const QByteArray path_ = qgetenv("PATH");
};

TEST_F(LinkTest, KeywordsSettleTheOpenAppAndAnswer)
{
    Install({"tarnwell", "fellmark", "beckline"});
    OpenSavedSheet();
    // The message, the open app after it, what was sent and started.
    const std::tuple<std::string, const char*, Texts, Texts> cases[] = {
        {"SetMeDefaultMereFromTarn", "BootTarn", {}, {}},
        {"SetMeDefaultMereFromFell", "BootFell", {}, {}},
        {"SetMeDefaultMereFromBeck", "BootBeck", {}, {}},
        {"ActivateMeMereFromMere", "BootTarn", {}, {"tarnwell"}},
        {"ActivateMeMereFromBeck", "BootBeck", {}, {"beckline"}},
        {"BootedMereFromTarn", "BootTarn", {"Tarnwell:StopActivateTarnFromMere"}, {}},
        {"BootedMereFromBeck", "BootBeck", {"Beckline:StopActivateBeckFromMere"}, {}},
        {"BootedMereFromFell", "BootFell", {"Fellmark:YesBootedMere"}, {}},
        {"BootedMereFromFell", "BootFell", {}, {}}, // Fellmark is told once
        // Nothing else is a keyword: other letter case, more bytes, the
        // first 255 of a longer message, another event class (below).
        {"SetMeDefaultMereFromtarn", "BootFell", {}, {}},
        {"SetMeDefaultMereFromTarn ", "BootFell", {}, {}},
        {"showmere", "BootFell", {}, {}},
        {"SetMeDefaultMereFromTarn" + std::string(276, ' '), "BootFell", {}, {}},
        {"SetMeDefaultMereFromBeck" + std::string(231, 'x') + "ShowMere", "BootFell", {}, {}},
    };
    for (const auto& [message, openApp, sentOut, startedOut] : cases) {
        SCOPED_TRACE(message);
        OpenAppFlag = 0;
        Receive(message);
        EXPECT_EQ((std::tuple{s_OpenApp, Sent(), Started()}), (std::tuple{Str255(openApp), sentOut, startedOut}));
    }
    Receive("SetMeDefaultMereFromTarn", FourCharCode("Tarn"));
    // A sibling started with no document of Merestone's to take over: Fellmark stays.
    SetDocumentUntitled();
    Receive("BootedMereFromTarn");
    EXPECT_EQ((std::pair{s_OpenApp, Sent()}), (std::pair{Str255("BootFell"), Texts{}}));
}

TEST_F(LinkTest, HideShowAndTheHeldBackDesktopOpen)
{
    Install({"fellmark"});
    OpenSavedSheet();
    cellH = 5;
    Receive("HideMere");
    EXPECT_EQ(Started(), Texts{"fellmark"}); // the only sibling is the open app
    EXPECT_FALSE(WindowIsVisible(kMainWnd) || MenuIsEnabled(kFileMenu)
                 || MenuItemIsEnabled(kMiscMenu, kShowSelectLaunchItem));
    EXPECT_TRUE(MenuIsEnabled(kMiscMenu) && MenuItemIsEnabled(kMiscMenu, kShowMerestoneItem));
    cellH = 0;
    DeliverOpenDocuments({}); // launched again: back as Show Merestone brings it
    EXPECT_EQ((Ints{WindowIsVisible(kMainWnd), MenuIsEnabled(kFileMenu), cellH}), (Ints{1, 1, 5}));
    EXPECT_EQ(Sent(), (Texts{"Tarnwell:HideTarn", "Fellmark:HideFell", "Beckline:HideBeck"}));
    Receive("HideMere");
    Receive("ShowMere");
    EXPECT_TRUE(WindowIsVisible(kMainWnd) && MenuIsEnabled(kFileMenu) && Sent().empty());
    // A desktop open tells the siblings; one asks to wait, then to go on.
    const std::string csv = WriteCsv();
    Receive("OpenFileMereFromTarn"); // nothing was held back: the sheet stays (fNum below)
    HandleOpenDoc({csv});
    EXPECT_EQ(Sent(),
              (Texts{"Tarnwell:BootedTarnFromMereByFile", "Fellmark:BootedFellFromMereByFile",
                     "Beckline:BootedBeckFromMereByFile"}));
    Receive("StopOpenFileMereFromBeck");
    EXPECT_EQ((Ints{FileGateFlag, fNum}), (Ints{1, 3}));
    Receive("OpenFileMereFromBeck");
    EXPECT_EQ((std::pair{Row(1).name, int(FileGateFlag)}), (std::pair{Str255("Kestrel T25"), 0}));
    EXPECT_EQ(Sent(), (Texts{"Tarnwell:HideTarn", "Fellmark:HideFell", "Beckline:HideBeck"})); // the file has the front
    Receive("HideMere"); // over unsaved changes the hidden sheet comes back for the prompt
    DirtyFlag = 1;
    HandleOpenDoc({csv});
    Receive("OpenFileMereFromBeck");
    EXPECT_EQ(std::tuple(WindowIsVisible(kMainWnd), dialogs.back().kind), std::tuple(true, DialogRequest::SavePrompt));
}

TEST_F(LinkTest, TheSelectLaunchWindowCyclesOverTheInstalledSiblings)
{
    // The siblings installed; OpenAppNum after each of three Tabs, then three Up arrows.
    const std::tuple<Texts, Ints, Ints> cases[] = {
        {{"tarnwell", "fellmark", "beckline"}, {2, 3, 1}, {3, 2, 1}},
        {{"tarnwell", "beckline"}, {3, 1, 3}, {1, 3, 1}},
        {{"tarnwell", "fellmark"}, {2, 1, 2}, {1, 2, 1}},
        {{"fellmark", "beckline"}, {3, 2, 3}, {2, 3, 2}},
        {{"beckline"}, {3, 3, 3}, {3, 3, 3}},
        {{"fellmark"}, {2, 2, 2}, {2, 2, 2}},
    };
    OpenSavedSheet();
    for (const auto& [installed, down, up] : cases) {
        SCOPED_TRACE(installed.size());
        Install(installed);
        ScrollBtn = 1;
        ChooseMenuItem(kMiscMenu, kShowSelectLaunchItem);
        ASSERT_TRUE(WindowIsVisible(kSelectLaunchWnd));
        EXPECT_EQ((Ints{ScrollBtn, PreScrollBtn, MenuIsEnabled(kFileMenu)}), (Ints{0, 1, 0})); // the sheet holds still
        Ints tabs, ups;
        for (int k = 0; k < 3; ++k) KeyIn(kSelectLaunchWnd, Qt::Key_Tab), tabs.push_back(OpenAppNum);
        for (int k = 0; k < 3; ++k) KeyIn(kSelectLaunchWnd, Qt::Key_Up), ups.push_back(OpenAppNum);
        EXPECT_EQ((std::pair{tabs, ups}), (std::pair{down, up}));
        for (int n = kTarnwell; n <= kBeckline; ++n)
            EXPECT_EQ(ControlIsEnabled(kSelectLaunchWnd, 24 + n), SiblingInstalled(n)) << n;
        // Escape, or Cancel: the model stays unsent.
        installed.size() == 1 ? ClickControl(kSelectLaunchWnd, kSelLaunchCancelCtl)
                              : KeyIn(kSelectLaunchWnd, Qt::Key_Escape);
        EXPECT_EQ((Ints{WindowExists(kSelectLaunchWnd), WindowIsVisible(kMainWnd), MenuIsEnabled(kFileMenu),
                        ModelSelFlag, int(Started().size()), ScrollBtn, PreScrollBtn}),
                  (Ints{0, 1, 1, 0, 0, 1, 0}));
    }
    DirtyFlag = 1; // unsaved changes: the save prompt comes first, with the menus off
    ChooseMenuItem(kMiscMenu, kShowSelectLaunchItem);
    EXPECT_EQ(std::tuple(dialogs.back().kind, menusOnAtDialog.back(), WindowExists(kSelectLaunchWnd)),
              std::tuple(DialogRequest::SavePrompt, false, false));
    // Don't Save reads the file again: a model added since and selected is gone, and the first row is selected.
    DirtyFlag = 1, fNum = 4, cellV = 4;
    answers.push_back("Don't Save");
    ChooseMenuItem(kMiscMenu, kShowSelectLaunchItem);
    ASSERT_EQ(std::tuple(fNum, cellV, cellH, ShownAlert() != nullptr, WindowExists(kSelectLaunchWnd)),
              std::tuple(3, 1, 0, true, false));
    ShownAlert()->close();
    // Select with changes asks first too; after Don't Save the window comes up as the preferences ask, though
    // Fellmark is settled.
    DirtyFlag = 1, OpenAppFlag = 1;
    answers.push_back("Don't Save");
    ClickControl(kMainWnd, kSelectCtl);
    EXPECT_EQ(std::tuple(menusOnAtDialog.back(), WindowIsVisible(kSelectLaunchWnd)), std::tuple(false, true));
    KeyIn(kSelectLaunchWnd, Qt::Key_Escape); // asked not to show it: the model goes to the settled sibling
    DirtyFlag = 1, OpenAppFlag = 1, ShowSelAppCheck = 0;
    answers.push_back("Don't Save");
    Sent();
    ClickControl(kMainWnd, kSelectCtl);
    EXPECT_EQ(
        std::tuple(WindowIsVisible(kMainWnd), MenuItemIsEnabled(kMiscMenu, kShowMerestoneItem), Sent(), Started()),
        std::tuple(false, true, Texts{"Tarnwell:QuitTarn", "Beckline:QuitBeck"}, Texts{"fellmark"}));
    ChooseMenuItem(kMiscMenu, kShowMerestoneItem); // an untitled sheet is saved through Save As, then the model goes
    SetDocumentUntitled(), DirtyFlag = 1, OpenAppFlag = 1;
    answers = {"Save", dir_.filePath("c.spdata").toStdString()};
    ClickControl(kMainWnd, kSelectCtl);
    EXPECT_EQ(std::tuple(QFile::exists(dir_.filePath("c.spdata")), WindowIsVisible(kMainWnd), Started()),
              std::tuple(true, false, Texts{"fellmark"}));
    ChooseMenuItem(kMiscMenu, kShowMerestoneItem); // asked for, the window comes after the prompt though one is settled
    DirtyFlag = 1;
    answers.push_back("Don't Save");
    ChooseMenuItem(kMiscMenu, kShowSelectLaunchItem);
    EXPECT_TRUE(WindowIsVisible(kSelectLaunchWnd));
}

TEST_F(LinkTest, TheDefaultSiblingAndQuitFromTheSelectLaunchWindow)
{
    Install({"tarnwell", "fellmark", "beckline"});
    OpenSavedSheet();
    DefaultAppCheck = 1, DefaultAppNum = 3; // the preferences name Beckline
    ShowSelAppCheck = FastOpenFlag = 0;
    ClickControl(kMainWnd, kSelectCtl);
    EXPECT_EQ((std::tuple{s_OpenApp, int(FastOpenFlag), Started()}),
              (std::tuple{Str255("BootBeck"), 1, Texts{"beckline"}}));
    ChooseMenuItem(kMiscMenu, kShowMerestoneItem);
    ShowSelAppCheck = 1;
    Sent();
    ClickControl(kMainWnd, kSelectCtl);
    ClickControl(kSelectLaunchWnd, kSelLaunchQuitCtl);
    EXPECT_EQ(Sent(), (Texts{"Tarnwell:QuitTarn", "Fellmark:QuitFell", "Beckline:QuitBeck"}));
    EXPECT_EQ(std::pair(exitStatus, PrefInteger("DefaultAppNum")), std::pair(0, std::optional(3))); // saved first
    EXPECT_EQ(SuiteBusName("Tarnwell", 42), "com.kelvane.Suite.Tarnwell.i42");
    EXPECT_EQ(SuiteBusName("3D Box-1_a", 7), "com.kelvane.Suite._33D_20Box_2D1_a.i7"); // what a bus name may hold
}

TEST_F(LinkTest, ChoosingASiblingSendsItTheModel)
{
    Install({"tarnwell", "fellmark", "beckline"});
    OpenSavedSheet();
    Row(2).name = Str255("Halden HW170"), Row(2).Param(kColFs) = 28.0f;
    cellV = 2, cellH = 3, ScrollBtn = 1;
    ClickControl(kMainWnd, kSelectCtl); // no sibling settled yet: the window asks
    EXPECT_EQ(GetControlText(kSelectLaunchWnd, kSelLaunchModelCtl), Str255("Halden HW170"));
    ClickControl(kSelectLaunchWnd, kSelLaunchBeckCtl); // the Misc menu leads back to the sheet
    EXPECT_EQ(
        (Ints{WindowExists(kSelectLaunchWnd), WindowIsVisible(kMainWnd), MenuIsEnabled(kMiscMenu),
              MenuItemIsEnabled(kMiscMenu, kShowMerestoneItem), MenuItemIsEnabled(kMiscMenu, kShowSelectLaunchItem)}),
        (Ints{0, 0, 1, 1, 0}));
    EXPECT_EQ((std::tuple{s_OpenApp, int(OpenAppFlag), int(FastOpenFlag), int(cellH), int(cellHbak), int(ScrollBtn),
                          int(PreScrollBtn), int(ModelSelFlag)}),
              (std::tuple{Str255("BootBeck"), 1, 1, 0, 3, 1, 0, 0}));
    // Quit once on the choice and again on the send, which waits until Beckline is on the bus.
    EXPECT_EQ(Sent(), (Texts{"Tarnwell:QuitTarn", "Fellmark:QuitFell", "Tarnwell:QuitTarn", "Fellmark:QuitFell"}));
    EXPECT_EQ((std::pair{Started(), TimerIsPending(kSendModelTimer)}), (std::pair{Texts{"beckline"}, true}));
    // Settled: the next Select sends at once, unless the window is asked for (there Return: Beckline again).
    for (int ask : {0, 1}) {
        ChooseMenuItem(kMiscMenu, kShowMerestoneItem);
        ShowSelAppCheck = ask;
        ClickControl(kMainWnd, kSelectCtl);
        EXPECT_EQ(WindowIsVisible(kSelectLaunchWnd), ask == 1);
        if (ask == 1) KeyIn(kSelectLaunchWnd, Qt::Key_Return);
        EXPECT_EQ((std::tuple{WindowExists(kSelectLaunchWnd), WindowIsVisible(kMainWnd), Started()}),
                  (std::tuple{false, false, Texts{"beckline"}}));
    }
    // The parameter message: "DUMMY#", two blanks and the model text.
    EXPECT_EQ(ParameterValueToTextForSendAppleEvent(2).str(),
              "DUMMY#  Halden HW170     0   28   0   0   0   0   0   0   0   0   0   0   0  \r");
    Row(2).name = Str255(std::string(200, 'N')); // cut at 255 bytes
    EXPECT_EQ(ParameterValueToTextForSendAppleEvent(2).str(),
              "DUMMY#  " + std::string(200, 'N') + "     0   28   0   0   0   0   0   0   0   0   0");
}

TEST_F(LinkTest, OnlyFellmarkInstalledThatNeverComesOrNone)
{
    // At start-up a lone sibling is settled as the open app: the siblings installed, then OpenAppNum,
    // s_OpenApp, FastOpenFlag and OpenAppFlag.
    const std::tuple<Texts, int, const char*, int, int> cases[] = {
        {{"tarnwell"}, 1, "BootTarn", 0, 1},
        {{"beckline"}, 3, "BootBeck", 1, 1},
        {{"fellmark", "beckline"}, 2, "null", 0, 0},
        {{"tarnwell", "beckline"}, 1, "null", 0, 0},
        {{}, 1, "null", 0, 0},
        {{"fellmark"}, 2, "BootFell", 1, 1},
    };
    for (const auto& [installed, openAppNum, openApp, fastOpen, settled] : cases) {
        LinkGlobalsDefaults();
        Install(installed);
        EXPECT_EQ((std::tuple{OpenAppNum, s_OpenApp, int(FastOpenFlag), int(OpenAppFlag)}),
                  (std::tuple{openAppNum, Str255(openApp), fastOpen, settled}))
            << installed.size();
    }
    OpenSheetOf(2);
    DirtyFlag = 0;
    ShowSelAppCheck = 0; // not asked which
    const int beeps = SysBeepCount();
    ClickControl(kMainWnd, kSelectCtl);
    EXPECT_FALSE(WindowExists(kSelectLaunchWnd) || WindowIsVisible(kMainWnd));
    EXPECT_EQ((std::pair{Started(), Sent()}),
              (std::pair{Texts{"fellmark"}, Texts{"Tarnwell:QuitTarn", "Beckline:QuitBeck"}}));
    // Fellmark never comes onto the bus: after 10 s the model stays, with a beep and the main window back.
    EXPECT_FALSE(QTest::qWaitFor([] { return WindowIsVisible(kMainWnd); }, 9000));
    EXPECT_TRUE(QTest::qWaitFor([] { return WindowIsVisible(kMainWnd); }, 6000));
    EXPECT_EQ((std::tuple{SysBeepCount(), Sent(), MenuIsEnabled(kFileMenu)}), (std::tuple{beeps + 1, Texts{}, true}));
    Install({});
    EXPECT_EQ(OpenAppNum, 1);
    ChooseMenuItem(kMiscMenu, kShowMerestoneItem);
    OpenAppFlag = 0;
    ClickControl(kMainWnd, kSelectCtl);
    EXPECT_EQ((Ints{WindowIsVisible(kMissingAppWnd), MenuIsEnabled(kFileMenu)}), (Ints{1, 0}));
    KeyIn(kMissingAppWnd, Qt::Key_A);
    EXPECT_TRUE(WindowIsVisible(kMissingAppWnd));
    KeyIn(kMissingAppWnd, Qt::Key_Escape);
    EXPECT_EQ((Ints{WindowExists(kMissingAppWnd), MenuIsEnabled(kFileMenu), ModelSelFlag}), (Ints{0, 1, 0}));
    ClickControl(kMainWnd, kSelectCtl);
    ClickControl(kMissingAppWnd, kMissingQuitCtl); // the preferences are saved before the end
    EXPECT_EQ(std::pair(exitStatus, PrefInteger("ShowSelAppCheck")), std::pair(0, std::optional(0)));
}

TEST_F(LinkTest, HandOverAndQuitMereAskFirstWhenChangesAreUnsaved)
{
    Install({"tarnwell", "beckline"});
    OpenSavedSheet();
    Receive("BootedMereFromTarnByFile"); // nothing unsaved: over at once
    EXPECT_EQ(Sent(), (Texts{"Tarnwell:IamFreeFromMere", "Beckline:QuitBeck", "Fellmark:QuitFell"}));
    EXPECT_EQ(s_OpenApp, Str255("BootTarn"));
    EXPECT_FALSE(WindowIsVisible(kMainWnd) || MenuIsEnabled(kFileMenu));
    ChooseMenuItem(kMiscMenu, kShowMerestoneItem);
    Sent();
    for (const char* answer : {"Save", "Don't Save"}) {
        SCOPED_TRACE(answer);
        Row(1).name = Str255(answer);
        DirtyFlag = 1, cellH = 4;
        Receive("BootedMereFromBeckByFile");
        EXPECT_EQ(Sent(), (Texts{"Beckline:StopOpenFileBeckFromMere", "Tarnwell:ActivateMeTarnFromMere"}));
        ASSERT_TRUE(WindowIsVisible(kHandOverSaveWnd) && !MenuIsEnabled(kFileMenu));
        FileGateFlag = 1;
        KeyIn(kHandOverSaveWnd, Qt::Key_A); // only Return answers from the keyboard: Save
        if (std::string(answer) == "Save")
            KeyIn(kHandOverSaveWnd, Qt::Key_Return);
        else
            ClickControl(kHandOverSaveWnd, kHandOverDontSaveCtl);
        EXPECT_EQ((std::pair{Sent(), Started()}), (std::pair{Texts{"Tarnwell:IamFreeFromMere"}, Texts{"tarnwell"}}));
        EXPECT_EQ((Ints{FileGateFlag, cellH, cellHbak, DirtyFlag}), (Ints{0, 0, 4, 0}));
        EXPECT_FALSE(WindowExists(kHandOverSaveWnd) || WindowIsVisible(kMainWnd));
        fNum = 4, Row(4).Param(kColFs) = 99.0f; // a model added since: reading the file again leaves no trace of it
        ReOpenSSTFile();
        EXPECT_EQ(std::tuple(Row(1).name, fNum, Row(4).Param(kColFs)), std::tuple(Str255("Save"), 3, 0.0f));
        ChooseMenuItem(kMiscMenu, kShowMerestoneItem);
        Sent();
    }
    // QuitMere never throws away unsaved work either.
    for (const char* answer : {"Cancel", "Don't Save"}) {
        DirtyFlag = 1;
        HideWindow(kMainWnd);
        answers.push_back(answer);
        Receive("QuitMere");
        EXPECT_EQ(dialogs.back().kind, DialogRequest::SavePrompt);
        EXPECT_TRUE(WindowIsVisible(kMainWnd) || exitStatus == 0);
        EXPECT_EQ(exitStatus, std::string(answer) == "Cancel" ? -1 : 0) << answer;
    }
    exitStatus = -1;
    const std::size_t prompts = dialogs.size();
    DirtyFlag = 1, QuitFlag = 1; // with the prompt up already, no second one
    Receive("QuitMere");
    DirtyFlag = QuitFlag = 0, DefaultAppNum = 2;
    Receive("QuitMere"); // nothing unsaved: the preferences are saved and the program ends at once
    EXPECT_EQ(std::tuple(exitStatus, dialogs.size(), PrefInteger("DefaultAppNum")),
              std::tuple(0, prompts, std::optional(2)));
}

// The stand-in sibling as a real process on the real session bus: one test, so no two of them meet on the bus.
TEST_F(LinkTest, TheStandInSiblingThroughTheSessionBus)
{
    if (!QDBusConnection::sessionBus().isConnected()) GTEST_SKIP() << "no session bus";
    const auto sendFromSibling = [](const QStringList& args) {
        QProcess p;
        p.start(QStringLiteral(MERESTONE_SIBLING), args);
        ASSERT_TRUE(p.waitForFinished(10000));
    };
    QTemporaryDir logs;
    qputenv("MERESTONE_SIBLING_LOG_DIR", logs.path().toUtf8());
    for (const char* n : {"tarnwell", "fellmark", "beckline"})
        ASSERT_TRUE(QFile::link(QStringLiteral(MERESTONE_SIBLING), bin_.filePath(QLatin1String(n))));
    CheckAppExists();
    SetSessionBusUse(true);
    SetProgramStarter({});
    InstallMessageHandler();
    OpenSavedSheet();
    // Tarnwell is not running: it is started and gets the whole model, cut at 255 bytes, once it is on the bus.
    Row(1).name = Str255(std::string(240, 'N'));
    s_OpenApp = Str255("BootTarn");
    OpenAppFlag = FastOpenFlag = 1, ShowSelAppCheck = 0;
    ClickControl(kMainWnd, kSelectCtl);
    const QByteArray model
        = "Tarn TEXT " + QByteArray::fromStdString(ParameterValueToTextForSendAppleEvent(1).str()).toHex();
    const auto logged = [&] {
        QFile log(logs.filePath(QStringLiteral("Tarnwell.log")));
        return log.open(QIODevice::ReadOnly) && log.readAll().contains(model + '\n');
    };
    EXPECT_TRUE(QTest::qWaitFor(logged, 12000));
    // With a sibling running, a desktop open waits for its answer; the
    // sibling's own words reach Merestone from another process.
    const std::string csv = WriteCsv();
    HandleOpenDoc({csv});
    ProcessEvents();
    EXPECT_TRUE(TimerIsPending(kFileOpenTimer));
    sendFromSibling({"--send", "StopOpenFileMereFromTarn"});
    EXPECT_TRUE(QTest::qWaitFor([] { return FileGateFlag == 1; }, 5000));
    sendFromSibling({"--send", "OpenFileMereFromTarn"});
    EXPECT_TRUE(QTest::qWaitFor([] { return Row(1).name == Str255("Kestrel T25"); }, 5000));
    EXPECT_FALSE(TimerIsPending(kFileOpenTimer)); // opened once, not again when the pause ends
    // Another class is no keyword from another process either (the other non-keywords are settled in process, above);
    // a burst of keywords is handled as it comes.
    HideWindow(kMainWnd);
    ProcessEvents();
    ASSERT_FALSE(WindowIsVisible(kMainWnd));
    sendFromSibling({"--class", "Xxxx", "--send", "ShowMere"});
    QElapsedTimer burst;
    burst.start();
    sendFromSibling({"--send", "SetMeDefaultMereFromFell", "--repeat", "1000", "--send", "SetMeDefaultMereFromBeck"});
    EXPECT_TRUE(QTest::qWaitFor([] { return s_OpenApp == Str255("BootBeck"); }, 10000));
    std::printf("1,001 messages sent and handled in %lld ms\n", static_cast<long long>(burst.elapsed()));
    EXPECT_FALSE(WindowIsVisible(kMainWnd));
    sendFromSibling({"--send", "ShowMere"});
    EXPECT_TRUE(QTest::qWaitFor([] { return WindowIsVisible(kMainWnd); }, 5000));
    // Quitting tells the siblings; with none left, a desktop open goes on at once.
    SendQuitToSiblings();
    EXPECT_TRUE(QTest::qWaitFor([] { return !AnySiblingRunning(); }, 5000));
    HandleOpenDoc({csv});
    ProcessEvents();
    EXPECT_FALSE(TimerIsPending(kFileOpenTimer));
    qunsetenv("MERESTONE_SIBLING_LOG_DIR");
}

} // namespace
