#include "docs/sheet_format.h"

#include "docs/text_coding.h"
#include "sheet/number_format.h"
#include "sheet/sheet_globals.h"

#include <algorithm>
#include <cctype>

const char* const kCsvHeaderLine = "Model Name,Range,DIA(cm),FS(Hz),VAS(Liter),Qts,Qes,Qms,Effi(%),"
                                   "RE(Ohm),Pemax(Watt),SD(cm^2),XMAX(mm),VD(cm^3),LE(mH)\r";

namespace {

// Decimals of fields 3 to 15 (Dia .. Le) in the file.
constexpr int kFileDecimals[kParamCount] = {2, 2, 3, 3, 3, 3, 3, 3, 2, 2, 2, 2, 3};

// A text that the reader would not give back unchanged goes in double
// quotes, with its own quotes doubled; every other text is written as is.
bool NeedsQuotes(std::string_view text)
{
    if (text.empty()) return false;
    if (text.front() == ' ' || text.front() == '\t' || text.front() == '"') return true;
    // At the start of a file these bytes would be taken for a byte-order mark.
    if (text.substr(0, 3) == "\xEF\xBB\xBF") return true;
    return text.find_first_of(",\t\r\n") != std::string_view::npos;
}

void AppendText(std::string& out, const Str255& text)
{
    const std::string_view v = text.view();
    if (!NeedsQuotes(v)) {
        out += v;
        return;
    }
    out += '"';
    for (char c : v) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

bool IsLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

bool IsSeparator(char c)
{
    return c == ',' || c == '\t';
}

// The stream of fields: a record takes the next 15 fields, crossing line
// ends; an empty line gives one empty field, and so does a separator at
// the very end of a line.
class FieldReader {
public:
    // A quoted text is looked for no further than `quoteReach` bytes.
    FieldReader(std::string_view bytes, std::size_t quoteReach)
        : b_(WithoutByteOrderMark(bytes))
        , reach_(quoteReach)
    {
    }

    bool AtEnd() const { return next_ >= b_.size(); }

    // A spreadsheet may end every line with a separator: the empty field it
    // stands for belongs to the record it closes, never to the next one.
    void StartRecord()
    {
        if (c_ >= end_) owed_ = false;
    }

    std::string_view NextField(std::string& scratch)
    {
        if (!owed_ && c_ >= end_) {
            if (AtEnd()) return {}; // missing fields at the end of the file
            StartLine();
        }
        while (c_ < end_ && b_[c_] == ' ') ++c_;
        std::string_view field = c_ < end_ && b_[c_] == '"' ? Quoted(scratch) : Plain();
        while (c_ < end_ && (b_[c_] == ' ' || b_[c_] == '\r')) ++c_;
        // Each separator is one: two tabs in a row enclose an empty field.
        owed_ = c_ < end_ && IsSeparator(b_[c_]);
        if (owed_) ++c_;
        return field;
    }

private:
    // The next line: the bytes up to a CR, an LF or a CR LF pair. Even an
    // empty line owes one field.
    void StartLine()
    {
        c_ = next_;
        end_ = c_;
        while (end_ < b_.size() && !IsLineEnd(b_[end_])) ++end_;
        next_ = end_;
        if (next_ < b_.size() && b_[next_] == '\r') ++next_;
        if (next_ < b_.size() && b_[next_] == '\n' && (next_ == end_ || b_[next_ - 1] == '\r')) ++next_;
        owed_ = true;
    }

    std::string_view Plain()
    {
        const std::size_t start = c_;
        while (c_ < end_ && !IsSeparator(b_[c_])) ++c_;
        return b_.substr(start, c_ - start);
    }

    // Up to the closing quote; a doubled quote stands for one. A quote that
    // is not closed on its line is closed later in the file if it can be
    // (a quoted text may hold line ends), else at the end of its line.
    std::string_view Quoted(std::string& scratch)
    {
        std::size_t close = ClosingQuote(c_ + 1, std::min(b_.size(), c_ + 1 + reach_));
        if (close == std::string_view::npos) close = end_;
        scratch.clear();
        for (std::size_t k = c_ + 1; k < close; ++k) {
            scratch += b_[k];
            if (b_[k] == '"') ++k; // the second of a doubled quote
        }
        if (close > end_) ContinueLineAt(close);
        c_ = std::min(close + 1, end_);
        return scratch;
    }

    std::size_t ClosingQuote(std::size_t from, std::size_t limit) const
    {
        for (std::size_t k = from; k < limit; ++k) {
            if (b_[k] != '"') continue;
            if (k + 1 < limit && b_[k + 1] == '"') {
                ++k;
                continue;
            }
            return k;
        }
        return std::string_view::npos;
    }

    // The field ran past its line: the line that holds `at` becomes current.
    void ContinueLineAt(std::size_t at)
    {
        std::size_t start = at;
        while (start > 0 && !IsLineEnd(b_[start - 1])) --start;
        next_ = start;
        StartLine();
        c_ = at;
    }

    std::string_view b_;
    std::size_t reach_;
    std::size_t c_ = 0, end_ = 0, next_ = 0;
    bool owed_ = false; // the current line still gives one field, maybe empty
};

// A text is at most 255 bytes, doubled quotes included twice; in UTF-8 a
// character takes up to four bytes.
std::size_t QuoteReach(bool utf8)
{
    return (utf8 ? 4 : 1) * 2 * Str255::kMax + 2;
}

void ReadRecord(FieldReader& in, ModelRecord& m, std::string& scratch, bool utf8)
{
    in.StartRecord();
    m.name = ImportedText(in.NextField(scratch), utf8);
    m.range = ImportedText(in.NextField(scratch), utf8);
    for (int c = kFirstParamColumn; c <= kColLe; ++c) m.Param(c) = ToStoredFloat(ReadNumber(in.NextField(scratch)));
}

} // namespace

std::string FormatRecordLine(const ModelRecord& m)
{
    std::string line;
    line.reserve(96 + m.name.size() + m.range.size());
    AppendText(line, m.name);
    line += ',';
    AppendText(line, m.range);
    for (int c = kFirstParamColumn; c <= kColLe; ++c) {
        line += ',';
        line += FileNumberText(m.Param(c), kFileDecimals[c - kFirstParamColumn]).view();
    }
    line += '\r';
    return line;
}

std::string SheetFileBytes()
{
    std::string out;
    out.reserve(std::size_t(std::max<int>(fNum, 0)) * 110);
    for (int r = 1; r <= fNum; ++r) out += FormatRecordLine(Row(r));
    return out;
}

std::string CsvExportBytes()
{
    return kCsvHeaderLine + SheetFileBytes();
}

ReadResult AppendSheetBytes(std::string_view bytes, ReadOptions options)
{
    FieldReader in(bytes, QuoteReach(options.utf8Texts));
    ReadResult result;
    std::string scratch;
    bool first = true;
    while (!in.AtEnd()) {
        if (fNum >= kMaxModels) {
            result.truncated = true;
            break;
        }
        ModelRecord& m = Row(fNum + 1);
        ReadRecord(in, m, scratch, options.utf8Texts);
        // The header is not a model: it takes no row and no place in the count.
        const bool header = first && options.csvHeader && m.name == std::string_view("Model Name");
        first = false;
        if (header) {
            m.Blank();
            continue;
        }
        ++fNum;
        m.entryNo = fNum;
        ++result.records;
    }
    return result;
}

ReadResult ReadSheetBytes(std::string_view bytes, ReadOptions options)
{
    fNum = 0;
    return AppendSheetBytes(bytes, options);
}

bool IsPassiveRadiatorList(std::string_view bytes)
{
    FieldReader in(bytes, QuoteReach(false));
    std::string scratch;
    return !in.AtEnd() && in.NextField(scratch) == "Manufacturer";
}

std::string LastPathComponent(std::string_view path)
{
    while (path.size() > 1 && path.back() == '/') path.remove_suffix(1);
    const std::size_t slash = path.rfind('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string FolderOfPath(std::string_view path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string_view::npos) return {};
    return std::string(slash == 0 ? path.substr(0, 1) : path.substr(0, slash));
}

std::string PathExtension(std::string_view name)
{
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos || dot == 0) return {};
    return std::string(name.substr(dot + 1));
}

std::string FileKindExtension(std::string_view path)
{
    std::string ext = PathExtension(LastPathComponent(path));
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char ch) { return char(std::tolower(ch)); });
    return ext;
}

std::string WithExtension(std::string_view path, std::string_view extension)
{
    std::string out(path);
    if (!path.empty() && PathExtension(LastPathComponent(path)).empty()) out += "." + std::string(extension);
    return out;
}

std::string ReplaceSpdataExtension(std::string_view name, std::string_view newExtension)
{
    if (FileKindExtension(name) != "spdata") return std::string(name);
    return std::string(name.substr(0, name.size() - 6)) + std::string(newExtension);
}

std::string ImportedDocumentName(std::string_view fileName)
{
    const std::string ext = FileKindExtension(fileName);
    if (ext == "csv" || ext == "txt" || ext == "wdr" || ext == "xml")
        return std::string(fileName.substr(0, fileName.size() - 3)) + "spdata";
    return std::string(fileName);
}
