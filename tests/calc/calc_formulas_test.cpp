// The calculators' arithmetic, checked through the texts the windows show.
#include "calc/calc_formulas.h"
#include "sheet/number_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <string>
#include <vector>

// A result as its window shows it: rounded to k decimals, as number text.
static std::string Shown(float v, int k)
{
    return NumberText(DecimalRound(v, k)).str();
}

TEST(VasFormulas, ResultsOfAThirtyHertzWoofer)
{
    // Fs 30 Hz, Mms 20 g, radius 10 cm, Qes 0.4 throughout. A Qms of 0 or
    // below falls back to 0.85 Qes; Xmax 0 gives Vd 0.
    const std::tuple<float, float, const char*, const char*> cases[] = {{4.0f, 5.0f, " 0.364", " 157.08"},
                                                                        {0.0f, 5.0f, " 0.34", " 157.08"},
                                                                        {-1.0f, 5.0f, " 0.34", " 157.08"},
                                                                        {4.0f, 0.0f, " 0.364", " 0"}};
    for (const auto& [qms, xmax, qts, vd] : cases) {
        SCOPED_TRACE(testing::Message() << "Qms " << qms << ", Xmax " << xmax);
        const VasResult r = ComputeVas(30.0f, 20.0f, 10.0f, 0.4f, qms, xmax);
        ASSERT_TRUE(r.ok);
        EXPECT_EQ((std::vector{Shown(r.vas, kVasVasDecimals), Shown(r.qts, kVasQtsDecimals),
                               Shown(r.efficiency, kVasEfficiencyDecimals), Shown(r.sd, kVasSdDecimals),
                               Shown(r.vd, kVasVdDecimals)}),
                  (std::vector<std::string>{" 195.07", qts, " 1.266", " 314.2", vd}));
    }
    // The unrounded single-precision results.
    const VasResult r = ComputeVas(30.0f, 20.0f, 10.0f, 0.4f, 4.0f, 5.0f);
    EXPECT_EQ(r.mmss, 0.02f);
    EXPECT_FLOAT_EQ(r.sd, 314.159265f);
    EXPECT_FLOAT_EQ(r.sdd, 0.0314159265f);
    EXPECT_FLOAT_EQ(r.vd, 157.079635f);
    EXPECT_NE(r.vas, 195.07f); // the transfer writes the full value, not the shown one
    EXPECT_FLOAT_EQ(r.qts, 0.4f / 1.1f);
    // Fs, Mms, radius (0 is the prefill) and Qes must each be positive.
    const float refused[][4] = {{0, 20, 10, 0.4f}, {-30, 20, 10, 0.4f}, {30, 0, 10, 0.4f}, {30, -20, 10, 0.4f},
                                {30, 20, 0, 0.4f}, {30, 20, -10, 0.4f}, {30, 20, 10, 0},   {30, 20, 10, -0.4f}};
    for (const auto& in : refused)
        EXPECT_FALSE(ComputeVas(in[0], in[1], in[2], in[3], 4.0f, 5.0f).ok) << testing::PrintToString(in);
}

