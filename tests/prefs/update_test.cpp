// The update check and download through the real handlers, against a server
// on 127.0.0.1 that answers as a good, a broken or a hostile one would.
#include "app/bundle.h"
#include "app/startup.h"
#include "docs/doc_globals.h"
#include "platform/controls.h"
#include "platform/menus.h"
#include "platform/preferences.h"
#include "platform/web.h"
#include "platform/windows.h"
#include "prefs/prefs_globals.h"
#include "prefs/update.h"
#include "prefs/update_install.h"
#include "prefs/update_text.h"
#include "sheet/dirty.h"
#include "support/app_fixture.h"
#include "support/drive.h"
#include "support/http_server.h"

#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <optional>

namespace {

using Texts = std::vector<std::string>;
const QByteArray kVersionPath = "/versions/Merestone_version.txt", kZipPath = "/downloads/apps/Merestone.zip";
const Texts kOffer = {"Newer Version is Available.", "Newer Version : 1.2.4\n", "Don't Download", "*Download..."};
const Texts kCurrent = {"This Version is Currently.", "Current Version : 1.2.4", "*OK"};
const Texts kFailed = {"Download is Failed.", "Please try again later.", "*OK"};

class UpdateTest : public AppTest, public Drive {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        SetNetworkMonitorAnswer(1);
        QDir(Downloads()).removeRecursively();
    }
    void TearDown() override
    {
        SetNetworkMonitorAnswer(-1);
        SetDownloadLimits(0, 0);
        AppTest::TearDown();
    }
    // Starts again with an Info.json that names this version and the server.
    void Start(const char* own, const HttpServer& server)
    {
        const QString folder = data_.filePath(QString::number(++starts_));
        const QString info = R"({"CFBundleName": "Merestone", "CFBundleVersion": "%1",
            "CFBundleShortVersionString": "%1", "JapaneseString-1": "Merestone Quick Start.pdf",
            "MerestoneWebHost": "%2", "MerestoneMailAddress": "support@kelvane.example"})";
        WriteFile(folder + "/Info.json", info.arg(own, server.Base()).toUtf8());
        SetDataFolder(folder.toStdString());
        SetPrefInteger("UpdateForCheck", 1);
        ResetPlatformForTests();
        Startup();
    }
    // The window as a check that found 1.2.4 leaves it.
    static void Offer(const HttpServer& server)
    {
        downloadURL = Str255(server.Base().toStdString() + kZipPath.toStdString());
        UpdateOkFlag = 1;
        availStr = Str255("1.2.4");
        UpdateWnd();
    }
    static void CheckFromMenu()
    {
        ChooseMenuItem(kAppMenu, kCheckUpdatesItem);
        WaitForDecision();
    }
    static void WaitForDecision()
    {
        EXPECT_TRUE(QTest::qWaitFor([] { return !TimerIsPending(kUpdateTimer); }));
    }
    static void WaitForOutcome()
    {
        EXPECT_TRUE(QTest::qWaitFor([] { return checkUpdateBtn == kUpdateOutcomeOkCtl; }));
    }
    // The window's two lines, then its buttons left to right: "*" marks the default, "-" one that is off.
    static Texts Shown()
    {
        if (!WindowExists(kUpdateWnd)) return {};
        Texts shown{LabelText(kUpdateWnd, kUpdateFirstLineCtl).toStdString(),
                    LabelText(kUpdateWnd, kUpdateSecondLineCtl).toStdString()};
        for (int b :
             {kUpdateDontDownloadCtl, kUpdateDownloadCtl, kUpdateLaunchInstallerCtl, kUpdateOkCtl, kUpdateOutcomeOkCtl})
            if (auto* w = qobject_cast<QPushButton*>(ControlWidget(kUpdateWnd, b)))
                shown.push_back(std::string(w->isEnabled() ? "" : "-") + (w->isDefault() ? "*" : "")
                                + w->text().toStdString());
        return shown;
    }
    static void Key(Qt::Key key) { KeyIn(kUpdateWnd, key); }
    static void Click(int control) { ClickControl(kUpdateWnd, control); }
    static QString Downloads() { return QStandardPaths::writableLocation(QStandardPaths::DownloadLocation); }
    static QString InDownloads(const char* name) { return Downloads() + "/" + name; }
    static QStringList Files() { return QDir(Downloads()).entryList(QDir::Files | QDir::Hidden, QDir::Name); }
    static std::string Url(const QString& path) { return QUrl::fromLocalFile(path).toString().toStdString(); }

    QTemporaryDir data_;
    int starts_ = 0;
};

