#include <cstdint>
#include <optional>

#include <gtest/gtest.h>

#include "tariff/tariff.hpp"

namespace {

struct Cut {
    double tax;
    std::optional<std::int32_t> whole;
};

void PrintTo(const Cut& cut, std::ostream* os)
{
    *os << cut.tax << " -> " << testing::PrintToString(cut.whole);
}

class Abrunden : public testing::TestWithParam<Cut> {};

TEST_P(Abrunden, CutsTowardZero)
{
    EXPECT_EQ(GetParam().whole, tariff::abrunden(GetParam().tax));
}

INSTANTIATE_TEST_SUITE_P(WholeEuros,
                         Abrunden,
                         testing::Values(Cut{0.0, 0},
                                         Cut{0.9999, 0},
                                         Cut{965.58, 965},
                                         Cut{14722.3, 14722},
                                         Cut{102656.02, 102656},
                                         Cut{102656.47, 102656},
                                         Cut{-0.5, 0},
                                         Cut{-1.5, -1}));

// The 32-bit range ends at 2^31 - 1 above and -2^31 below; beyond it, and for
// nan and infinity, there is no whole-euro tax.
INSTANTIATE_TEST_SUITE_P(Range,
                         Abrunden,
                         testing::Values(Cut{2147483647.99, 2147483647},
                                         Cut{2147483648.0, std::nullopt},
                                         Cut{-2147483648.99, -2147483647 - 1},
                                         Cut{-2147483649.0, std::nullopt},
                                         Cut{__builtin_nan(""), std::nullopt},
                                         Cut{__builtin_inf(), std::nullopt},
                                         Cut{-__builtin_inf(), std::nullopt}));

// Where two zones meet, both formulas give the same whole-euro tax.
TEST(ZonesMeet, AtEveryUpperLimit)
{
    using namespace tariff;

    const double y = (zone2_upper - zone2_anchor) / progression_unit;
    const double zone2_at_14254 = (zone2_quadratic * y + zone2_linear) * y;
    const double zone3_at_14254 = (zone3_quadratic * 0.0 + zone3_linear) * 0.0 + zone3_base;
    EXPECT_NEAR(965.5767, zone2_at_14254, 5e-5);
    EXPECT_EQ(965.58, zone3_at_14254);
    EXPECT_EQ(abrunden(zone2_at_14254), abrunden(zone3_at_14254));

    const double z = (zone3_upper - zone3_anchor) / progression_unit;
    const double zone3_at_55960 = (zone3_quadratic * z + zone3_linear) * z + zone3_base;
    const double zone4_at_55960 = zone4_rate * zone3_upper - zone4_deduction;
    EXPECT_NEAR(14722.3746, zone3_at_55960, 5e-5);
    EXPECT_NEAR(zone4_tax_at_anchor, zone4_at_55960, 1e-9);
    EXPECT_EQ(abrunden(zone3_at_55960), abrunden(zone4_at_55960));

    const double zone4_at_265326 = zone4_rate * zone4_upper - zone4_deduction;
    const double zone5_at_265326 = zone5_rate * zone4_upper - zone5_deduction;
    EXPECT_NEAR(zone5_tax_at_anchor, zone4_at_265326, 1e-9);
    EXPECT_NEAR(zone5_tax_at_anchor, zone5_at_265326, 1e-9);
    EXPECT_EQ(abrunden(zone4_at_265326), abrunden(zone5_at_265326));
}

// The multiplied-out constants are the reference polynomials' coefficients.
TEST(ExpandedForms, MatchTheReferenceCoefficients)
{
    using namespace tariff;

    EXPECT_DOUBLE_EQ(zone2_linear / progression_unit, zone2_linear_per_euro);
    EXPECT_DOUBLE_EQ(zone2_quadratic / (progression_unit * progression_unit),
                     zone2_quadratic_per_euro);
    EXPECT_DOUBLE_EQ(zone3_linear / progression_unit, zone3_linear_per_euro);
    EXPECT_DOUBLE_EQ(zone3_quadratic / (progression_unit * progression_unit),
                     zone3_quadratic_per_euro);
}

} // namespace
