// The sibling's side of merestone-sibling: its window, which lists what
// arrives and sends the sibling's keywords to Merestone, and the log that
// tests read.

#include "link/link_messages.h"
#include "platform/mac_roman.h"
#include "platform/suite_bus.h"
#include "sheet/clipboard_text.h"
#include "sheet/number_format.h"
#include "sheet/sheet_globals.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

// Waits until the events sent so far have left (sibling_standin.cpp).
void FlushBus();

namespace {

constexpr std::uint32_t kActivateId = FourCharCode("actv");
constexpr std::string_view kModelPrefix = "DUMMY#  ";
// Merestone reads no more of a message than this; the list shows no more.
constexpr std::size_t kShownBytes = Str255::kMax;

constexpr const char* kParamLabels[kParamCount]
    = {"Dia", "Fs", "Vas", "Qts", "Qes", "Qms", "Effi", "Re", "Pemax", "Sd", "Xmax", "Vd", "Le"};

std::string CodeBytes(std::uint32_t code)
{
    return {char(code >> 24), char(code >> 16), char(code >> 8), char(code)};
}

void LogEvent(std::string_view processName, std::uint32_t eventClass, std::uint32_t eventId, const std::string& message)
{
    const char* dir = std::getenv("MERESTONE_SIBLING_LOG_DIR");
    if (!dir || !*dir) return;
    static constexpr char kHex[] = "0123456789abcdef";
    std::string line = CodeBytes(eventClass) + ' ' + CodeBytes(eventId) + ' ';
    line.reserve(line.size() + 2 * message.size() + 1);
    for (const char c : message) {
        line += kHex[static_cast<unsigned char>(c) >> 4];
        line += kHex[static_cast<unsigned char>(c) & 15];
    }
    line += '\n';
    // Opened for each event, so every line is on disk before the next event
    // and a test may read or remove the file at any moment.
    const std::string path = std::string(dir) + '/' + std::string(processName) + ".log";
    std::FILE* file = std::fopen(path.c_str(), "ab");
    if (!file) {
        std::fprintf(stderr, "merestone-sibling: cannot append to %s\n", path.c_str());
        return;
    }
    std::fwrite(line.data(), 1, line.size(), file);
    std::fclose(file);
}

// Control characters would vanish or break the line in the list.
QString Visible(QString text)
{
    for (qsizetype k = text.size() - 1; k >= 0; --k) {
        const char16_t u = text[k].unicode();
        if (u < 0x20 || u == 0x7F) text.replace(k, 1, QStringLiteral("\\x%1").arg(int(u), 2, 16, QLatin1Char('0')));
    }
    return text;
}

QString MessageText(std::string_view bytes)
{
    if (bytes.empty()) return QStringLiteral("(empty message)");
    QString text = Visible(MacRomanBytesToQString(bytes.substr(0, kShownBytes)));
    if (bytes.size() > kShownBytes) text += QStringLiteral(" \u2026 (%1 bytes)").arg(bytes.size());
    return text;
}

// A model as Merestone's paste would read it, each number as its sheet cell
// shows it.
QString ModelDescription(std::string_view modelText)
{
    cellH = 0; // the whole model is taken, not one cell
    TextToParameterValue(Str255(modelText));
    QString text = QStringLiteral("Model: %1 | %2 |").arg(Visible(ToQString(s_SP)), Visible(ToQString(s_RANG)));
    for (int k = 0; k < kParamCount; ++k) {
        const QString value = ToQString(ParameterCellText(kColDia + k, *kWorkingCopy[k])).trimmed();
        text += QStringLiteral(" %1 %2").arg(QLatin1String(kParamLabels[k]), value);
    }
    return text;
}

class StandinWindow : public QWidget {
public:
    explicit StandinWindow(int number);
    void Deliver(std::uint32_t eventClass, std::uint32_t eventId, const std::string& message);

private:
    void List(const QString& text);
    void ShowAndRaise();
    void SendToMere(std::string_view keyword);