// A reply counts when it is text; its version is compared part by part.
TEST(UpdateReply, OnlyTextCountsAndANewerVersionIsOffered)
{
    // The last three are not text; a text over 255 bytes is read, not kept.
    const std::tuple<std::string, const char*, int, std::string> cases[]
        = {{"1.2.4\n", "1.2.4", 0, "1.2.4\n"},
           {"v9.9", "1.0", 0, "v9.9"},
           {"", "0", 0, ""},
           {"9.9\r\n\t ", "1.0", 1, "9.9\r\n\t "},
           {std::string(255, '9'), "1.0", 1, std::string(255, '9')},
           {"9" + std::string(255, ' '), "1.0", 1, ""},
           {"9.9\n\x01", "1.0", 0, ""},
           {"9.9\x1f", "1.0", 0, ""},
           {std::string("9.9\0", 4), "1.0", 0, ""}};
    for (const auto& [body, own, newer, shown] : cases) {
        SCOPED_TRACE(body);
        InitUpdateFlag();
        bundleStr = Str255(own);
        TakeVersionReply(body);
        EXPECT_EQ(std::pair(int(UpdateOkFlag), availStr.str()), std::pair(newer, shown));
    }
}

// Every way a server can fail, or try to mislead or flood the program,
// ends the request as no reply; a chain of five redirects still arrives.
TEST_F(UpdateTest, TheVersionRequestRefusesAllButAShortTextReply)
{
    HttpServer http, https(true);
    const QByteArray fill(4092, '0');
    const std::pair<const char*, HttpRoute> routes[] = {{"/line", {200, "1.2.4\n"}},
                                                        {"/4096", {200, "9.9\n" + fill}},
                                                        {"/4097", {200, "9.9\n0" + fill}},
                                                        {"/endless", {200, "9.9\n", {}, true, 0, 100'000'000}},
                                                        {"/404", {404, "9.9"}},
                                                        {"/500", {500, "9.9"}},
                                                        {"/loop", {302, "", {{"Location", "/loop"}}}},
                                                        {"/r0", {200, "9.9"}}};
    for (const auto& [path, route] : routes) http.Route(path, route);
    for (int k = 1; k <= 6; ++k) // /r6 to /r0 in six redirects
        http.Route("/r" + QByteArray::number(k), {302, "", {{"Location", "/r" + QByteArray::number(k - 1)}}});
    https.Route("/line", {200, "9.9"});
    https.Route("/down", {302, "", {{"Location", http.Base().toUtf8() + "/r0"}}});
    const std::tuple<QString, bool, std::string> cases[] = {
        {http.Base() + "/line", true, "1.2.4\n"}, {http.Base() + "/4096", true, "9.9\n" + fill.toStdString()},
        {http.Base() + "/4097", false, ""},       {http.Base() + "/endless", false, ""},
        {http.Base() + "/404", false, ""},        {http.Base() + "/500", false, ""},
        {http.Base() + "/loop", false, ""},       {http.Base() + "/r5", true, "9.9"},
        {http.Base() + "/r6", false, ""},         {https.Base() + "/line", true, "9.9"},
        {https.Base() + "/down", false, ""}, // HTTPS to plain HTTP
    };
    static std::optional<std::pair<bool, std::string>> reply;
    for (const auto& [url, ok, body] : cases) {
        SCOPED_TRACE(url.toStdString());
        reply.reset();
        RequestShortText(url.toStdString(), kMaxVersionReply, [](bool got, std::string_view text) {
            reply = {got, std::string(text)};
        });
        ASSERT_TRUE(QTest::qWaitFor([] { return reply.has_value(); }, 3000));
        EXPECT_EQ(*reply, std::pair(ok, body));
    }
}

