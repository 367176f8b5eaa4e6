#include <string>

#include "harness.hpp"

namespace {

const std::string prompt = "Bitte gebe Ihr Bruttoeinkommen ein:\n";

std::string untaxed(const std::string& amount)
{
    return "Brutto = " + amount + "\nSteuerbetrag= 0\nNetto= " + amount + "\n";
}

std::string taxed(const std::string& gross, const std::string& tax, const std::string& net)
{
    return "Brutto=" + gross + "\nSteuerbetrag=" + tax + "\nNetto=" + net + "\n";
}

using TaxLines = ProgramTest;

TEST_P(TaxLines, WritesExactly)
{
    expect_row(TAX_LINES, GetParam());
}

// Below 9168, negative amounts included, the tax is the fixed text 0.
INSTANTIATE_TEST_SUITE_P(
    BelowZone2,
    TaxLines,
    testing::Values(Row{"whole_report_5000",
                        "5000\n",
                        "Bitte gebe Ihr Bruttoeinkommen ein:\n"
                        "Brutto = 5000.00\nSteuerbetrag= 0\nNetto= 5000.00\n"},
                    Row{"just_below_9168", "9167.99\n", prompt + untaxed("9167.99")},
                    Row{"minus_one", "-1\n", prompt + untaxed("-1.00")},
                    Row{"minus_inf", "-inf\n", prompt + untaxed("-inf")}),
    row_name);

// The limits are exclusive, and the net keeps the cents of the tax.
INSTANTIATE_TEST_SUITE_P(
    Zones,
    TaxLines,
    testing::Values(
        Row{"whole_report_10000",
            "10000\n",
            "Bitte gebe Ihr Bruttoeinkommen ein:\n"
            "Brutto=10000.00\nSteuerbetrag=123\nNetto=9876.74\n"},
        Row{"limit_9168_in_zone2", "9168\n", prompt + taxed("9168.00", "0", "9168.00")},
        Row{"zone2_9168_5", "9168.5\n", prompt + taxed("9168.50", "0", "9168.43")},
        Row{"limit_14254_in_zone3", "14254\n", prompt + taxed("14254.00", "965", "13288.42")},
        Row{"zone3_30000", "30000\n", prompt + taxed("30000.00", "5275", "24724.31")},
        Row{"limit_55960_in_zone4", "55960\n", prompt + taxed("55960.00", "14722", "41237.70")},
        Row{"zone4_55995", "55995\n", prompt + taxed("55995.00", "14736", "41258.00")},
        Row{"limit_265326_in_zone5",
            "265326\n",
            prompt + taxed("265326.00", "102656", "162669.98")},
        Row{"largest_32_bit_tax",
            "4772223085\n",
            prompt + taxed("4772223085.00", "2147483647", "2624739437.43")}),
    row_name);

// No readable number, nan, infinity and a tax beyond 32 bits: nothing after
// the prompt.
INSTANTIATE_TEST_SUITE_P(NoAnswer,
                         TaxLines,
                         testing::Values(Row{"end_of_input", "", prompt},
                                         Row{"word", "viel\n", prompt},
                                         Row{"nan", "nan\n", prompt},
                                         Row{"inf", "inf\n", prompt},
                                         Row{"tax_beyond_32_bits", "4772223086\n", prompt}),
                         row_name);

INSTANTIATE_TEST_SUITE_P(
    Input,
    TaxLines,
    testing::Values(
        Row{"exponent", "3e4\n", prompt + taxed("30000.00", "5275", "24724.31")},
        Row{"plus_sign", "+30000\n", prompt + taxed("30000.00", "5275", "24724.31")},
        Row{"blank_lines_first", "\n\n 30000\n", prompt + taxed("30000.00", "5275", "24724.31")},
        Row{"no_final_newline", "30000", prompt + taxed("30000.00", "5275", "24724.31")}),
    row_name);

} // namespace
