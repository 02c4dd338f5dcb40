#include "platform/dialogs.h"

#include "platform/internal.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

using namespace platform;

namespace {

std::function<std::string(const DialogRequest&)>& Answerer()
{
    static std::function<std::string(const DialogRequest&)> answerer;
    return answerer;
}

QString Utf8(std::string_view s)
{
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
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

void Finish(QFileDialog* dialog, const std::function<void(const std::string&)>& done)
{
    QObject::connect(dialog, &QFileDialog::finished, dialog, [dialog, done](int result) {
        const QStringList files = dialog->selectedFiles();
        done(result == QDialog::Accepted && !files.isEmpty() ? files.first().toStdString() : std::string());
    });
}

} // namespace

void SetDialogAnswerer(std::function<std::string(const DialogRequest&)> answerer)
{
    Answerer() = std::move(answerer);
}

void RunOpenPanel(std::string_view message, const std::vector<std::string>& extensions,
                  std::function<void(const std::string&)> done)
{
    if (Answerer()) return done(Answerer()({DialogRequest::OpenPanel, std::string(message), {}, extensions, 0}));
    QFileDialog* dialog = NewFileDialog(nullptr, message);
    dialog->setFileMode(QFileDialog::ExistingFile);
    QStringList patterns;
    for (const std::string& ext : extensions) patterns << QStringLiteral("*.") + QString::fromStdString(ext);
    dialog->setNameFilter(Utf8(message) + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')'));
    dialog->setWindowModality(Qt::ApplicationModal);
    Finish(dialog, done);
    dialog->open();
}

void RunSavePanel(int window, std::string_view message, std::string_view defaultName,
                  std::function<void(const std::string&)> done)
{
    if (Answerer())
        return done(Answerer()({DialogRequest::SavePanel, std::string(message), std::string(defaultName), {}, window}));
    QFileDialog* dialog = NewFileDialog(Window(window), message);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->selectFile(Utf8(defaultName));
    dialog->setWindowModality(Window(window) ? Qt::WindowModal : Qt::ApplicationModal);
    Finish(dialog, done);
    dialog->open();
}

void RunSaveChangesPrompt(int window, std::string_view documentName, std::function<void(SaveAnswer)> done)
{
    if (Answerer()) {
        const std::string answer = Answerer()({DialogRequest::SavePrompt, std::string(documentName), {},
                                               {"Save", "Don't Save", "Cancel"}, window});
        return done(answer == "Save" ? SaveAnswer::Save : answer == "Don't Save" ? SaveAnswer::DontSave
                                                                                 : SaveAnswer::Cancel);
    }
    auto* box = new QMessageBox(Window(window));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setIcon(QMessageBox::Warning);
    box->setText(QStringLiteral("Do you want to save the changes you made in the document “%1”?")
                     .arg(Utf8(documentName)));
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

void RunButtonAlert(std::string_view message, const std::vector<std::string>& buttons,
                    std::function<void(int)> done)
{
    if (Answerer()) {
        const std::string answer = Answerer()({DialogRequest::Alert, std::string(message), {}, buttons, 0});
        for (std::size_t k = 0; k < buttons.size(); ++k)
            if (buttons[k] == answer) return done(int(k));
        return done(int(buttons.size()) - 1);
    }
    auto* box = new QMessageBox(QMessageBox::Critical, QStringLiteral("Merestone"), Utf8(message));
    box->setAttribute(Qt::WA_DeleteOnClose);
    QList<QAbstractButton*> added;
    for (const std::string& text : buttons) added << box->addButton(QString::fromStdString(text), QMessageBox::AcceptRole);
    box->setWindowModality(Qt::ApplicationModal);
    QObject::connect(box, &QMessageBox::finished, box, [box, added, done](int) {
        const int index = int(added.indexOf(box->clickedButton()));
        done(index < 0 ? int(added.size()) - 1 : index); // closing the alert is its last button
    });
    box->open();
}
