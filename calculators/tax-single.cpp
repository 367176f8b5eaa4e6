#include <cmath>
#include <cstdint>
#include <cstdio>
#include <optional>

#include "tariff/tariff.hpp"

int main()
{
    float amount = 0.0f;
    std::int32_t tax = 0;
    std::optional<std::int32_t> whole_tax = std::nullopt;

    std::puts("Bitte geben sie ihr Bruttoeinkommen ein:");
    // "%f" rounds the text straight to single precision, never by way of a
    // double. Nothing readable gets no answer.
    if (std::scanf("%f", &amount) != 1) {
        return 0;
    }

    if (amount <= tariff::zone1_upper) {
        std::printf("Ihr Bruttoeinkommen und ihr sind  Nettoeinkommen sind gleich : %f€, Ihr "
                    "Steuerbetrag ist %d€ \n",
                    static_cast<double>(amount),
                    tax);
        return 0;
    }

    // Each distance is taken in single precision, as the amount is held, and
    // only then widened; everything after it is double.
    if (amount <= tariff::zone2_upper) {
        const double d = static_cast<double>(amount - static_cast<float>(tariff::zone2_anchor));
        whole_tax = tariff::abrunden(std::pow(d, 2) * tariff::zone2_quadratic_per_euro +
                                     d * tariff::zone2_linear_per_euro);
    } else if (amount <= tariff::zone3_upper) {
        const double d = static_cast<double>(amount - static_cast<float>(tariff::zone3_anchor));
        whole_tax = tariff::abrunden(tariff::zone3_base +
                                     (d * tariff::zone3_linear_per_euro +
                                      std::pow(d, 2) * tariff::zone3_quadratic_per_euro));
    } else if (amount <= tariff::zone5_lower) {
        // Zone 4 reaches up to zone 5's lowest whole euro; between the two
        // limits both formulas give the same whole-euro tax.
        const double d = static_cast<double>(amount - static_cast<float>(tariff::zone4_anchor));
        whole_tax = tariff::abrunden(d * tariff::zone4_rate + tariff::zone4_tax_at_anchor);
    } else if (amount > tariff::zone5_lower) {
        const double d = static_cast<double>(amount - static_cast<float>(tariff::zone5_anchor));
        whole_tax = tariff::abrunden(d * tariff::zone5_rate + tariff::zone5_tax_at_anchor);
    }

    // nan passes no test, and a tax beyond the 32-bit range has no whole-euro
    // value: neither gets an answer.
    if (!whole_tax) {
        return 0;
    }
    tax = *whole_tax;
    const float tax_as_single = static_cast<float>(tax);
    const float net = amount - tax_as_single;

    std::printf("Ihr Nettoeinkommen: %f€, Ihr Steuerbetrag: %i€, Ihr Bruttoeinkommen: %f€.\n ",
                static_cast<double>(net),
                tax,
                static_cast<double>(amount));
    return 0;
}
