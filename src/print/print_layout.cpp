#include "print/print_layout.h"

#include "sheet/number_format.h"

#include <algorithm>
#include <cctype>
#include <cmath>

int PageCount(int models)
{
    return std::max(1, (models + kRowsPerPage - 1) / kRowsPerPage);
}

int FirstRowOfPage(int page)
{
    return kRowsPerPage * (page - 1) + 1;
}

int LastRowOfPage(int page, int models)
{
    return std::min(kRowsPerPage * page, models);
}

int BasePrintScale(double width, double height)
{
    if (height > 0 && width / height > 1.35) return int(std::rint(0.1374408 * height + 1.222749));
    return int(std::rint((0.0973154 * width - 0.399329) * 1.04));
}

double PrintScale(int base, double userPercent)
{
    return base * userPercent / 100.0;
}

std::string PrintedDocumentName(std::string_view documentName)
{
    std::string lower(documentName);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char ch) { return char(std::tolower(ch)); });
    std::string name(documentName);
    const std::size_t at = lower.find(".spdata");
    if (at != std::string::npos) name.erase(at, 7);
    return name;
}

std::string PrintTitle(std::string_view documentName)
{
    const std::string name = PrintedDocumentName(documentName);
    if (name.empty()) return "Thiele/Small Parameters Table";
    return "Thiele/Small Parameters Table of ''" + name + "''";
}

std::string PageCounterText(int page, int lastPage)
{
    return "Page : " + NumberText(page).str() + "/" + NumberText(lastPage).str();
}
