#include "sheet/clipboard_text.h"

#include "sheet/number_format.h"
#include "sheet/sheet_globals.h"

Str255 s_SP, s_RANG;
float DIA, FS, VAS, QTS, QES, QMS, EFI, RE, PEMX, SD, XMAX, VD, LE;
float* const kWorkingCopy[kParamCount] = {&DIA, &FS, &VAS, &QTS, &QES, &QMS, &EFI, &RE, &PEMX, &SD, &XMAX, &VD, &LE};
Str255 s_DIA, s_FS, s_VAS, s_QTS, s_QES, s_QMS, s_EFI, s_RE, s_PEMX, s_SD, s_XMAX, s_VD, s_LE;
Str255 ClipText;

namespace {

Str255* const kTexts[kParamCount]
    = {&s_DIA, &s_FS, &s_VAS, &s_QTS, &s_QES, &s_QMS, &s_EFI, &s_RE, &s_PEMX, &s_SD, &s_XMAX, &s_VD, &s_LE};
constexpr int kDecimals[kParamCount] = {1, 2, 3, 3, 3, 3, 3, 3, 1, 1, 2, 2, 3};
constexpr std::string_view kSeparator = "  ";

// The field from p up to the next separator; p moves past it.
std::string_view NextField(std::string_view text, std::size_t& p)
{
    if (p >= text.size()) return {};
    const std::size_t sep = text.find(kSeparator, p);
    const std::size_t end = sep == std::string_view::npos ? text.size() : sep;
    const std::string_view field = text.substr(p, end - p);
    p = sep == std::string_view::npos ? text.size() : sep + kSeparator.size();
    return field;
}

} // namespace

Str255 ModelText(int row)
{
    const ModelRecord& m = Row(row);
    s_SP = m.name;
    s_RANG = m.range;
    Str255 text = m.name + kSeparator + m.range + kSeparator;
    for (int k = 0; k < kParamCount; ++k) {
        *kTexts[k] = NumberText(DecimalRound(m.params[k], kDecimals[k]));
        text += *kTexts[k];
        text += kSeparator;
    }
    text += "\r";
    return text;
}

void TextToParameterValue(const Str255& text)
{
    if (cellH != 0) return;
    std::size_t p = 0;
    s_SP = Str255(NextField(text.view(), p));
    s_RANG = Str255(NextField(text.view(), p));
    for (float* value : kWorkingCopy) *value = ToStoredFloat(ReadNumber(NextField(text.view(), p)));
}

void ClipboardTextDefaults()
{
    s_SP.Clear();
    s_RANG.Clear();
    for (float* value : kWorkingCopy) *value = 0.0f;
    for (Str255* t : kTexts) t->Clear();
    ClipText.Clear();
}
