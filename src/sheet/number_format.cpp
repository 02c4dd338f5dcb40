#include "sheet/number_format.h"

#include "sheet/model_table.h"
#include "sheet/sheet_globals.h"

#include <cfloat>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <locale.h>
#include <string>

namespace {

constexpr double kPow10[] = {1.0, 10.0, 100.0, 1000.0};
constexpr float kPow10f[] = {1.0f, 10.0f, 100.0f, 1000.0f};

int ExponentField(double x)
{
    std::uint64_t bits;
    std::memcpy(&bits, &x, sizeof bits);
    return static_cast<int>((bits >> 52) & 0x7FF) - 1024;
}

Str255 FixedText(double x, int e)
{
    int digits = 10 - (12 * e) / 39; // C++ division truncates toward zero
    if (digits < 1) digits = 1;
    char buf[64];
    char* p = buf + 1;
    const auto res = std::to_chars(p, buf + sizeof buf, x, std::chars_format::fixed, digits);
    char* end = res.ptr;
    while (end > p && end[-1] == '0') --end;
    if (end > p && end[-1] == '.') --end;
    if (*p == '-') return Str255(std::string_view(p, static_cast<std::size_t>(end - p)));
    buf[0] = ' ';
    return Str255(std::string_view(buf, static_cast<std::size_t>(end - buf)));
}

Str255 ExponentialText(double x)
{
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific, 8);
    std::string_view all(buf, static_cast<std::size_t>(res.ptr - buf));
    const std::size_t epos = all.find('e');
    if (epos == std::string_view::npos) return Str255(all); // inf, nan
    std::string_view mant = all.substr(0, epos);
    while (mant.size() > 1 && mant.back() == '0') mant.remove_suffix(1);
    if (mant.back() == '.') mant.remove_suffix(1);
    Str255 out(mant);
    out += all.substr(epos);
    return out;
}

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

int DigitValue(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'z') return c - 'a' + 10;
    if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
    return 99;
}

double ReadInteger(std::string_view s, std::size_t i, int base)
{
    double v = 0;
    for (; i < s.size(); ++i) {
        const int d = DigitValue(s[i]);
        if (d >= base) break;
        v = v * base + d;
    }
    return v;
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// strtod in the C locale, whatever the user's locale says about the point.
double StrtodC(std::string_view digits)
{
    static locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
    const std::string copy(digits);
    return strtod_l(copy.c_str(), nullptr, cLocale);
}

double ReadDecimal(std::string_view s, std::size_t i)
{
    const bool startsNumber = i < s.size() && (IsDigit(s[i]) || (s[i] == '.' && i + 1 < s.size() && IsDigit(s[i + 1])));
    if (!startsNumber) return 0.0;
    double v = 0.0;
    const char* first = s.data() + i;
    const char* last = s.data() + s.size();
    const auto res = std::from_chars(first, last, v, std::chars_format::general);
    if (res.ec == std::errc::result_out_of_range)
        return StrtodC(std::string_view(first, static_cast<std::size_t>(res.ptr - first)));
    return res.ec == std::errc() ? v : 0.0;
}

Str255 RoundedText(float v, int k)
{
    return NumberText(DecimalRound(v, k));
}
Str255 Padded(float v, int k)
{
    return PlusCommaZero(RoundedText(v, k), k);
}

Str255 VdCellText(float v)
{
    const int k = static_cast<double>(v) > 999.99 ? 1 : 2;
    return PlusCommaZero(RoundedText(v, k), IntegerWidth(v) >= 5 ? 1 : 2);
}

// Values below 0.009 keep to the fixed form: the third decimal is cut from
// the text of v * 10. That product is taken from the value's shortest
// decimal form, so a stored 0.005 shows 0.005 and not 0.004.
Str255 SmallLeCellText(float v)
{
    char buf[32];
    const auto res = std::to_chars(buf, buf + sizeof buf, v);
    double shortest = 0.0;
    std::from_chars(buf, res.ptr, shortest);
    const double w = shortest * 10.0;
    const int e = ExponentField(w);
    if (w != 0.0 && e < -8) return Str255(" 0.000"); // below a thousandth
    // Always the fixed form, so the fifth character is a digit or nothing.
    const Str255 t = w == 0.0 ? Str255(" 0") : FixedText(w, e);
    Str255 out(" 0.00");
    if (t.size() >= 5) out += t.view().substr(4, 1);
    return out;
}

} // namespace

