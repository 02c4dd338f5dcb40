// The calculators' arithmetic, checked through the texts the windows show.
#include "calc/calc_formulas.h"
#include "sheet/number_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <string>

namespace {

// A result as its window shows it: rounded to k decimals, as number text.
std::string Shown(float v, int k)
{
    return NumberText(DecimalRound(v, k)).str();
}

// What a field holding `text` gives the calculator.
float Typed(const std::string& text)
{
    return ToStoredFloat(ReadNumber(text));
}

// ---- Vas ----

struct VasCase {
    const char* what;
    float qms, xmax;
    const char *vas, *qts, *efficiency, *sd, *vd;
};

TEST(VasFormulas, ResultsOfAThirtyHertzWoofer)
{
    // Fs 30 Hz, Mms 20 g, radius 10 cm, Qes 0.4 throughout.
    const VasCase cases[] = {
        {"Qms 4, Xmax 5", 4.0f, 5.0f, " 195.07", " 0.364", " 1.266", " 314.2", " 157.08"},
        {"Qms 0 falls back to 0.85 Qes", 0.0f, 5.0f, " 195.07", " 0.34", " 1.266", " 314.2", " 157.08"},
        {"negative Qms counts as 0", -1.0f, 5.0f, " 195.07", " 0.34", " 1.266", " 314.2", " 157.08"},
        {"Xmax 0 gives Vd 0", 4.0f, 0.0f, " 195.07", " 0.364", " 1.266", " 314.2", " 0"},
    };
    for (const VasCase& c : cases) {
        SCOPED_TRACE(c.what);
        const VasResult r = ComputeVas(30.0f, 20.0f, 10.0f, 0.4f, c.qms, c.xmax);
        ASSERT_TRUE(r.ok);
        EXPECT_EQ(Shown(r.vas, kVasVasDecimals), c.vas);
        EXPECT_EQ(Shown(r.qts, kVasQtsDecimals), c.qts);
        EXPECT_EQ(Shown(r.efficiency, kVasEfficiencyDecimals), c.efficiency);
        EXPECT_EQ(Shown(r.sd, kVasSdDecimals), c.sd);
        EXPECT_EQ(Shown(r.vd, kVasVdDecimals), c.vd);
    }
}

TEST(VasFormulas, KeepsUnroundedSinglePrecisionResults)
{
    const VasResult r = ComputeVas(30.0f, 20.0f, 10.0f, 0.4f, 4.0f, 5.0f);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.mmss, 0.02f);
    EXPECT_FLOAT_EQ(r.sd, 314.159265f);
    EXPECT_FLOAT_EQ(r.sdd, 0.0314159265f);
    EXPECT_FLOAT_EQ(r.vd, 157.079635f);
    EXPECT_NEAR(r.vas, 195.07, 0.01);
    EXPECT_NE(r.vas, 195.07f); // the transfer writes the full value, not the shown one
    EXPECT_FLOAT_EQ(r.qts, 0.4f / 1.1f);
}

TEST(VasFormulas, RefusesMissingFsMassRadiusOrQes)
{
    struct Case {
        const char* what;
        float fs, mms, radius, qes;
    };
    const Case cases[] = {
        {"Fs 0", 0.0f, 20.0f, 10.0f, 0.4f},
        {"Fs negative", -30.0f, 20.0f, 10.0f, 0.4f},
        {"Mms 0", 30.0f, 0.0f, 10.0f, 0.4f},
        {"Mms negative", 30.0f, -20.0f, 10.0f, 0.4f},
        {"radius 0 (the prefill)", 30.0f, 20.0f, 0.0f, 0.4f},
        {"radius negative", 30.0f, 20.0f, -10.0f, 0.4f},
        {"Qes 0", 30.0f, 20.0f, 10.0f, 0.0f},
        {"Qes negative", 30.0f, 20.0f, 10.0f, -0.4f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_FALSE(ComputeVas(c.fs, c.mms, c.radius, c.qes, 4.0f, 5.0f).ok);
    }
}

// ---- Qts ----

TEST(QtsFormulas, CombinesBothQsAndRefusesEitherMissing)
{
    struct Case {
        float qes, qms;
        bool ok;
        const char* shown;
    };
    const Case cases[] = {
        {0.4f, 4.0f, true, " 0.364"}, {0.4f, 0.0f, false, ""}, // no 0.85 fallback here, unlike the Vas calculator
        {0.0f, 4.0f, false, ""},      {-0.4f, 4.0f, false, ""}, {0.4f, -4.0f, false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "Qes " << c.qes << ", Qms " << c.qms);
        const QtsResult r = ComputeQts(c.qes, c.qms);
        ASSERT_EQ(r.ok, c.ok);
        if (c.ok) {
            EXPECT_EQ(Shown(r.qts, kQtsDecimals), c.shown);
        }
    }
}

// ---- Sd ----

TEST(SdFormulas, AreaFromTheConeDiameter)
{
    const SdResult r = ComputeSd(200.0f);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(Shown(r.sd, kSdDecimals), " 314.16");
    EXPECT_EQ(r.sd, static_cast<float>(std::numbers::pi * 100.0)); // about 314.15927, unrounded
}

TEST(SdFormulas, RefusesANonPositiveDiameter)
{
    for (const float d : {0.0f, -200.0f}) {
        SCOPED_TRACE(d);
        EXPECT_FALSE(ComputeSd(d).ok);
    }
}

// ---- Vd ----

TEST(VdFormulas, VolumeInBothSdUnits)
{
    struct Case {
        const char* what;
        float sd;
        SdUnit unit;
        const char* vd;
        float sdCm2;
    };
    const Case cases[] = {
        {"cm²", 314.16f, SdUnit::Cm2, " 157.08", 314.16f},
        {"m²", 0.0314f, SdUnit::M2, " 157", 314.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const VdResult r = ComputeVd(c.sd, c.unit, 5.0f);
        ASSERT_TRUE(r.ok);
        EXPECT_EQ(Shown(r.vd, kVdDecimals), c.vd);
        EXPECT_FLOAT_EQ(r.sdCm2, c.sdCm2);
    }
}

TEST(VdFormulas, RefusesMissingSdOrXmaxInEitherUnit)
{
    struct Case {
        float sd, xmax;
    };
    const Case cases[] = {{0.0f, 5.0f}, {-314.16f, 5.0f}, {314.16f, 0.0f}, {314.16f, -5.0f}};
    for (const SdUnit unit : {SdUnit::Cm2, SdUnit::M2}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message()
                         << "unit " << static_cast<int>(unit) << ", Sd " << c.sd << ", Xmax " << c.xmax);
            EXPECT_FALSE(ComputeVd(c.sd, unit, c.xmax).ok);
        }
    }
}

