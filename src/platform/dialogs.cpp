#include "platform/dialogs.h"

#include "platform/internal.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <algorithm>

using namespace platform;

namespace {

std::function<std::string(const DialogRequest&)>& Answerer()
{
    static std::function<std::string(const DialogRequest&)> answerer;
    return answerer;
}

QFileDialog* NewFileDialog(QWidget* parent, std::string_view message)
{
    auto* dialog = new QFileDialog(parent, Utf8(message));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // Qt's own panel: it can be a sheet on the main window, which a desktop
    // portal's cannot.
    dialog->setOption(QFileDialog::DontUseNativeDialog, true);
    return dialog;
}

QString StartFolder(std::string_view folder)
{
    if (folder.empty()) return QDir::homePath();
    return QFile::decodeName(QByteArray(folder.data(), qsizetype(folder.size())));
}

void Finish(QFileDialog* dialog, const std::function<void(const std::string&)>& done)
{
    QObject::connect(dialog, &QFileDialog::finished, dialog, [dialog, done](int result) {
        const QStringList files = dialog->selectedFiles();
        done(result == QDialog::Accepted && !files.isEmpty() ? QFile::encodeName(files.first()).toStdString()
                                                             : std::string());
    });
}

} // namespace

const std::function<std::string(const DialogRequest&)>& platform::DialogAnswerer()
{
    return Answerer();
}

void SetDialogAnswerer(std::function<std::string(const DialogRequest&)> answerer)
{
    Answerer() = std::move(answerer);
}

namespace {

QString FilterText(const FileFilter& filter)
{
    QStringList patterns;
    for (const std::string& ext : filter.extensions) patterns << QStringLiteral("*.") + Utf8(ext);
    return Utf8(filter.label) + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
}

// The filters' extensions, each once, as a test sees them.
std::vector<std::string> Extensions(const std::vector<FileFilter>& filters)
{
    std::vector<std::string> all;
    for (const FileFilter& f : filters)
        for (const std::string& ext : f.extensions)
            if (std::find(all.begin(), all.end(), ext) == all.end()) all.push_back(ext);
    return all;
}

std::vector<std::string> SplitAnswer(const std::string& answer)
{
    std::vector<std::string> paths;
    for (std::size_t start = 0; start < answer.size();) {
        const std::size_t end = std::min(answer.find('\n', start), answer.size());
        paths.push_back(answer.substr(start, end - start));
        start = end + 1;
    }
    return paths;
}

QFileDialog* NewOpenPanel(std::string_view message, std::string_view folder, const std::vector<FileFilter>& filters,
                          QFileDialog::FileMode mode)
{
    QFileDialog* dialog = NewFileDialog(nullptr, message);
    dialog->setFileMode(mode);
    dialog->setDirectory(StartFolder(folder));
    QStringList names;
    for (const FileFilter& f : filters) names << FilterText(f);
    dialog->setNameFilters(names);
    dialog->setFilter(dialog->filter() & ~QDir::CaseSensitive); // "DRIVERS.CSV" is a CSV file too
    dialog->setWindowModality(Qt::ApplicationModal);
    return dialog;
}

} // namespace

void RunOpenPanel(std::string_view message, std::string_view folder, const std::vector<FileFilter>& filters,
                  std::function<void(const std::string&)> done)
{
    if (Answerer()) {
        return done(Answerer()(
            {DialogRequest::OpenPanel, std::string(message), {}, std::string(folder), Extensions(filters), 0}));
    }
    QFileDialog* dialog = NewOpenPanel(message, folder, filters, QFileDialog::ExistingFile);
    Finish(dialog, done);
    dialog->open();
}

void RunOpenFilesPanel(std::string_view message, std::string_view folder, const std::vector<FileFilter>& filters,
                       std::function<void(const std::vector<std::string>&)> done)
{
    if (Answerer()) {
        return done(SplitAnswer(Answerer()(
            {DialogRequest::OpenPanel, std::string(message), {}, std::string(folder), Extensions(filters), 0})));
    }
    QFileDialog* dialog = NewOpenPanel(message, folder, filters, QFileDialog::ExistingFiles);
    QObject::connect(dialog, &QFileDialog::finished, dialog, [dialog, done](int result) {
        std::vector<std::string> paths;
        if (result == QDialog::Accepted)
            for (const QString& file : dialog->selectedFiles()) paths.push_back(QFile::encodeName(file).toStdString());
        done(paths);
    });
    dialog->open();
}