double DecimalRound(float v, int k)
{
    const volatile float product = v * kPow10f[k]; // keep the single-precision rounding
    // Beyond about 3.4e35 the product overflows to infinity; such a value
    // has no decimals to round anyway.
    if (std::isinf(product) && !std::isinf(v)) return static_cast<double>(v);
    return std::rint(static_cast<double>(product)) / kPow10[k];
}

Str255 FileNumberText(float v, int k)
{
    const Str255 rounded = NumberText(DecimalRound(v, k));
    const volatile float product = v * kPow10f[k];
    const bool whole = std::rint(product) == product;
    if (!whole || ToStoredFloat(ReadNumber(rounded.view())) == v) return rounded;
    return NumberText(static_cast<double>(v));
}

Str255 NumberText(double x)
{
    if (x == 0.0) return Str255(" 0"); // both zeros
    const int e = ExponentField(x);
    if (e >= -8 && e < 31) return FixedText(x, e);
    return ExponentialText(x);
}

Str255 PlusCommaZero(const Str255& s, int k)
{
    const std::string_view v = s.view();
    const std::size_t dot = v.find('.');
    const bool hasMinus = v.find('-') != std::string_view::npos;
    const std::size_t after = dot == std::string_view::npos ? 0 : v.size() - dot - 1;
    Str255 out = s;
    if (dot == std::string_view::npos) {
        if (k == 1)
            out += ".0";
        else if (k == 2)
            out += ".00";
        else if (k == 3 && !hasMinus)
            out += ".000";
        return out;
    }
    if (static_cast<int>(after) < k && after >= 1) out += std::string_view("00").substr(0, k - after);
    return out;
}

int IntegerWidth(float v)
{
    return static_cast<int>(NumberText(std::rint(static_cast<double>(v) - 0.5)).size());
}

double ReadNumber(std::string_view s)
{
    std::size_t i = 0;
    while (i < s.size() && IsSpace(s[i])) ++i;
    if (i < s.size() && s[i] == '&') {
        const char c = i + 1 < s.size() ? s[i + 1] : '\0';
        if (c == 'H' || c == 'h') return ReadInteger(s, i + 2, 16);
        if (c == 'O' || c == 'o') return ReadInteger(s, i + 2, 8);
        if (c == 'X' || c == 'x') return ReadInteger(s, i + 2, 2);
        return ReadInteger(s, i + 1, 16);
    }
    double sign = 1.0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        if (s[i] == '-') sign = -1.0;
        ++i;
    }
    if (i + 2 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X') && DigitValue(s[i + 2]) < 16)
        return sign * ReadInteger(s, i + 2, 16);
    return sign * ReadDecimal(s, i);
}

float ToStoredFloat(double x)
{
    if (x > FLT_MAX) return FLT_MAX;
    if (x < -FLT_MAX) return -FLT_MAX;
    return static_cast<float>(x);
}

Str255 ParameterCellText(int column, float v)
{
    switch (column) {
    case kColDia:
    case kColFs:
    case kColSd: return Padded(v, 1);
    case kColVas: return RoundedText(v, 3);
    case kColPemax: return RoundedText(v, 2);
    case kColXmax: return Padded(v, 2);
    case kColVd: return VdCellText(v);
    case kColLe: return static_cast<double>(v) < 0.009 ? SmallLeCellText(v) : Padded(v, 3);
    default: // Qts, Qes, Qms, Effi, Re
        return Padded(v, 3);
    }
}

Str255 CellText(int column, int row)
{
    const ModelRecord& m = Row(row);
    if (column == kColNo) return NumberText(row);
    if (column == kColName) return m.name;
    if (column == kColRange) return m.range;
    return ParameterCellText(column, m.Param(column));
}

Str255 DigitOpt(const Str255& s, int column)
{
    // Dia, Fs, Vas, Qts, Qes, Qms, Effi, Re, Pemax, Sd, Xmax, Vd, Le
    static constexpr int kDecimals[] = {2, 2, 3, 3, 3, 3, 3, 3, 2, 1, 2, 2, 3};
    if (column < kColDia || column > kColLe) return s;
    return NumberText(DecimalRound(ToStoredFloat(ReadNumber(s.view())), kDecimals[column - kColDia]));
}

Str255 DigitOpt(const Str255& s)
{
    return DigitOpt(s, cellH);
}