TEST(VdFormulas, SdFieldFollowsTheUnit)
{
    struct Case {
        float modelSd;
        SdUnit unit;
        const char* text;
    };
    const Case cases[] = {
        {314.16f, SdUnit::M2, " 0.03142"},
        {314.16f, SdUnit::Cm2, " 314.16"},
        {12.3456f, SdUnit::Cm2, " 12.35"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.modelSd << " cm² in unit " << static_cast<int>(c.unit));
        EXPECT_EQ(VdSdFieldText(c.modelSd, c.unit).str(), c.text);
    }
    // m²: the Sd is rounded to 0.1 cm² first, then divided by 10000.
    EXPECT_DOUBLE_EQ(VdSdFieldValue(12.3456f, SdUnit::M2), 123.0 / 100000.0);
}

// ---- Le ----

TEST(LeFormulas, InductanceFromAnImpedanceReading)
{
    struct Case {
        const char* what;
        float re, z, kHz;
        bool ok;
        const char* shown;
    };
    const Case cases[] = {
        {"Re 6, Z 8 at 1 kHz", 6.0f, 8.0f, 1.0f, true, " 0.842"},
        {"Z equal to Re", 6.0f, 6.0f, 1.0f, true, " 0"},
        {"Z below Re", 6.0f, 5.9f, 1.0f, false, ""},
        {"Re 0", 0.0f, 8.0f, 1.0f, false, ""},
        {"Re negative", -6.0f, 8.0f, 1.0f, false, ""},
        {"Z 0", 6.0f, 0.0f, 1.0f, false, ""},
        {"frequency 0", 6.0f, 8.0f, 0.0f, false, ""},
        {"frequency negative", 6.0f, 8.0f, -1.0f, false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const LeResult r = ComputeLe(c.re, c.z, c.kHz);
        ASSERT_EQ(r.ok, c.ok);
        if (c.ok) {
            EXPECT_EQ(Shown(r.le, kLeDecimals), c.shown);
        }
    }
}

TEST(LeFormulas, KeepsTheUnroundedValue)
{
    EXPECT_FLOAT_EQ(ComputeLe(6.0f, 8.0f, 1.0f).le, static_cast<float>(std::sqrt(28.0) / (2.0 * std::numbers::pi)));
    EXPECT_EQ(ComputeLe(6.0f, 6.0f, 1.0f).le, 0.0f);
}

// ---- Efficiency ----

TEST(EfficiencyFormulas, FromTheLevelAtOneWatt)
{
    const EfficiencyResult r = ComputeEfficiencyFromSpl(88.0f);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(Shown(r.efficiency, kEfficiencyDecimals), " 0.396");
    for (const float spl : {0.0f, -88.0f}) {
        SCOPED_TRACE(spl);
        EXPECT_FALSE(ComputeEfficiencyFromSpl(spl).ok);
    }
}

TEST(EfficiencyFormulas, FromTheLevelAt283Volts)
{
    struct Case {
        float spl;
        NominalImpedance impedance;
        const char* shown;
    };
    const Case cases[] = {
        {88.0f, NominalImpedance::Ohm8, " 0.396"},
        {88.0f, NominalImpedance::Ohm4, " 0.198"},
        {90.0f, NominalImpedance::Ohm2, " 0.157"},
        {85.0f, NominalImpedance::Ohm16, " 0.397"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.spl << " dB, choice " << static_cast<int>(c.impedance));
        const EfficiencyResult r = ComputeEfficiencyFrom283V(c.spl, c.impedance);
        ASSERT_TRUE(r.ok);
        EXPECT_EQ(Shown(r.efficiency, kEfficiencyDecimals), c.shown);
        EXPECT_FALSE(ComputeEfficiencyFrom283V(0.0f, c.impedance).ok);
    }
    // 8 Ohm takes 1 W at 2.83 V: the same as the level at 1 W.
    EXPECT_EQ(ComputeEfficiencyFrom283V(88.0f, NominalImpedance::Ohm8).efficiency,
              ComputeEfficiencyFromSpl(88.0f).efficiency);
    EXPECT_FALSE(ComputeEfficiencyFrom283V(88.0f, static_cast<NominalImpedance>(5)).ok);
}

TEST(EfficiencyFormulas, FromThieleSmallParameters)
{
    const EfficiencyResult r = ComputeEfficiencyFromParameters(30.0f, 195.07f, 0.4f);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(Shown(r.efficiency, kEfficiencyDecimals), " 1.266");

    struct Case {
        const char* what;
        float fs, vas, qes;
    };
    const Case refused[] = {
        {"Fs 0", 0.0f, 195.07f, 0.4f},
        {"Vas 0", 30.0f, 0.0f, 0.4f},
        {"Qes 0", 30.0f, 195.07f, 0.0f},
        {"Vas negative", 30.0f, -195.07f, 0.4f},
    };
    for (const Case& c : refused) {
        SCOPED_TRACE(c.what);
        EXPECT_FALSE(ComputeEfficiencyFromParameters(c.fs, c.vas, c.qes).ok);
    }
}

TEST(EfficiencyFormulas, AgreesWithTheVasCalculator)
{
    const VasResult vas = ComputeVas(30.0f, 20.0f, 10.0f, 0.4f, 4.0f, 5.0f);
    ASSERT_TRUE(vas.ok);
    // The same Vas number gives the very same efficiency.
    EXPECT_EQ(ComputeEfficiencyFromParameters(30.0f, vas.vas, 0.4f).efficiency, vas.efficiency);
    // The Vas as shown, typed into the efficiency calculator, shows the same text.
    const float typedVas = Typed(Shown(vas.vas, kVasVasDecimals));
    EXPECT_EQ(Shown(ComputeEfficiencyFromParameters(30.0f, typedVas, 0.4f).efficiency, kEfficiencyDecimals),
              Shown(vas.efficiency, kVasEfficiencyDecimals));
}

// ---- Feet to metric ----

TEST(FeetToMetricFormulas, ConvertsEachTab)
{
    struct Case {
        FeetTab tab;
        float input;
        const char* shown;
    };
    const Case cases[] = {
        {FeetTab::Dia, 12.0f, " 30"}, // 2.5 cm to the inch, not 30.48
        {FeetTab::Vas, 2.0f, " 56.63"},  {FeetTab::Sd, 50.0f, " 322.6"},
        {FeetTab::Xmax, 0.25f, " 6.35"}, {FeetTab::Vd, 10.0f, " 163.87"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.tab));
        const FeetToMetricResult r = ComputeFeetToMetric(c.tab, c.input);
        ASSERT_TRUE(r.ok);
        EXPECT_EQ(Shown(r.value, FeetConversionOf(c.tab).decimals), c.shown);
        EXPECT_FALSE(ComputeFeetToMetric(c.tab, 0.0f).ok);
        EXPECT_FALSE(ComputeFeetToMetric(c.tab, -c.input).ok);
    }
    EXPECT_EQ(ComputeFeetToMetric(FeetTab::Dia, 12.0f).value, 30.0f);
    EXPECT_FALSE(ComputeFeetToMetric(static_cast<FeetTab>(6), 12.0f).ok);
}

