// The arithmetic of the eight calculator windows (Vas, Qts, Efficiency, Sd,
// Vd, Le, Feet to Metric, EBP), free of widgets and globals. Each function
// takes the 32-bit numbers read from the fields and returns every result as
// the 32-bit float the window shows and the transfer writes into the model.
// `ok` is false when a required input is not greater than 0, when an Le
// reading lies below Re, or when EBP has no finite value: the window then
// beeps (EBP: shows its value as undefined) and keeps its old results; the
// other members of a refused result are 0.
//
// The windows show each result by DecimalRound and NumberText
// (sheet/number_format.h) with the decimals listed below.
#pragma once

#include "platform/str255.h"

// Decimals of the result fields after Calc.
inline constexpr int kVasVasDecimals = 2;
inline constexpr int kVasQtsDecimals = 3;
inline constexpr int kVasEfficiencyDecimals = 3;
inline constexpr int kVasSdDecimals = 1;
inline constexpr int kVasVdDecimals = 2;
inline constexpr int kQtsDecimals = 3;
inline constexpr int kSdDecimals = 2;
inline constexpr int kVdDecimals = 2;
inline constexpr int kLeDecimals = 3;
inline constexpr int kEfficiencyDecimals = 3;

// ---- Vas calculator ----

struct VasResult {
    bool ok = false;
    float mmss = 0; // moving mass, kg
    float sd = 0;   // cone area, cm²
    float sdd = 0;  // cone area, m²
    float vd = 0;   // displacement volume, cm³
    float vas = 0;  // litres
    float qts = 0;
    float efficiency = 0; // percent
};

// Fs in Hz, Mms in grams, effective radius in cm, Xmax in mm. Fs, Mms,
// radius and Qes must be positive; a Qms of 0 or below gives Qts = 0.85 Qes,
// and Xmax may be 0.
VasResult ComputeVas(float fs, float mmsGrams, float radiusCm, float qes, float qms, float xmaxMm);

// ---- Qts calculator ----

struct QtsResult {
    bool ok = false;
    float qts = 0;
};

// Both Q values must be positive (no 0.85 fallback here).
QtsResult ComputeQts(float qes, float qms);

// ---- Sd calculator ----

struct SdResult {
    bool ok = false;
    float sd = 0; // cm²
};

// Effective cone diameter in mm, positive.
SdResult ComputeSd(float diameterMm);

// ---- Vd calculator ----

// Unit of the Vd calculator's Sd field; the values are those of VdRadioID.
enum class SdUnit { Cm2 = 1, M2 = 2 };

struct VdResult {
    bool ok = false;
    float vd = 0;    // cm³
    float sdCm2 = 0; // the Sd input in cm², as the transfer writes it
};

// Sd in `unit` (any value but M2 counts as cm²), Xmax in mm; both must be
// positive. The cm² product Sd × Xmax is rounded to single precision before
// the division by 10; the m² form is evaluated in double throughout.
VdResult ComputeVd(float sd, SdUnit unit, float xmaxMm);

// The Sd field's value for a model Sd in cm², in the field's unit: cm² with
// 2 decimals, or m² as the Sd rounded to 0.1 cm² divided by 10000.
double VdSdFieldValue(float modelSdCm2, SdUnit unit);
// Its text, as the Vd calculator shows it at opening and after a unit change.
Str255 VdSdFieldText(float modelSdCm2, SdUnit unit);

// ---- Le calculator ----

struct LeResult {
    bool ok = false;
    float le = 0; // mH
};

// Le = sqrt(Z² - Re²) / (2 pi f), from Re and the impedance Z in Ohm read at
// the frequency f in kHz. All three must be positive and Z must not be
// below Re; Z equal to Re gives 0.
LeResult ComputeLe(float reOhm, float readImpedanceOhm, float readFrequencyKHz);

// ---- Efficiency calculator ----

struct EfficiencyResult {
    bool ok = false;
    float efficiency = 0; // percent
};

// Nominal-impedance choice of the 2.83 V tab; the values are those of EffiItemID.
enum class NominalImpedance { Ohm2 = 1, Ohm4 = 2, Ohm8 = 3, Ohm16 = 4 };

// Turns the efficiency at the power 2.83 V drives into the impedance into
// the efficiency per watt: 0.25, 0.5, 1 or 2. An unknown choice gives 0.
double ImpedanceFactor(NominalImpedance impedance);

// Tab 1: from the sound pressure level at 1 W and 1 m, in dB (positive).
EfficiencyResult ComputeEfficiencyFromSpl(float splDb);
// Tab 2: from Fs in Hz, Vas in litres and Qes, all positive.
EfficiencyResult ComputeEfficiencyFromParameters(float fs, float vasLitres, float qes);
// Tab 3: from the level at 2.83 V and 1 m (positive) and the nominal
// impedance; an unknown impedance choice is refused.
EfficiencyResult ComputeEfficiencyFrom283V(float splDb, NominalImpedance impedance);

// ---- Feet-to-metric calculator ----

// The tabs, numbered as tabItem.
enum class FeetTab { Dia = 1, Vas = 2, Sd = 3, Xmax = 4, Vd = 5 };

struct FeetConversion {
    double factor; // metric value = input × factor
    int decimals;  // decimals of the shown result
};

// The conversion of a tab: Dia inch to cm by 2.5 (the nominal diameter's
// convention, not 2.54), Vas feet³ to litres, Sd inch² to cm², Xmax inch
// to mm, Vd inch³ to cm³. A tab outside 1..5 has the factor 0.
const FeetConversion& FeetConversionOf(FeetTab tab);

struct FeetToMetricResult {
    bool ok = false;
    float value = 0; // in the tab's metric unit
};

// The input must be positive and the tab one of the five.
FeetToMetricResult ComputeFeetToMetric(FeetTab tab, float input);

// ---- EBP window ----

struct EbpResult {
    bool ok = false;    // false when Qes is not positive or Fs/Qes is not finite
    float quotient = 0; // Fs / Qes in single precision
    float rounded = 0;  // the quotient rounded to a whole number, ties to even
};

// From the model's stored Fs and Qes; the window shows NumberText(rounded).
EbpResult ComputeEbp(float fs, float qes);