// At start-up the window comes up only for a newer version, and not over
// a file error; from the menu it always comes up.
TEST_F(UpdateTest, StartUpShowsANewerVersionTheMenuAnyAnswer)
{
    HttpServer server;
    server.Route(kVersionPath, {200, "1.2.4\n"});
    for (const auto& [own, fileError, shown] : {std::tuple("1.2.3", 0, kOffer), {"1.2.3", 1, {}}, {"1.2.4", 0, {}}}) {
        SCOPED_TRACE(own + std::to_string(fileError));
        Start(own, server);
        FileErrFlag = static_cast<std::uint8_t>(fileError);
        WaitForDecision();
        EXPECT_EQ(std::tuple(Shown(), int(CheckForUpFlag), MenuIsEnabled(kFileMenu)),
                  std::tuple(shown, 1, shown.empty()));
    }
    ChooseMenuItem(kAppMenu, kCheckUpdatesItem);
    EXPECT_FALSE(MenuItemIsEnabled(kAppMenu, kCheckUpdatesItem));
    WaitForDecision();
    EXPECT_EQ(std::tuple(Shown(), WindowWidget(kUpdateWnd)->windowTitle(), WindowWidget(kUpdateWnd)->windowModality(),
                         ContentWidget(kUpdateWnd)->size(), ControlExists(kUpdateWnd, kUpdateIconCtl),
                         ControlWidget(kUpdateWnd, kUpdateSecondLineCtl)->palette().color(QPalette::WindowText)),
              std::tuple(kCurrent, QString("Merestone Check for Update"), Qt::ApplicationModal, QSize(420, 150), true,
                         QColor(58, 58, 58)));                     // 15000 of 65535
    EXPECT_EQ(GetControlValue(kUpdateWnd, kUpdateCheckBoxCtl), 1); // the box shows the preference and sets it
    Click(kUpdateCheckBoxCtl);
    EXPECT_EQ(UpdateForCheck, 0);
    Key(Qt::Key_Return);
    EXPECT_EQ(std::tuple(WindowExists(kUpdateWnd), MenuIsEnabled(kFileMenu), MenuIsEnabled(kSortMenu)),
              std::tuple(false, true, false));

    SetNetworkMonitorAnswer(0); // the network's line, whatever the server says
    server.Route(kVersionPath, {200, "9.9"});
    CheckFromMenu();
    EXPECT_EQ(Shown(), Texts({"Network Connection Failed.", "Please confirm the network connection.", "*OK"}));
    EXPECT_EQ(GetControlValue(kUpdateWnd, kUpdateCheckBoxCtl), 0);
    Key(Qt::Key_Escape);
    EXPECT_FALSE(WindowExists(kUpdateWnd));

    SetNetworkMonitorAnswer(1); // a reply after the decision is not waited for, nor taken later
    server.Route(kVersionPath, {200, "9.9", {}, true, 1300});
    CheckFromMenu();
    EXPECT_EQ(Shown(), kCurrent);
    QTest::qWait(500);
    EXPECT_EQ(UpdateOkFlag, 0);
    WindowWidget(kUpdateWnd)->close();
    EXPECT_FALSE(WindowExists(kUpdateWnd));
    server.Route(kVersionPath, {200, "", {}, false}); // nor one that never comes
    CheckFromMenu();
    EXPECT_EQ(Shown(), kCurrent);
}

// Return downloads; the window tells the end only once the file is
// complete, and an old file the trash kept keeps its name.
TEST_F(UpdateTest, ReturnDownloadsAndTheWindowWaitsForTheEnd)
{
    HttpServer server;
    server.Route(kZipPath, {200, "PK new", {}, true, 900});
    WriteFile(InDownloads("Merestone.zip"), "old zip");
    WriteFile(InDownloads("Merestone.pkg"), "old pkg");
    Offer(server);
    Key(Qt::Key_Return);
    EXPECT_EQ(Files(), QStringList({".Merestone.zip.part"})); // nothing under the name until it is complete
    EXPECT_EQ(QDir(qEnvironmentVariable("XDG_DATA_HOME") + "/Trash/files").entryList(QDir::Files),
              QStringList({"Merestone.pkg", "Merestone.zip"}));
    WriteFile(InDownloads("Merestone.zip"), "kept");
    QTest::qWait(700); // the first look finds it running; the keys wait with the buttons
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) Key(key);
    EXPECT_EQ(Shown(),
              Texts({"Newer Version is Available.", "Newer Version : 1.2.4", "-Don't Download", "-*Download..."}));
    WaitForOutcome();
    EXPECT_EQ(std::tuple(Shown(), Files(), QFileInfo(InDownloads("Merestone (1).zip")).size(),
                         QFileInfo(InDownloads("Merestone.zip")).size()),
              std::tuple(Texts({"Download is Successful.", "Download file is in the downloads folder.",
                                "Launch Installer and Quit", "*OK"}),
                         QStringList({"Merestone (1).zip", "Merestone.zip"}), 6, 4)); // "PK new", "kept"
    Key(Qt::Key_Return);
    EXPECT_EQ(std::tuple(WindowExists(kUpdateWnd), MenuIsEnabled(kFileMenu)), std::tuple(false, true));
}

