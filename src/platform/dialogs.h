// The platform's standard dialogs: file panels, the save-changes prompt and
// alerts with buttons of their own. Each answers through a callback once
// the person has chosen; nothing waits in a nested event loop.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The Open panel: one existing file whose extension is one of `extensions`
// (folders are always shown). done("") for Cancel.
void RunOpenPanel(std::string_view message, const std::vector<std::string>& extensions,
                  std::function<void(const std::string& path)> done);

// The Save panel, as a sheet on `window`. done("") for Cancel.
void RunSavePanel(int window, std::string_view message, std::string_view defaultName,
                  std::function<void(const std::string& path)> done);

enum class SaveAnswer { Save, DontSave, Cancel };

// "Do you want to save the changes ...", as a sheet on `window`.
void RunSaveChangesPrompt(int window, std::string_view documentName, std::function<void(SaveAnswer)> done);

// A stop alert with the given buttons, left to right; done(index of the
// button chosen).
void RunButtonAlert(std::string_view message, const std::vector<std::string>& buttons,
                    std::function<void(int button)> done);

// What a test sees of a dialog, and answers in place of a person: a path
// ("" for Cancel) for panels, the button's text for prompts and alerts.
struct DialogRequest {
    enum Kind { OpenPanel, SavePanel, SavePrompt, Alert } kind;
    std::string message;               // panel message, document name or alert text
    std::string defaultName;           // save panels
    std::vector<std::string> choices;  // extensions, or button texts
    int window = 0;                    // the window it is a sheet on, 0 for none
};
void SetDialogAnswerer(std::function<std::string(const DialogRequest&)> answerer);
