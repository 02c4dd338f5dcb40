#include "calc/calc_formulas.h"

#include "sheet/number_format.h"

#include <cmath>
#include <iterator>
#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kTwoPi = 2.0 * kPi;
constexpr float kSpeedOfSound = 345.0f; // m/s
// rho c² / (4 pi²) × 1000 for rho = 1.18 kg/m³ and c = 345 m/s, rounded.
constexpr double kVolumeConstant = 3557630.0;
constexpr double kQtsFallback = 0.85; // Qts = 0.85 Qes when Qms is not given

// NaN is not positive either.
bool Positive(float x)
{
    return x > 0.0f;
}

// A double result stored as the 32-bit number the window keeps.
float Stored(double x)
{
    return static_cast<float>(x);
}

// Products and quotients that are rounded to single precision before use,
// whatever precision the compiler would otherwise keep them in.
float SingleProduct(float a, float b)
{
    const volatile float p = a * b;
    return p;
}

float SingleQuotient(float a, float b)
{
    const volatile float q = a / b;
    return q;
}

double Square(double x)
{
    return std::pow(x, 2);
}
double Cube(double x)
{
    return std::pow(x, 3);
}

float TotalQ(float qes, float qms)
{
    return Stored(1.0 / (1.0 / qes + 1.0 / qms));
}

// 4 pi² / C³ × Fs³ × Vas / 1000 / Qes × 100, evaluated left to right: the
// reference efficiency in percent, with Vas in litres turned into m³.
float ReferenceEfficiency(float fs, float vasLitres, float qes)
{
    return Stored(4.0 * Square(kPi) / Cube(kSpeedOfSound) * Cube(fs) * vasLitres / 1000.0 / qes * 100.0);
}

// 10^(SPL/10) × 10^-12 × 2 pi × 100: the efficiency in percent of a level
// in dB at 1 m.
double EfficiencyOfLevel(float splDb)
{
    return std::pow(10.0, splDb / 10.0) * std::pow(10.0, -12.0) * kTwoPi * 100.0;
}

// Rounding to 0 decimals as the number text does: rint, ties to even.
float RoundToWhole(float v)
{
    return Stored(std::rint(static_cast<double>(v)));
}

} // namespace

VasResult ComputeVas(float fs, float mmsGrams, float radiusCm, float qes, float qms, float xmaxMm)
{
    VasResult r;
    if (!Positive(fs) || !Positive(mmsGrams) || !Positive(radiusCm) || !Positive(qes)) return r;
    r.ok = true;
    r.mmss = Stored(mmsGrams / 1000.0);
    r.sd = Stored(kPi * Square(radiusCm));
    r.sdd = Stored(r.sd / 10000.0);
    r.vd = Stored(SingleProduct(r.sd, xmaxMm) / 10.0);
    r.vas = Stored(kVolumeConstant * Square(r.sdd) / (Square(fs) * r.mmss));
    r.qts = Positive(qms) ? TotalQ(qes, qms) : Stored(kQtsFallback * qes);
    r.efficiency = ReferenceEfficiency(fs, r.vas, qes);
    return r;
}

QtsResult ComputeQts(float qes, float qms)
{
    QtsResult r;
    if (!Positive(qes) || !Positive(qms)) return r;
    r.ok = true;
    r.qts = TotalQ(qes, qms);
    return r;
}

SdResult ComputeSd(float diameterMm)
{
    SdResult r;
    if (!Positive(diameterMm)) return r;
    r.ok = true;
    r.sd = Stored(kPi * Square(diameterMm / 20.0)); // radius in cm
    return r;
}

VdResult ComputeVd(float sd, SdUnit unit, float xmaxMm)
{
    VdResult r;
    if (!Positive(sd) || !Positive(xmaxMm)) return r;
    r.ok = true;
    if (unit == SdUnit::M2) {
        r.vd = Stored(static_cast<double>(sd) * 10000.0 * xmaxMm / 10.0);
        r.sdCm2 = Stored(static_cast<double>(sd) * 10000.0);
    } else {
        r.vd = Stored(SingleProduct(sd, xmaxMm) / 10.0);
        r.sdCm2 = sd;
    }
    return r;
}