    const int number_;
    const Sibling& sibling_;
    QListWidget* list_;
    QLabel* status_;
};

StandinWindow* gWindow = nullptr;

StandinWindow::StandinWindow(int number)
    : number_(number)
    , sibling_(SiblingOf(number))
    , list_(new QListWidget)
    , status_(new QLabel)
{
    setWindowTitle(QStringLiteral("%1 (stand-in)").arg(QLatin1String(sibling_.processName)));
    // Long entries wrap rather than widen the window; nothing in the list is
    // there to be chosen.
    list_->setWordWrap(true);
    list_->setResizeMode(QListView::Adjust);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setSelectionMode(QAbstractItemView::NoSelection);
    list_->setFocusPolicy(Qt::NoFocus);
    list_->setAlternatingRowColors(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Received, newest last:")));
    layout->addWidget(list_, 1);
    layout->addWidget(new QLabel(QStringLiteral("Send to Merestone:")));
    auto* buttons = new QGridLayout;
    const std::vector<std::string_view> keywords = KeywordsFrom(number);
    for (std::size_t k = 0; k < keywords.size(); ++k) {
        const std::string_view keyword = keywords[k];
        auto* button = new QPushButton(QLatin1String(keyword));
        connect(button, &QPushButton::clicked, this, [this, keyword] { SendToMere(keyword); });
        buttons->addWidget(button, int(k / 3), int(k % 3));
    }
    layout->addLayout(buttons);
    status_->setText(
        QStringLiteral("On the bus as %1").arg(QString::fromStdString(SuiteBusName(sibling_.processName, ::getpid()))));
    layout->addWidget(status_);
    resize(580, 420);
}

void StandinWindow::Deliver(std::uint32_t eventClass, std::uint32_t eventId, const std::string& message)
{
    LogEvent(sibling_.processName, eventClass, eventId, message);
    if (eventClass != sibling_.eventClass || (eventId != kTextEventId && eventId != kActivateId)) {
        List(QStringLiteral("(ignored) class '%1', ID '%2': %3")
                 .arg(Visible(MacRomanBytesToQString(CodeBytes(eventClass))),
                      Visible(MacRomanBytesToQString(CodeBytes(eventId))), MessageText(message)));
        return;
    }
    // A second start of this sibling hands over to this one.
    if (eventId == kActivateId) {
        List(QStringLiteral("(started again: brought to the front)"));
        ShowAndRaise();
        return;
    }
    const std::string_view text = message;
    if (text.starts_with(kModelPrefix)) {
        List(ModelDescription(text.substr(kModelPrefix.size())));
        ShowAndRaise();
        return;
    }
    List(MessageText(text));
    if (text == QuitKeyword(number_).view())
        QCoreApplication::quit();
    else if (text == HideKeyword(number_).view())
        hide();
    else if (text == "IamFreeFromMere" || text == (Str255("ActivateMe") + sibling_.shortCode + "FromMere").view())
        ShowAndRaise();
}

void StandinWindow::List(const QString& text)
{
    list_->addItem(text);
    list_->scrollToBottom();
}

void StandinWindow::ShowAndRaise()
{
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void StandinWindow::SendToMere(std::string_view keyword)
{
    const int sent = SendSuiteEvent(kMereProcessName, kMereClass, kTextEventId, keyword);
    const QString text = QLatin1String(keyword);
    status_->setText(sent > 0 ? QStringLiteral("Sent %1 to %2 Merestone").arg(text).arg(sent)
                              : QStringLiteral("No Merestone running: %1 not sent").arg(text));
}

} // namespace

int RunAsSibling(int number)
{
    const Sibling& sibling = SiblingOf(number);
    if (SuiteProcessOnBus(sibling.processName)) {
        SendSuiteEvent(sibling.processName, sibling.eventClass, kActivateId, {});
        FlushBus();
        return 0;
    }
    StandinWindow window(number);
    gWindow = &window;
    const auto deliver = [](std::uint32_t eventClass, std::uint32_t eventId, const std::string& message) {
        gWindow->Deliver(eventClass, eventId, message);
    };
    if (!InstallSuiteEventHandler(sibling.processName, deliver)) {
        std::fputs("merestone-sibling: no session bus to join\n", stderr);
        return 1;
    }
    // Whoever started this one may send as soon as it reads this line.
    std::fputs("ready\n", stdout);
    std::fflush(stdout);
    window.show();
    const int status = QApplication::exec();
    gWindow = nullptr;
    return status;
}
