#include <string>

#include "harness.hpp"

namespace {

const std::string prompt = "Wie hoch ist ihr zu versteuernder Einkommen? \n";
const std::string invalid = "Ungültiger Eintrag. \n";

std::string sentence(const std::string& gross, const std::string& tax, const std::string& rest)
{
    return "Bei einem Bruttoeinkommen von " + gross + " € muss man " + tax +
           " € versteuern und somit bleibt vom Gehalt " + rest + " € übrig. \n";
}

using TaxSentence = ProgramTest;

TEST_P(TaxSentence, WritesExactly)
{
    expect_row(TAX_SENTENCE, GetParam());
}

// Each zone at both of its whole-euro limits and inside.
INSTANTIATE_TEST_SUITE_P(
    Zones,
    TaxSentence,
    testing::Values(
        Row{"whole_sentence_30000",
            "30000\n",
            "Wie hoch ist ihr zu versteuernder Einkommen? \n"
            "Bei einem Bruttoeinkommen von 30000.00 € muss man 5275.00 € versteuern und "
            "somit bleibt vom Gehalt 24725.00 € übrig. \n"},
        Row{"zone1_cents", "5000.5\n", prompt + sentence("5000.50", "0.00", "5000.50")},
        Row{"zone1_upper_9168", "9168\n", prompt + sentence("9168.00", "0.00", "9168.00")},
        Row{"zone2_lower_9169", "9169\n", prompt + sentence("9169.00", "0.00", "9169.00")},
        Row{"zone2_10000", "10000\n", prompt + sentence("10000.00", "123.00", "9877.00")},
        Row{"zone2_upper_14254", "14254\n", prompt + sentence("14254.00", "965.00", "13289.00")},
        Row{"zone3_lower_14255", "14255\n", prompt + sentence("14255.00", "965.00", "13290.00")},
        Row{"zone3_upper_55960", "55960\n", prompt + sentence("55960.00", "14722.00", "41238.00")},
        Row{"zone4_lower_55961", "55961\n", prompt + sentence("55961.00", "14722.00", "41239.00")},
        Row{"zone4_55995", "55995\n", prompt + sentence("55995.00", "14736.00", "41259.00")},
        Row{"zone4_upper_265326",
            "265326\n",
            prompt + sentence("265326.00", "102656.00", "162670.00")},
        Row{"zone5_lower_265327",
            "265327\n",
            prompt + sentence("265327.00", "102656.00", "162671.00")},
        Row{"zone5_1000000",
            "1000000\n",
            prompt + sentence("1000000.00", "433259.00", "566741.00")}),
    row_name);

// An amount with cents between two whole-euro limits takes the next zone,
// which gives the tax that continuity gives, and is not invalid.
INSTANTIATE_TEST_SUITE_P(
    BetweenZones,
    TaxSentence,
    testing::Values(
        Row{"above_9168", "9168.50\n", prompt + sentence("9168.50", "0.00", "9168.50")},
        Row{"above_14254", "14254.50\n", prompt + sentence("14254.50", "965.00", "13289.50")},
        Row{"above_55960", "55960.50\n", prompt + sentence("55960.50", "14722.00", "41238.50")},
        Row{"above_265326",
            "265326.50\n",
            prompt + sentence("265326.50", "102656.00", "162670.50")}),
    row_name);

// Amounts that cannot be taxed get the invalid-entry line and no sentence.
INSTANTIATE_TEST_SUITE_P(
    Invalid,
    TaxSentence,
    testing::Values(Row{"minus_one", "-1\n", prompt + invalid},
                    Row{"minus_one_cent", "-0.01\n", prompt + invalid},
                    Row{"nan", "nan\n", prompt + invalid},
                    Row{"minus_inf", "-inf\n", prompt + invalid},
                    Row{"inf", "inf\n", prompt + invalid},
                    Row{"largest_32_bit_tax",
                        "4772223085\n",
                        prompt + sentence("4772223085.00", "2147483647.00", "2624739438.00")},
                    Row{"tax_beyond_32_bits", "4772223086\n", prompt + invalid},
                    Row{"huge", "1e300\n", prompt + invalid}),
    row_name);

// How the amount may be typed, and input from which none can be read.
INSTANTIATE_TEST_SUITE_P(
    Input,
    TaxSentence,
    testing::Values(
        Row{"exponent", "3e4\n", prompt + sentence("30000.00", "5275.00", "24725.00")},
        Row{"plus_sign", "+30000\n", prompt + sentence("30000.00", "5275.00", "24725.00")},
        Row{"blank_lines_first",
            "\n\n  \t30000\n",
            prompt + sentence("30000.00", "5275.00", "24725.00")},
        Row{"no_final_newline", "30000", prompt + sentence("30000.00", "5275.00", "24725.00")},
        Row{"trailing_text", "30000 Euro\n", prompt + sentence("30000.00", "5275.00", "24725.00")},
        Row{"decimal_comma_ends_number",
            "30000,50\n",
            prompt + sentence("30000.00", "5275.00", "24725.00")},
        Row{"crlf", "30000\r\n", prompt + sentence("30000.00", "5275.00", "24725.00")},
        Row{"hexadecimal_float", "0x1p14\n", prompt + sentence("16384.00", "1485.00", "14899.00")},
        Row{"zero", "0\n", prompt},
        Row{"minus_zero", "-0\n", prompt},
        Row{"end_of_input", "", prompt},
        Row{"word", "viel\n", prompt}),
    row_name);

} // namespace