// A failed download leaves no file, whole or part; the window answers meanwhile.
TEST_F(UpdateTest, AHostileDownloadFailsAndLeavesNothing)
{
    HttpServer http, https(true);
    https.Route(kZipPath, {302, "", {{"Location", http.Base().toUtf8() + "/zip"}}});
    http.Route("/zip", {200, "PK"});
    const std::tuple<const char*, HttpRoute, int, long long> cases[]
        = {{"not found", {404, "PK"}, 0, 0},
           {"server error", {500, "PK"}, 0, 0},
           {"redirect loop", {302, "", {{"Location", kZipPath}}}, 0, 0},
           {"https to http", {}, 0, 0},
           {"2 GB announced", {200, "PK", {{"Content-Length", "2147483648"}}, true, 0, 1'000'000'000}, 0, 0},
           {"longer than the limit", {200, "PK", {}, true, 0, 5000}, 0, 1000},
           {"stalled", {200, "PK", {{"Content-Length", "1000"}}}, 300, 0}};
    for (const auto& [name, route, stall, maxBytes] : cases) {
        SCOPED_TRACE(name);
        http.Route(kZipPath, route);
        SetDownloadLimits(stall, maxBytes);
        UpdateForCheck = 1;
        Offer(name == std::string("https to http") ? https : http);
        Key(Qt::Key_Enter);
        Click(kUpdateCheckBoxCtl);
        EXPECT_EQ(UpdateForCheck, 0);
        Click(kUpdateCheckBoxCtl);
        WaitForOutcome();
        EXPECT_EQ(std::tuple(Shown(), int(DownLoadOkFlag), Files()), std::tuple(kFailed, 1, QStringList()));
        Key(Qt::Key_Escape);
        EXPECT_FALSE(WindowExists(kUpdateWnd));
    }
}

// The installer opens only once the quit is sure: never after Cancel in the save prompt; after Don't Save, the archive
// at once, the package two seconds later, and the program ends. With nothing to open, the Downloads folder opens.
TEST_F(UpdateTest, TheInstallerOpensOnlyOnceTheQuitIsSure)
{
    HttpServer server;
    server.Route(kZipPath, {200, "PK new"});
    OpenSheetOf(1);
    DirtyFlagTrue();
    Offer(server);
    Click(kUpdateDownloadCtl);
    WaitForOutcome();
    EXPECT_EQ(DownLoadOkFlag, 0);
    Key(Qt::Key_Escape);
    EXPECT_EQ(std::tuple(WindowExists(kUpdateWnd), MenuIsEnabled(kSortMenu)), std::tuple(false, true));
    const auto launch = [] {
        UpdateWnd();
        DownloadOutcomeWnd();
        Click(kUpdateLaunchInstallerCtl);
    };
    launch(); // the prompt is cancelled
    EXPECT_EQ(std::tuple(dialogs.back().kind, exitStatus, opened, WindowExists(kMainWnd), int(LaunchInstallerFlag)),
              std::tuple(DialogRequest::SavePrompt, -1, Texts(), true, 0));
    EXPECT_FALSE(WindowExists(kUpdateWnd));
    answers = {"Don't Save"};
    launch(); // the flag is spent: another quit in the wait just ends the program
    const std::string zip = Url(InDownloads("Merestone.zip"));
    EXPECT_EQ(std::tuple(opened, exitStatus, int(LaunchInstallerFlag)), std::tuple(Texts({zip}), -1, 0));
    WriteFile(InDownloads("Merestone.pkg"), "pkg");
    EXPECT_TRUE(QTest::qWaitFor([this] { return exitStatus == 0; }, 3000));
    EXPECT_EQ(opened, Texts({zip, Url(InDownloads("Merestone.pkg"))}));

    opened.clear();
    DirtyFlag = 0;
    SetUrlOpener([this](const std::string& url) {
        opened.push_back(url);
        return url.ends_with("Downloads");
    });
    launch();
    EXPECT_EQ(opened, Texts({zip, Url(Downloads())}));
}

} // namespace