TEST(SmallFormulas, QtsSdVdAndLe)
{
    const QtsResult qts = ComputeQts(0.4f, 4.0f);
    ASSERT_TRUE(qts.ok);
    EXPECT_EQ(Shown(qts.qts, kQtsDecimals), " 0.364");
    // Both Qs are needed: no 0.85 fallback here, unlike the Vas calculator.
    const std::pair<float, float> noQts[] = {{0.4f, 0.0f}, {0.0f, 4.0f}, {-0.4f, 4.0f}, {0.4f, -4.0f}};
    for (const auto& [qes, qms] : noQts) EXPECT_FALSE(ComputeQts(qes, qms).ok) << qes << " " << qms;
    const SdResult sd = ComputeSd(200.0f);
    ASSERT_TRUE(sd.ok);
    EXPECT_EQ(Shown(sd.sd, kSdDecimals), " 314.16");
    EXPECT_EQ(sd.sd, static_cast<float>(std::numbers::pi * 100.0)); // about 314.15927, unrounded
    for (float diameter : {0.0f, -200.0f}) EXPECT_FALSE(ComputeSd(diameter).ok) << diameter;
    const VdResult cm2 = ComputeVd(314.16f, SdUnit::Cm2, 5.0f), m2 = ComputeVd(0.0314f, SdUnit::M2, 5.0f);
    ASSERT_TRUE(cm2.ok && m2.ok);
    EXPECT_EQ(std::tuple(Shown(cm2.vd, kVdDecimals), Shown(m2.vd, kVdDecimals)), std::tuple(" 157.08", " 157"));
    EXPECT_FLOAT_EQ(cm2.sdCm2, 314.16f);
    EXPECT_FLOAT_EQ(m2.sdCm2, 314.0f);
    const std::pair<float, float> noVd[] = {{0.0f, 5.0f}, {-314.16f, 5.0f}, {314.16f, 0.0f}, {314.16f, -5.0f}};
    for (const SdUnit unit : {SdUnit::Cm2, SdUnit::M2})
        for (const auto& [area, xmax] : noVd)
            EXPECT_FALSE(ComputeVd(area, unit, xmax).ok)
                << "unit " << int(unit) << ", Sd " << area << ", Xmax " << xmax;
    // The Sd field follows the unit. In m² the Sd is rounded to 0.1 cm² first, then divided by 10000.
    EXPECT_EQ((std::vector{VdSdFieldText(314.16f, SdUnit::M2), VdSdFieldText(314.16f, SdUnit::Cm2),
                           VdSdFieldText(12.3456f, SdUnit::Cm2)}),
              (std::vector{Str255(" 0.03142"), Str255(" 314.16"), Str255(" 12.35")}));
    EXPECT_DOUBLE_EQ(VdSdFieldValue(12.3456f, SdUnit::M2), 123.0 / 100000.0);
    const LeResult r = ComputeLe(6.0f, 8.0f, 1.0f), atRe = ComputeLe(6.0f, 6.0f, 1.0f);
    ASSERT_TRUE(r.ok && atRe.ok);
    EXPECT_EQ(Shown(r.le, kLeDecimals), " 0.842");
    EXPECT_FLOAT_EQ(r.le, static_cast<float>(std::sqrt(28.0) / (2.0 * std::numbers::pi)));
    EXPECT_EQ(atRe.le, 0.0f);
    // Re, Z, frequency: a Z below Re, or any of them 0 or below.
    const float noLe[][3] = {{6, 5.9f, 1}, {0, 8, 1}, {-6, 8, 1}, {6, 0, 1}, {6, 8, 0}, {6, 8, -1}};
    for (const auto& in : noLe) EXPECT_FALSE(ComputeLe(in[0], in[1], in[2]).ok) << testing::PrintToString(in);
}

