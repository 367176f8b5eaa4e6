#pragma once

#include <cstdint>
#include <optional>

// The income-tax tariff of 2019 in five zones: its limits, the coefficients of
// each zone's formula, the same polynomials multiplied out, and the cut of a
// tax to whole euros. Every constant is the decimal the tariff writes; where
// one follows from others, the comment says how, but it is never computed,
// because a computed value can differ from the written one in its last bit.
namespace tariff {

// Upper limits of zones 1 to 4, in euros.
inline constexpr double zone1_upper = 9168.0;
inline constexpr double zone2_upper = 14254.0;
inline constexpr double zone3_upper = 55960.0;
inline constexpr double zone4_upper = 265326.0;

// The lowest whole-euro amounts of zones 2 to 5.
inline constexpr double zone2_lower = 9169.0;
inline constexpr double zone3_lower = 14255.0;
inline constexpr double zone4_lower = 55961.0;
inline constexpr double zone5_lower = 265327.0;

static_assert(zone2_lower == zone1_upper + 1.0);
static_assert(zone3_lower == zone2_upper + 1.0);
static_assert(zone4_lower == zone3_upper + 1.0);
static_assert(zone5_lower == zone4_upper + 1.0);

// The amounts each formula measures from: the upper limit of the zone before.
inline constexpr double zone2_anchor = 9168.0;
inline constexpr double zone3_anchor = 14254.0;
inline constexpr double zone4_anchor = 55960.0;
inline constexpr double zone5_anchor = 265326.0;

static_assert(zone2_anchor == zone1_upper);
static_assert(zone3_anchor == zone2_upper);
static_assert(zone4_anchor == zone3_upper);
static_assert(zone5_anchor == zone4_upper);

// The progression zones measure their distance in units of this many euros.
inline constexpr double progression_unit = 10000.0;

// Zone 2: (980.14 * y + 1400) * y, y = (x - 9168) / 10000.
inline constexpr double zone2_quadratic = 980.14;
inline constexpr double zone2_linear = 1400.0;

// Zone 3: (216.16 * z + 2397) * z + 965.58, z = (x - 14254) / 10000.
inline constexpr double zone3_quadratic = 216.16;
inline constexpr double zone3_linear = 2397.0;
inline constexpr double zone3_base = 965.58;

// Zone 4: 0.42 * x - 8780.9.
inline constexpr double zone4_rate = 0.42;
inline constexpr double zone4_deduction = 8780.9;

// Zone 5: 0.45 * x - 16740.68.
inline constexpr double zone5_rate = 0.45;
inline constexpr double zone5_deduction = 16740.68;

// The progression formulas multiplied out over d, the distance in euros from
// the anchor: 0.14 = 1400 / 10000 and 9.8014e-6 = 980.14 / 10000^2 for zone 2,
// 0.2397 = 2397 / 10000 and 2.1616e-6 = 216.16 / 10000^2 for zone 3.
inline constexpr double zone2_linear_per_euro = 0.14;
inline constexpr double zone2_quadratic_per_euro = 9.8014e-6;
inline constexpr double zone3_linear_per_euro = 0.2397;
inline constexpr double zone3_quadratic_per_euro = 2.1616e-6;

// The proportional formulas measured from their anchors: the tax at 55960 is
// 0.42 * 55960 - 8780.9 = 14722.3, the tax at 265326 is
// 0.45 * 265326 - 16740.68 = 102656.02.
inline constexpr double zone4_tax_at_anchor = 14722.3;
inline constexpr double zone5_tax_at_anchor = 102656.02;

// Cuts a tax to whole euros, toward zero. A tax that is not a number, is
// infinite or lies outside the 32-bit range has no whole-euro value: it is
// answered with nothing instead of being converted, which would be undefined.
constexpr std::optional<std::int32_t> abrunden(double tax)
{
    if (!(tax > -2147483649.0 && tax < 2147483648.0)) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(tax);
}

} // namespace tariff
