#include <cstdint>
#include <cstdio>
#include <optional>

#include "tariff/tariff.hpp"

int main()
{
    // This report's own quadratic coefficients: the tariff's 9.8014e-6 and
    // 2.1616e-6 cut after four significant digits.
    constexpr double zone2_quadratic_cut = 9.801e-6;
    constexpr double zone3_quadratic_cut = 2.161e-6;

    double amount = 0.0;
    double tax = 0.0;
    double net = 0.0;

    std::printf("Bitte gebe Ihr Bruttoeinkommen ein:\n");
    // Nothing readable gets no answer.
    if (std::scanf("%le", &amount) != 1) {
        return 0;
    }

    // The limits are exclusive: an amount equal to a limit belongs to the
    // next zone, whose formula starts from that limit.
    if (amount < tariff::zone1_upper) {
        net = amount - 0.0;
        std::printf("Brutto = %.2f\nSteuerbetrag= 0\nNetto= %.2f\n", amount, net);
        return 0;
    }
    if (amount < tariff::zone2_upper) {
        const double d = amount - tariff::zone2_anchor;
        tax = (tariff::zone2_linear_per_euro + d * zone2_quadratic_cut) * d;
    } else if (amount < tariff::zone3_upper) {
        const double d = amount - tariff::zone3_anchor;
        tax = (tariff::zone3_linear_per_euro + d * zone3_quadratic_cut) * d + tariff::zone3_base;
    } else if (amount < tariff::zone4_upper) {
        tax = tariff::zone4_rate * amount - tariff::zone4_deduction;
    } else {
        tax = tariff::zone5_rate * amount - tariff::zone5_deduction;
    }

    // nan and infinity fall through to zone 5; neither they nor a tax beyond
    // the 32-bit range have a whole-euro value, and they get no answer.
    const std::optional<std::int32_t> whole_tax = tariff::abrunden(tax);
    if (!whole_tax) {
        return 0;
    }
    // The net keeps the cents that the shown tax drops.
    net = amount - tax;

    std::printf("Brutto=%.2f\nSteuerbetrag=%i\nNetto=%.2f\n", amount, *whole_tax, net);
    return 0;
}