TEST(EfficiencyFeetAndEbpFormulas, FromLevelsParametersAndImperialUnits)
{
    const EfficiencyResult spl = ComputeEfficiencyFromSpl(88.0f);
    ASSERT_TRUE(spl.ok);
    for (float level : {0.0f, -88.0f}) EXPECT_FALSE(ComputeEfficiencyFromSpl(level).ok) << level;
    // The level at 2.83 V.
    const std::tuple<float, NominalImpedance, const char*> levels[] = {{88.0f, NominalImpedance::Ohm8, " 0.396"},
                                                                       {88.0f, NominalImpedance::Ohm4, " 0.198"},
                                                                       {90.0f, NominalImpedance::Ohm2, " 0.157"},
                                                                       {85.0f, NominalImpedance::Ohm16, " 0.397"}};
    for (const auto& [level, impedance, shown] : levels) {
        SCOPED_TRACE(testing::Message() << level << " dB, choice " << static_cast<int>(impedance));
        const EfficiencyResult r = ComputeEfficiencyFrom283V(level, impedance);
        ASSERT_TRUE(r.ok);
        EXPECT_EQ(Shown(r.efficiency, kEfficiencyDecimals), shown);
        EXPECT_FALSE(ComputeEfficiencyFrom283V(0.0f, impedance).ok);
    }
    // 8 Ohm takes 1 W at 2.83 V: the same as the level at 1 W (shown " 0.396").
    EXPECT_EQ(ComputeEfficiencyFrom283V(88.0f, NominalImpedance::Ohm8).efficiency, spl.efficiency);
    EXPECT_FALSE(ComputeEfficiencyFrom283V(88.0f, static_cast<NominalImpedance>(5)).ok);
    // From the Thiele/Small parameters.
    const EfficiencyResult ts = ComputeEfficiencyFromParameters(30.0f, 195.07f, 0.4f);
    ASSERT_TRUE(ts.ok);
    EXPECT_EQ(Shown(ts.efficiency, kEfficiencyDecimals), " 1.266");
    const float refused[][3] = {{0, 195.07f, 0.4f}, {30, 0, 0.4f}, {30, 195.07f, 0}, {30, -195.07f, 0.4f}};
    for (const auto& in : refused)
        EXPECT_FALSE(ComputeEfficiencyFromParameters(in[0], in[1], in[2]).ok) << testing::PrintToString(in);
    // The Vas calculator's Vas gives the very same efficiency; typed in as shown, it gives the same text.
    const VasResult vas = ComputeVas(30.0f, 20.0f, 10.0f, 0.4f, 4.0f, 5.0f);
    ASSERT_TRUE(vas.ok);
    EXPECT_EQ(ComputeEfficiencyFromParameters(30.0f, vas.vas, 0.4f).efficiency, vas.efficiency);
    const float typedVas = ToStoredFloat(ReadNumber(Shown(vas.vas, kVasVasDecimals)));
    EXPECT_EQ(Shown(ComputeEfficiencyFromParameters(30.0f, typedVas, 0.4f).efficiency, kEfficiencyDecimals),
              Shown(vas.efficiency, kVasEfficiencyDecimals));
    const std::tuple<FeetTab, float, const char*> tabs[] = {
        {FeetTab::Dia, 12.0f, " 30"}, // 2.5 cm to the inch, not 30.48
        {FeetTab::Vas, 2.0f, " 56.63"},  {FeetTab::Sd, 50.0f, " 322.6"},
        {FeetTab::Xmax, 0.25f, " 6.35"}, {FeetTab::Vd, 10.0f, " 163.87"},
    };
    for (const auto& [tab, input, shown] : tabs) {
        SCOPED_TRACE(static_cast<int>(tab));
        const FeetToMetricResult r = ComputeFeetToMetric(tab, input);
        ASSERT_TRUE(r.ok);
        EXPECT_EQ(Shown(r.value, FeetConversionOf(tab).decimals), shown);
        EXPECT_FALSE(ComputeFeetToMetric(tab, 0.0f).ok || ComputeFeetToMetric(tab, -input).ok);
    }
    EXPECT_EQ(ComputeFeetToMetric(FeetTab::Dia, 12.0f).value, 30.0f);
    EXPECT_FALSE(ComputeFeetToMetric(static_cast<FeetTab>(6), 12.0f).ok);
    // EBP: Fs / Qes rounded to a whole number, ties to even (2.5 and 3.5).
    const std::tuple<float, float, const char*> ebp[] = {
        {30.0f, 0.4f, " 75"}, {45.0f, 0.36f, " 125"}, {25.0f, 10.0f, " 2"}, {35.0f, 10.0f, " 4"}, {0.0f, 0.4f, " 0"}};
    for (const auto& [fs, qes, shown] : ebp) {
        const EbpResult r = ComputeEbp(fs, qes);
        ASSERT_TRUE(r.ok) << fs << " / " << qes;
        EXPECT_EQ(NumberText(r.rounded).str(), shown) << fs << " / " << qes;
    }
    EXPECT_EQ(ComputeEbp(25.0f, 10.0f).quotient, 2.5f);
    // Undefined without a positive Qes or a finite quotient.
    const std::pair<float, float> noEbp[]
        = {{30.0f, 0.0f}, {30.0f, -0.4f}, {0.0f, 0.0f}, {std::numeric_limits<float>::max(), 0.001f}};
    for (const auto& [fs, qes] : noEbp) EXPECT_FALSE(ComputeEbp(fs, qes).ok) << fs << " / " << qes;
}