void RunSavePanel(int window, std::string_view message, std::string_view folder, std::string_view defaultName,
                  const FileFilter& filter, std::function<void(const std::string&)> done)
{
    if (Answerer()) {
        DialogRequest request{DialogRequest::SavePanel, std::string(message), std::string(defaultName),
                              std::string(folder),      filter.extensions,    window};
        return done(Answerer()(request));
    }
    QFileDialog* dialog = NewFileDialog(Window(window), message);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setDirectory(StartFolder(folder));
    dialog->setNameFilters({FilterText(filter), QStringLiteral("All Files (*)")});
    dialog->setDefaultSuffix(Utf8(filter.extensions.front()));
    dialog->selectFile(Utf8(defaultName));
    dialog->setWindowModality(Window(window) ? Qt::WindowModal : Qt::ApplicationModal);
    Finish(dialog, done);
    dialog->open();
}

void RunSaveChangesPrompt(int window, std::string_view documentName, std::function<void(SaveAnswer)> done)
{
    if (Answerer()) {
        const std::string answer = Answerer()(
            {DialogRequest::SavePrompt, std::string(documentName), {}, {}, {"Save", "Don't Save", "Cancel"}, window});
        return done(answer == "Save"             ? SaveAnswer::Save
                        : answer == "Don't Save" ? SaveAnswer::DontSave
                                                 : SaveAnswer::Cancel);
    }
    auto* box = new QMessageBox(Window(window));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setIcon(QMessageBox::Warning);
    box->setText(
        QStringLiteral("Do you want to save the changes you made in the document “%1”?").arg(Utf8(documentName)));
    box->setInformativeText(QStringLiteral("Your changes will be lost if you don't save them."));
    QPushButton* save = box->addButton(QStringLiteral("Save"), QMessageBox::AcceptRole);
    QPushButton* dontSave = box->addButton(QStringLiteral("Don't Save"), QMessageBox::DestructiveRole);
    box->addButton(QStringLiteral("Cancel"), QMessageBox::RejectRole);
    box->setDefaultButton(save);
    box->setWindowModality(box->parentWidget() ? Qt::WindowModal : Qt::ApplicationModal);
    QObject::connect(box, &QMessageBox::finished, box, [box, save, dontSave, done](int) {
        QAbstractButton* chosen = box->clickedButton();
        done(chosen == save ? SaveAnswer::Save : chosen == dontSave ? SaveAnswer::DontSave : SaveAnswer::Cancel);
    });
    box->open();
}

void RunButtonAlert(std::string_view message, const std::vector<std::string>& buttons, int safe,
                    std::function<void(int)> done)
{
    if (Answerer()) {
        const std::string answer = Answerer()({DialogRequest::Alert, std::string(message), {}, {}, buttons, 0});
        for (std::size_t k = 0; k < buttons.size(); ++k)
            if (buttons[k] == answer) return done(int(k));
        return done(safe);
    }
    auto* box = new QMessageBox(QMessageBox::Critical, QStringLiteral("Merestone"), Utf8(message));
    box->setObjectName(QStringLiteral("ButtonAlert"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    QList<QAbstractButton*> added;
    for (std::size_t k = 0; k < buttons.size(); ++k) {
        const auto role = int(k) == safe ? QMessageBox::RejectRole : QMessageBox::AcceptRole;
        added << box->addButton(QString::fromStdString(buttons[k]), role);
    }
    if (safe >= 0 && safe < int(added.size())) {
        box->setDefaultButton(qobject_cast<QPushButton*>(added[safe]));
        box->setEscapeButton(added[safe]);
    }
    box->setWindowModality(Qt::ApplicationModal);
    QObject::connect(box, &QMessageBox::finished, box, [box, added, safe, done](int) {
        const int index = int(added.indexOf(box->clickedButton()));
        done(index < 0 ? safe : index);
    });
    box->open();
}