// ---- EBP ----

TEST(EbpFormulas, RoundsFsOverQesToAWholeNumber)
{
    struct Case {
        float fs, qes;
        const char* shown;
    };
    const Case cases[] = {
        {30.0f, 0.4f, " 75"}, {45.0f, 0.36f, " 125"}, {25.0f, 10.0f, " 2"}, // 2.5: ties go to even
        {35.0f, 10.0f, " 4"},                                               // 3.5
        {0.0f, 0.4f, " 0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "Fs " << c.fs << ", Qes " << c.qes);
        const EbpResult r = ComputeEbp(c.fs, c.qes);
        ASSERT_TRUE(r.ok);
        EXPECT_EQ(NumberText(r.rounded).str(), c.shown);
    }
    EXPECT_EQ(ComputeEbp(25.0f, 10.0f).quotient, 2.5f);
}

TEST(EbpFormulas, UndefinedWithoutAPositiveQesOrAFiniteQuotient)
{
    struct Case {
        const char* what;
        float fs, qes;
    };
    const Case cases[] = {
        {"Qes 0", 30.0f, 0.0f},
        {"Qes negative", 30.0f, -0.4f},
        {"Fs 0 and Qes 0", 0.0f, 0.0f},
        {"quotient beyond the float range", std::numeric_limits<float>::max(), 0.001f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_FALSE(ComputeEbp(c.fs, c.qes).ok);
    }
}

} // namespace
