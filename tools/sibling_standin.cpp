// merestone-sibling: a stand-in for Tarnwell, Fellmark or Beckline, so the
// link between Merestone and its siblings can be seen and tried without the
// real programs, and tests can drive the other end as a real process.
//
//   merestone-sibling [--as NAME] [--send KEYWORD]... [--class CODE] [--repeat N]
//
// With --send it only sends the keywords and exits: to Merestone, or, when
// --class is a sibling's code, to that sibling. Otherwise it runs as the
// sibling: it owns that sibling's name on the session bus, prints "ready",
// lists what it receives and offers a button for each keyword that sibling
// sends to Merestone. With MERESTONE_SIBLING_LOG_DIR set, every delivered
// event is appended to <dir>/<NAME>.log as "CLAS EVID <message in hex>".

#include "link/link_messages.h"
#include "platform/suite_bus.h"

#include <QApplication>

#include <charconv>
#include <cstdio>
#include <string>
#include <vector>

// Runs as the sibling until it quits (sibling_standin_window.cpp).
int RunAsSibling(int number);

// SendSuiteEvent does not wait for its message to leave. The bus daemon
// answers a question only after it has routed every message this connection
// queued before it, so after the answer the process may end.
void FlushBus()
{
    SuiteProcessOnBus(kMereProcessName);
}

namespace {

constexpr long kMaxRepeat = 1'000'000;

constexpr char kUsage[] = "usage: merestone-sibling [--as NAME] [--send KEYWORD]... [--class CODE] [--repeat N]\n"
                          "  NAME is Tarnwell, Fellmark or Beckline; CODE has four characters.\n";

bool SameLetters(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t k = 0; k < a.size(); ++k) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(a[k]) != lower(b[k])) return false;
    }
    return true;
}

// The sibling of that name (any case), or kNoSibling.
int SiblingNamed(std::string_view name)
{
    for (int n = kTarnwell; n <= kBeckline; ++n)
        if (SameLetters(name, SiblingOf(n).processName)) return n;
    return kNoSibling;
}

// A copy or link of the program named like a sibling's program file plays
// that sibling, so a user can put it where Merestone looks for one.
int SiblingOfProgramFile(std::string_view path)
{
    const std::size_t slash = path.rfind('/');
    const std::string_view base = slash == std::string_view::npos ? path : path.substr(slash + 1);
    for (int n = kTarnwell; n <= kBeckline; ++n)
        if (SameLetters(base, SiblingOf(n).executable)) return n;
    return kTarnwell;
}

// The program that listens to events of that class: the sibling owning the
// code, or Merestone for 'Mere' and for any other code (to see it ignored).
std::string_view ReceiverOf(std::uint32_t eventClass)
{
    for (int n = kTarnwell; n <= kBeckline; ++n)
        if (SiblingOf(n).eventClass == eventClass) return SiblingOf(n).processName;
    return kMereProcessName;
}

struct Options {
    int sibling = kTarnwell;
    std::vector<std::string> sends;
    std::uint32_t sendClass = kMereClass;
    long repeat = 1;
    bool help = false;
};

// False, with the reason, for a command line this program does not take.
bool ParseOptions(int argc, char** argv, Options& options, std::string& error)
{
    options.sibling = SiblingOfProgramFile(argc > 0 ? argv[0] : "");
    for (int k = 1; k < argc; ++k) {
        const std::string_view option = argv[k];
        if (option == "--help" || option == "-h") {
            options.help = true;
            return true;
        }
        if (k + 1 >= argc) {
            error = "missing value after " + std::string(option);
            return false;
        }
        const std::string_view value = argv[++k];
        if (option == "--as") {
            options.sibling = SiblingNamed(value);
            if (options.sibling == kNoSibling) error = "unknown sibling " + std::string(value);
        } else if (option == "--send") {
            options.sends.emplace_back(value);
        } else if (option == "--class") {
            if (value.size() == 4)
                options.sendClass = FourCharCode(value);
            else
                error = "the class needs four characters";
        } else if (option == "--repeat") {
            const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), options.repeat);
            if (ec != std::errc() || end != value.data() + value.size() || options.repeat < 1
                || options.repeat > kMaxRepeat)
                error = "the repeat count must be 1 to " + std::to_string(kMaxRepeat);
        } else {
            error = "unknown option " + std::string(option);
        }
        if (!error.empty()) return false;
    }
    return true;
}

int SendAndExit(const Options& options)
{
    const std::string_view receiver = ReceiverOf(options.sendClass);
    int sent = 0;
    for (const std::string& keyword : options.sends)
        for (long k = 0; k < options.repeat; ++k)
            sent += SendSuiteEvent(receiver, options.sendClass, kTextEventId, keyword);
    FlushBus();
    if (sent == 0)
        std::fprintf(stderr, "merestone-sibling: no %.*s running, nothing sent\n", int(receiver.size()),
                     receiver.data());
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    // Read before Qt takes its own options out of argv, and as bytes: a
    // keyword goes out exactly as typed.
    Options options;
    std::string error;
    if (!ParseOptions(argc, argv, options, error)) {
        std::fprintf(stderr, "merestone-sibling: %s\n%s", error.c_str(), kUsage);
        return 2;
    }
    if (options.help) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (!options.sends.empty()) {
        QCoreApplication app(argc, argv); // no window system needed to send
        return SendAndExit(options);
    }
    QApplication app(argc, argv);
    return RunAsSibling(options.sibling);
}