double VdSdFieldValue(float modelSdCm2, SdUnit unit)
{
    if (unit == SdUnit::M2) return std::rint(static_cast<double>(SingleProduct(modelSdCm2, 10.0f))) / 100000.0;
    return DecimalRound(modelSdCm2, 2);
}

Str255 VdSdFieldText(float modelSdCm2, SdUnit unit)
{
    return NumberText(VdSdFieldValue(modelSdCm2, unit));
}

LeResult ComputeLe(float reOhm, float readImpedanceOhm, float readFrequencyKHz)
{
    LeResult r;
    if (!Positive(reOhm) || !Positive(readImpedanceOhm) || !Positive(readFrequencyKHz)) return r;
    if (readImpedanceOhm < reOhm) return r; // no inductance explains a reading below Re
    const double reactance = std::sqrt(Square(readImpedanceOhm) - Square(reOhm));
    r.ok = true;
    r.le = Stored(reactance / (kTwoPi * readFrequencyKHz * 1000.0) * 1000.0); // H to mH
    return r;
}

double ImpedanceFactor(NominalImpedance impedance)
{
    switch (impedance) {
    case NominalImpedance::Ohm2: return 0.25;
    case NominalImpedance::Ohm4: return 0.5;
    case NominalImpedance::Ohm8: return 1.0;
    case NominalImpedance::Ohm16: return 2.0;
    }
    return 0.0;
}

EfficiencyResult ComputeEfficiencyFromSpl(float splDb)
{
    EfficiencyResult r;
    if (!Positive(splDb)) return r;
    r.ok = true;
    r.efficiency = Stored(EfficiencyOfLevel(splDb));
    return r;
}

EfficiencyResult ComputeEfficiencyFromParameters(float fs, float vasLitres, float qes)
{
    EfficiencyResult r;
    if (!Positive(fs) || !Positive(vasLitres) || !Positive(qes)) return r;
    r.ok = true;
    r.efficiency = ReferenceEfficiency(fs, vasLitres, qes);
    return r;
}

EfficiencyResult ComputeEfficiencyFrom283V(float splDb, NominalImpedance impedance)
{
    EfficiencyResult r;
    const double factor = ImpedanceFactor(impedance);
    if (!Positive(splDb) || factor == 0.0) return r;
    r.ok = true;
    r.efficiency = Stored(EfficiencyOfLevel(splDb) * factor);
    return r;
}

const FeetConversion& FeetConversionOf(FeetTab tab)
{
    static const FeetConversion kConversions[] = {
        {2.5, 2},                // Dia: inch to cm
        {std::pow(3.048, 3), 2}, // Vas: feet³ to litres
        {std::pow(2.54, 2), 1},  // Sd: inch² to cm²
        {25.4, 2},               // Xmax: inch to mm
        {std::pow(2.54, 3), 2},  // Vd: inch³ to cm³
    };
    static const FeetConversion kNone = {0.0, 2};
    const int i = static_cast<int>(tab) - 1;
    if (i < 0 || i >= static_cast<int>(std::size(kConversions))) return kNone;
    return kConversions[i];
}

FeetToMetricResult ComputeFeetToMetric(FeetTab tab, float input)
{
    FeetToMetricResult r;
    const double factor = FeetConversionOf(tab).factor;
    if (!Positive(input) || factor == 0.0) return r;
    r.ok = true;
    r.value = Stored(static_cast<double>(input) * factor);
    return r;
}

EbpResult ComputeEbp(float fs, float qes)
{
    EbpResult r;
    if (!Positive(qes)) return r;
    const float quotient = SingleQuotient(fs, qes);
    if (!std::isfinite(quotient)) return r;
    r.ok = true;
    r.quotient = quotient;
    r.rounded = RoundToWhole(quotient);
    return r;
}
