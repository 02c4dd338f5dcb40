#include "docs/import_files.h"

#include "docs/text_coding.h"

const AlertText kTooManyModels = {"Only the first 32,767 models were read.",
                                  "The file holds more models than a data sheet can. The rest of it was not read, "
                                  "and saving the sheet keeps only the models shown."};

namespace {

constexpr std::size_t kNamesListed = 10;

} // namespace

ImportKind ImportKindOf(std::string_view path)
{
    const std::string ext = FileKindExtension(path);
    if (ext == "wdr") return ImportKind::WdrDriver;
    if (ext == "xml") return ImportKind::DriverDatabase;
    return ImportKind::SheetText;
}

ImportedFile AppendImportedFile(ImportKind kind, std::string_view bytes)
{
    ImportedFile file;
    switch (kind) {
    case ImportKind::WdrDriver: file.result = AppendWdrDriver(bytes); break;
    case ImportKind::DriverDatabase: file.result = AppendDriverDatabase(bytes); break;
    case ImportKind::SheetText:
        file.passiveRadiatorList = IsPassiveRadiatorList(bytes);
        if (!file.passiveRadiatorList)
            file.result.read = AppendSheetBytes(bytes, {.csvHeader = true, .utf8Texts = IsUtf8Text(bytes)});
        break;
    }
    return file;
}

std::string CountText(int n)
{
    std::string digits = std::to_string(n < 0 ? -n : n);
    for (int k = int(digits.size()) - 3; k > 0; k -= 3) digits.insert(std::size_t(k), ",");
    return n < 0 ? "-" + digits : digits;
}

AlertText ImportFailureAlert(const std::vector<ImportFailure>& failures, int modelsRead, bool truncated)
{
    AlertText text;
    text.message = failures.size() == 1 ? "One file could not be read."
                                        : CountText(int(failures.size())) + " files could not be read.";
    for (std::size_t k = 0; k < failures.size() && k < kNamesListed; ++k)
        text.explanation += failures[k].name + ": " + failures[k].problem + "\n";
    if (failures.size() > kNamesListed)
        text.explanation += "and " + CountText(int(failures.size() - kNamesListed)) + " more\n";
    text.explanation += "\n";
    if (modelsRead == 0)
        text.explanation += "No models were imported.";
    else if (modelsRead == 1)
        text.explanation += "1 model was imported.";
    else
        text.explanation += CountText(modelsRead) + " models were imported.";
    if (truncated) text.explanation += " " + std::string(kTooManyModels.message);
    return text;
}
