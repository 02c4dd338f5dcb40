// The platform's standard dialogs: file panels, the save-changes prompt and
// alerts with buttons of their own. Each answers through a callback once
// the person has chosen; nothing waits in a nested event loop.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// A type filter of a file panel: its label and the extensions it shows,
// in lower case; a file's extension matches in any letter case.
struct FileFilter {
    std::string label;
    std::vector<std::string> extensions;
};

// The Open panel, in `folder` ("" for the home folder), its filters in the
// given order (the first is in force; folders are always shown): one
// existing file, done("") for Cancel. Paths are the file system's bytes.
void RunOpenPanel(std::string_view message, std::string_view folder, const std::vector<FileFilter>& filters,
                  std::function<void(const std::string& path)> done);

// The same with multiple selection: done(the paths chosen, in order), or
// done({}) for Cancel. A test answers with the paths joined by line feeds.
void RunOpenFilesPanel(std::string_view message, std::string_view folder, const std::vector<FileFilter>& filters,
                       std::function<void(const std::vector<std::string>& paths)> done);

// The Save panel, as a sheet on `window`, in `folder` ("" for the home
// folder), offering `filter` and all files; a typed name without an
// extension gets the filter's first. done("") for Cancel.
void RunSavePanel(int window, std::string_view message, std::string_view folder, std::string_view defaultName,
                  const FileFilter& filter, std::function<void(const std::string& path)> done);

enum class SaveAnswer { Save, DontSave, Cancel };

// "Do you want to save the changes ...", as a sheet on `window`.
void RunSaveChangesPrompt(int window, std::string_view documentName, std::function<void(SaveAnswer)> done);

// A stop alert with the given buttons, left to right; done(index of the
// button chosen). The button `safe` is the default: Return, Escape and the
// title bar's close all choose it, so only a deliberate click takes another.
void RunButtonAlert(std::string_view message, const std::vector<std::string>& buttons, int safe,
                    std::function<void(int button)> done);

// What a test sees of a dialog, and answers in place of a person: a path
// ("" for Cancel) for panels, the button's text for prompts and alerts.
// Page Setup takes the scale in percent, Print "FIRST-LAST" and, after a
// blank, the PDF file to print to; "" cancels both.
struct DialogRequest {
    enum Kind { OpenPanel, SavePanel, SavePrompt, Alert, PageSetup, Print } kind;
    std::string message;              // panel message, document name or alert text
    std::string defaultName;          // save panels
    std::string folder;               // panels: the folder they start in
    std::vector<std::string> choices; // extensions, or button texts
    int window = 0;                   // the window it is a sheet on, 0 for none
};
void SetDialogAnswerer(std::function<std::string(const DialogRequest&)> answerer);
