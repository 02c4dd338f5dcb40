#include "sheet/sheet_texts.h"

#include "sheet/model_table.h"
#include "sheet/number_format.h"

#include <cmath>
#include <numbers>

namespace {

constexpr const char* kLabels[16] = {
    "Selected Model",     "Model Name ..",     "Freq. Range ...",     "Dia ........ (cm)",
    "Fs .......... (Hz)", "Vas ..... (Liter)", "Qts ...............", "Qes ..............",
    "Qms .............",  "Efficiency .. (%)", "Re ..... (Ohms)",     "Pemax (Watts)",
    "Sd ........ (cm²)",  "Xmax ... (mm)",     "Vd ....... (cm³)",    "Le ........ (mH)",
};

constexpr const char* kExplanations[16] = {
    "Thiele/Small Parameters",
    "Max. 12 Characters",
    "Usable Frequency Range",
    "Nominal Diameter",
    "Free Air Resonance",
    "Acoustic Volume",
    "Total Q Factor",
    "Electorical Q Factor",
    "Mechanical Q Factor",
    "",
    "Voice Coile D.C. Resistance",
    "Thermal Limited Power",
    "Diaphragm Effective Area",
    "Peak Liner Displacement",
    "Peak Displacement Volume",
    "Voice Coile Inductance",
};

} // namespace

const char* ColumnLabel(int column)
{
    return column >= 0 && column < 16 ? kLabels[column] : "";
}

std::string EfficiencyLine(float effi)
{
    const float eta = static_cast<float>(effi / 100.0);
    const float level = static_cast<float>(10.0 * std::log10(eta / ((2.0 * std::numbers::pi) * 1e-12)));
    // No level exists for an efficiency of 0 or below (the logarithm is -inf or NaN); say so instead.
    if (!std::isfinite(level)) return "Efficiency ( -- dB@1W1m )";
    return "Efficiency (" + NumberText(std::rint(10.0 * level) / 10.0).str() + "dB@1W1m )";
}

std::string ExplanationLine(int column, float effi)
{
    if (column == kColEffi) return EfficiencyLine(effi);
    return column >= 0 && column < 16 ? kExplanations[column] : "";
}
