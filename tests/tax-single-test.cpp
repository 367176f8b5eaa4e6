#include <string>

#include "harness.hpp"

namespace {

const std::string prompt = "Bitte geben sie ihr Bruttoeinkommen ein:\n";

std::string equal(const std::string& amount)
{
    return "Ihr Bruttoeinkommen und ihr sind  Nettoeinkommen sind gleich : " + amount +
           "€, Ihr Steuerbetrag ist 0€ \n";
}

std::string taxed(const std::string& net, const std::string& tax, const std::string& gross)
{
    return "Ihr Nettoeinkommen: " + net + "€, Ihr Steuerbetrag: " + tax +
           "€, Ihr Bruttoeinkommen: " + gross + "€.\n ";
}

using TaxSingle = ProgramTest;

TEST_P(TaxSingle, WritesExactly)
{
    expect_row(TAX_SINGLE, GetParam());
}

// Zone 1 and everything below it say that gross and net are equal.
INSTANTIATE_TEST_SUITE_P(
    EqualAmounts,
    TaxSingle,
    testing::Values(Row{"whole_line_5000",
                        "5000\n",
                        "Bitte geben sie ihr Bruttoeinkommen ein:\n"
                        "Ihr Bruttoeinkommen und ihr sind  Nettoeinkommen sind gleich : "
                        "5000.000000€, Ihr Steuerbetrag ist 0€ \n"},
                    Row{"zone1_upper_9168", "9168\n", prompt + equal("9168.000000")},
                    Row{"zero", "0\n", prompt + equal("0.000000")},
                    Row{"minus_one", "-1\n", prompt + equal("-1.000000")},
                    Row{"minus_inf", "-inf\n", prompt + equal("-inf")}),
    row_name);

// Each zone tested on its upper limit only; zone 4 reaches 265327.
INSTANTIATE_TEST_SUITE_P(
    Zones,
    TaxSingle,
    testing::Values(
        Row{"whole_line_10000",
            "10000\n",
            "Bitte geben sie ihr Bruttoeinkommen ein:\n"
            "Ihr Nettoeinkommen: 9877.000000€, Ihr Steuerbetrag: 123€, Ihr Bruttoeinkommen: "
            "10000.000000€.\n "},
        Row{"zone2_above_9168", "9168.5\n", prompt + taxed("9168.500000", "0", "9168.500000")},
        Row{"zone2_upper_14254", "14254\n", prompt + taxed("13289.000000", "965", "14254.000000")},
        Row{"zone3_lower_14255", "14255\n", prompt + taxed("13290.000000", "965", "14255.000000")},
        Row{"zone3_30000", "30000\n", prompt + taxed("24725.000000", "5275", "30000.000000")},
        Row{"zone3_upper_55960",
            "55960\n",
            prompt + taxed("41238.000000", "14722", "55960.000000")},
        Row{"zone4_lower_55961",
            "55961\n",
            prompt + taxed("41239.000000", "14722", "55961.000000")},
        Row{"zone4_55995", "55995\n", prompt + taxed("41258.000000", "14737", "55995.000000")},
        Row{"zone4_265326", "265326\n", prompt + taxed("162670.000000", "102656", "265326.000000")},
        Row{"zone4_upper_265327",
            "265327\n",
            prompt + taxed("162671.000000", "102656", "265327.000000")},
        Row{"zone5_265327_5",
            "265327.5\n",
            prompt + taxed("162671.500000", "102656", "265327.500000")}),
    row_name);

// The amount is the float nearest the text, and net is taken in single
// precision: 100000.37 is held as 100000.3671875.
INSTANTIATE_TEST_SUITE_P(
    SinglePrecision,
    TaxSingle,
    testing::Values(Row{"amount_as_float",
                        "100000.37\n",
                        prompt + taxed("66781.367188", "33219", "100000.367188")},
                    // Just above the midpoint between two floats: rounded by way of a
                    // double it would fall to 10000 exactly.
                    Row{"text_rounded_straight_to_float",
                        "10000.000488281250000000001\n",
                        prompt + taxed("9877.000977", "123", "10000.000977")},
                    Row{"largest_answered",
                        "4772222464\n",
                        prompt + taxed("2624739072.000000", "2147483417", "4772222464.000000")}),
    row_name);

// No readable number, nan, and a tax beyond 32 bits: nothing after the prompt.
INSTANTIATE_TEST_SUITE_P(NoAnswer,
                         TaxSingle,
                         testing::Values(Row{"end_of_input", "", prompt},
                                         Row{"word", "viel\n", prompt},
                                         Row{"nan", "nan\n", prompt},
                                         Row{"inf", "inf\n", prompt},
                                         Row{"tax_beyond_32_bits", "4772223086\n", prompt},
                                         Row{"huge", "1e30\n", prompt}),
                         row_name);

INSTANTIATE_TEST_SUITE_P(
    Input,
    TaxSingle,
    testing::Values(
        Row{"exponent", "3e4\n", prompt + taxed("24725.000000", "5275", "30000.000000")},
        Row{"plus_sign", "+30000\n", prompt + taxed("24725.000000", "5275", "30000.000000")},
        Row{"blank_lines_first",
            "\n \n\t30000\n",
            prompt + taxed("24725.000000", "5275", "30000.000000")},
        Row{"no_final_newline", "30000", prompt + taxed("24725.000000", "5275", "30000.000000")}),
    row_name);

} // namespace
