#include "docs/driver_files.h"

#include "calc/calc_formulas.h"
#include "docs/text_coding.h"
#include "platform/mac_roman.h"
#include "sheet/number_format.h"
#include "sheet/sheet_globals.h"

#include <QByteArray>
#include <QString>
#include <QXmlStreamReader>
#include <algorithm>
#include <cctype>
#include <optional>

namespace {

std::string_view Trimmed(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

bool SameLetters(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// Brand and model with one blank between them, or whichever is there.
Str255 DriverName(const Str255& brand, const Str255& model)
{
    if (brand.empty()) return model;
    if (model.empty()) return brand;
    return brand + " " + model;
}

// The next row, or nothing when the table is full.
ModelRecord* NewRow(ReadResult& read)
{
    if (fNum >= kMaxModels) {
        read.truncated = true;
        return nullptr;
    }
    ModelRecord& m = Row(++fNum);
    m.Blank();
    m.entryNo = fNum;
    ++read.records;
    return &m;
}

void Store(ModelRecord& m, int column, double value)
{
    m.Param(column) = ToStoredFloat(value);
}

// ---- .wdr ----

// The "Key=Value" lines of the [Driver] section, in the file's order.
class WdrSection {
public:
    explicit WdrSection(std::string_view text)
    {
        bool inDriver = false;
        while (!text.empty()) {
            const std::size_t end = text.find_first_of("\r\n");
            const std::string_view line = Trimmed(text.substr(0, end));
            text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
            if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
                inDriver = SameLetters(Trimmed(line.substr(1, line.size() - 2)), "Driver");
                found_ = found_ || inDriver;
                continue;
            }
            const std::size_t eq = line.find('=');
            if (inDriver && eq != std::string_view::npos)
                entries_.push_back({Trimmed(line.substr(0, eq)), Trimmed(line.substr(eq + 1))});
        }
    }

    bool Found() const { return found_; }

    // The last value given for the key, if any.
    std::optional<std::string_view> Value(std::string_view key) const
    {
        for (auto it = entries_.rbegin(); it != entries_.rend(); ++it)
            if (SameLetters(it->first, key)) return it->second;
        return std::nullopt;
    }

    double Number(std::string_view key) const { return DriverFileNumber(Value(key).value_or("")); }

private:
    std::vector<std::pair<std::string_view, std::string_view>> entries_;
    bool found_ = false;
};

// The file's text as UTF-8 (a UTF-16 file with its byte-order mark is turned
// into it) and whether it is UTF-8 at all.
std::string_view WdrText(std::string_view bytes, std::string& converted, bool& utf8)
{
    if (bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE') {
        converted
            = QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.data() + 2), qsizetype((bytes.size() - 2) / 2))
                  .toStdString();
        utf8 = true;
        return converted;
    }
    utf8 = IsUtf8Text(bytes);
    return WithoutByteOrderMark(bytes);
}

Str255 WdrText(const WdrSection& driver, std::string_view key, bool utf8)
{
    const std::string_view text = driver.Value(key).value_or("");
    return utf8 ? ImportedText(text, true) : Windows1252Text(text);
}

void FillFromWdr(ModelRecord& m, const WdrSection& d, bool utf8)
{
    m.name = DriverName(WdrText(d, "Brand", utf8), WdrText(d, "Model", utf8));
    const double dia = d.Number("Dia");
    Store(m, kColDia, (dia != 0 ? dia : d.Number("Dd")) * 100.0);
    Store(m, kColFs, d.Number("Fs"));
    Store(m, kColVas, d.Number("Vas") * 1000.0);
    Store(m, kColQts, d.Number("Qts"));
    Store(m, kColQes, d.Number("Qes"));
    Store(m, kColQms, d.Number("Qms"));
    Store(m, kColEffi, d.Number("no") * 100.0);
    Store(m, kColRe, d.Number("Re"));
    Store(m, kColPemax, d.Number("Pe"));
    Store(m, kColSd, d.Number("Sd") * 10000.0);
    Store(m, kColXmax, d.Number("Xmax") * 1000.0);
    Store(m, kColVd, d.Number("Vd") * 1e6);
    Store(m, kColLe, d.Number("Le") * 1000.0);
}

// ---- XML database ----

QString Text(const QXmlStreamAttributes& a, const char* name)
{
    return a.value(QLatin1String(name)).toString();
}

double Attribute(const QXmlStreamAttributes& a, const char* name)
{
    return DriverFileNumber(Text(a, name).toStdString());
}

void FillFromSpeaker(ModelRecord& m, const QXmlStreamAttributes& a)
{
    m.name = DriverName(FromQString(Text(a, "vendor")), FromQString(Text(a, "model")));
    const double sdCm2 = Attribute(a, "sd") * 10000.0, xmaxMm = Attribute(a, "xmax");
    Store(m, kColDia, Attribute(a, "dia") * 100.0);
    Store(m, kColFs, Attribute(a, "fs"));
    Store(m, kColVas, Attribute(a, "vas"));
    Store(m, kColQts, Attribute(a, "qts"));
    Store(m, kColQes, Attribute(a, "qes"));
    Store(m, kColQms, Attribute(a, "qms"));
    const EfficiencyResult effi = ComputeEfficiencyFromSpl(static_cast<float>(Attribute(a, "spl")));
    Store(m, kColEffi, effi.ok ? effi.efficiency : 0.0);
    Store(m, kColRe, Attribute(a, "re"));
    Store(m, kColPemax, Attribute(a, "pe"));
    Store(m, kColSd, sdCm2);
    Store(m, kColXmax, xmaxMm);
    Store(m, kColVd, sdCm2 * xmaxMm / 10.0);
    Store(m, kColLe, Attribute(a, "le"));
}

// Takes back the rows a broken database added.
DriverFileResult Refused(int rowsBefore, std::string problem)
{
    for (int r = rowsBefore + 1; r <= fNum; ++r) Row(r).Blank();
    fNum = static_cast<std::int16_t>(rowsBefore);
    return {false, std::move(problem), {}};
}

} // namespace

double DriverFileNumber(std::string_view text)
{
    text = Trimmed(text);
    if (text.find(',') == std::string_view::npos || text.find('.') != std::string_view::npos) return ReadNumber(text);
    std::string point(text);
    std::replace(point.begin(), point.end(), ',', '.');
    return ReadNumber(point);
}

DriverFileResult AppendWdrDriver(std::string_view bytes)
{
    std::string converted;
    bool utf8 = false;
    const WdrSection driver(WdrText(bytes, converted, utf8));
    if (!driver.Found()) return {false, "no [Driver] section", {}};
    DriverFileResult result;
    if (ModelRecord* m = NewRow(result.read)) FillFromWdr(*m, driver, utf8);
    return result;
}

DriverFileResult AppendDriverDatabase(std::string_view bytes)
{
    const int rowsBefore = fNum;
    QXmlStreamReader xml(QByteArray::fromRawData(bytes.data(), qsizetype(bytes.size())));
    if (!xml.readNextStartElement() || xml.name() != u"speakers") return Refused(rowsBefore, "not a driver database");
    DriverFileResult result;
    while (xml.readNextStartElement()) {
        if (xml.name() == u"speaker") {
            ModelRecord* m = NewRow(result.read);
            if (!m) break;
            FillFromSpeaker(*m, xml.attributes());
        }
        xml.skipCurrentElement();
    }
    if (xml.hasError() && !result.read.truncated)
        return Refused(rowsBefore,
                       "broken XML at line " + std::to_string(xml.lineNumber()) + ": "
                           + xml.errorString().toStdString());
    return result;
}
