#include <cstdint>
#include <cstdio>
#include <optional>

#include "tariff/tariff.hpp"

int main()
{
    double amount = 0.0;
    double tax = 0.0;
    double remainder = 0.0;
    std::optional<std::int32_t> whole_tax = std::nullopt;

    std::puts("Wie hoch ist ihr zu versteuernder Einkommen? ");
    // Nothing readable is an amount of 0, which gets no answer.
    if (std::scanf("%lf", &amount) != 1) {
        return 0;
    }

    // Each zone begins just above the upper limit of the zone before, so an
    // amount with cents between two whole-euro limits takes the next zone,
    // whose formula measures from that limit. A negative amount and nan fail
    // every test.
    if (0.0 <= amount && amount <= tariff::zone1_upper) {
        whole_tax = 0;
    } else if (tariff::zone1_upper < amount && amount <= tariff::zone2_upper) {
        const double y = (amount - tariff::zone2_anchor) / tariff::progression_unit;
        whole_tax = tariff::abrunden((tariff::zone2_quadratic * y + tariff::zone2_linear) * y);
    } else if (tariff::zone2_upper < amount && amount <= tariff::zone3_upper) {
        const double z = (amount - tariff::zone3_anchor) / tariff::progression_unit;
        whole_tax = tariff::abrunden((tariff::zone3_quadratic * z + tariff::zone3_linear) * z +
                                     tariff::zone3_base);
    } else if (tariff::zone3_upper < amount && amount <= tariff::zone4_upper) {
        whole_tax = tariff::abrunden(tariff::zone4_rate * amount - tariff::zone4_deduction);
    } else if (tariff::zone4_upper < amount) {
        whole_tax = tariff::abrunden(tariff::zone5_rate * amount - tariff::zone5_deduction);
    }

    // A tax beyond the 32-bit range is as untaxable as a negative amount.
    if (!whole_tax) {
        std::puts("Ungültiger Eintrag. ");
        return 0;
    }
    tax = static_cast<double>(*whole_tax);
    remainder = amount - tax;

    if (amount > 0.0) {
        std::printf("Bei einem Bruttoeinkommen von %.2f € muss man %.2f € versteuern und somit "
                    "bleibt vom Gehalt %.2f € übrig. \n",
                    amount,
                    tax,
                    remainder);
    }
    return 0;
}
