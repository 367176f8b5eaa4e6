#include <string>

#include "harness.hpp"

namespace {

const std::string prompt = "Hallo, was ist deine Tutoriumsnummer? ";

std::string answer(const std::string& group)
{
    return prompt + "Sie sind im Tutorium Nr. " + group + ".";
}

using GroupPrompt = ProgramTest;

TEST_P(GroupPrompt, WritesExactly)
{
    expect_row(GROUP_PROMPT, GetParam());
}

// "%i" takes the base from the prefix and stops at the first character that
// does not belong to the number.
INSTANTIATE_TEST_SUITE_P(
    Bases,
    GroupPrompt,
    testing::Values(Row{"whole_answer_7",
                        "7\n",
                        "Hallo, was ist deine Tutoriumsnummer? Sie sind im Tutorium Nr. 7."},
                    Row{"octal", "010\n", answer("8")},
                    Row{"octal_stops_at_8", "08\n", answer("0")},
                    Row{"hexadecimal", "0x1A\n", answer("26")},
                    Row{"hexadecimal_capital_x", "0X1a\n", answer("26")},
                    Row{"negative", "-3\n", answer("-3")},
                    Row{"negative_hexadecimal", "-0x10\n", answer("-16")},
                    Row{"plus_sign", "+5\n", answer("5")},
                    Row{"letters_after", "12abc\n", answer("12")},
                    Row{"exponent_not_read", "1e3\n", answer("1")},
                    Row{"blank_lines_first", "\n \n\t 42\n", answer("42")},
                    Row{"no_final_newline", "42", answer("42")}),
    row_name);

// Nothing readable leaves the number at 0.
INSTANTIATE_TEST_SUITE_P(NothingRead,
                         GroupPrompt,
                         testing::Values(Row{"end_of_input", "", answer("0")},
                                         Row{"word", "sieben\n", answer("0")},
                                         Row{"sign_alone", "- 5\n", answer("0")},
                                         Row{"prefix_alone", "0x\n", answer("0")}),
                         row_name);

// A number beyond the 32-bit range is answered with the nearest 32-bit value.
INSTANTIATE_TEST_SUITE_P(
    Range,
    GroupPrompt,
    testing::Values(Row{"largest", "2147483647\n", answer("2147483647")},
                    Row{"above_largest", "2147483648\n", answer("2147483647")},
                    Row{"far_above", "99999999999999999999\n", answer("2147483647")},
                    Row{"hexadecimal_above", "0x80000000\n", answer("2147483647")},
                    Row{"smallest", "-2147483648\n", answer("-2147483648")},
                    Row{"below_smallest", "-2147483649\n", answer("-2147483648")},
                    Row{"far_below", "-99999999999999999999\n", answer("-2147483648")},
                    Row{"leading_zeros", "000000000000000000000000000042\n", answer("34")}),
    row_name);

} // namespace
