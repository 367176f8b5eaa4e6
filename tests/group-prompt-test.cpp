#include <string>

#include "harness.hpp"

namespace {

const std::string prompt = "Hallo, was ist deine Tutoriumsnummer? ";

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
    testing::Values(
        Row{"whole_answer_7",
            "7\n",
            "Hallo, was ist deine Tutoriumsnummer? Sie sind im Tutorium Nr. 7."},
        Row{"octal", "010\n", prompt + "Sie sind im Tutorium Nr. 8."},
        Row{"octal_stops_at_8", "08\n", prompt + "Sie sind im Tutorium Nr. 0."},
        Row{"hexadecimal", "0x1A\n", prompt + "Sie sind im Tutorium Nr. 26."},
        Row{"hexadecimal_capital_x", "0X1a\n", prompt + "Sie sind im Tutorium Nr. 26."},
        Row{"negative", "-3\n", prompt + "Sie sind im Tutorium Nr. -3."},
        Row{"negative_hexadecimal", "-0x10\n", prompt + "Sie sind im Tutorium Nr. -16."},
        Row{"plus_sign", "+5\n", prompt + "Sie sind im Tutorium Nr. 5."},
        Row{"letters_after", "12abc\n", prompt + "Sie sind im Tutorium Nr. 12."},
        Row{"exponent_not_read", "1e3\n", prompt + "Sie sind im Tutorium Nr. 1."},
        Row{"blank_lines_first", "\n \n\t 42\n", prompt + "Sie sind im Tutorium Nr. 42."},
        Row{"no_final_newline", "42", prompt + "Sie sind im Tutorium Nr. 42."}),
    row_name);

// Nothing readable leaves the number at 0.
INSTANTIATE_TEST_SUITE_P(
    NothingRead,
    GroupPrompt,
    testing::Values(Row{"end_of_input", "", prompt + "Sie sind im Tutorium Nr. 0."},
                    Row{"word", "sieben\n", prompt + "Sie sind im Tutorium Nr. 0."},
                    Row{"sign_alone", "- 5\n", prompt + "Sie sind im Tutorium Nr. 0."},
                    Row{"prefix_alone", "0x\n", prompt + "Sie sind im Tutorium Nr. 0."}),
    row_name);

// A number beyond the 32-bit range is answered with the nearest 32-bit value.
INSTANTIATE_TEST_SUITE_P(
    Range,
    GroupPrompt,
    testing::Values(
        Row{"largest", "2147483647\n", prompt + "Sie sind im Tutorium Nr. 2147483647."},
        Row{"above_largest", "2147483648\n", prompt + "Sie sind im Tutorium Nr. 2147483647."},
        Row{"far_above", "99999999999999999999\n", prompt + "Sie sind im Tutorium Nr. 2147483647."},
        Row{"hexadecimal_above", "0x80000000\n", prompt + "Sie sind im Tutorium Nr. 2147483647."},
        Row{"smallest", "-2147483648\n", prompt + "Sie sind im Tutorium Nr. -2147483648."},
        Row{"below_smallest", "-2147483649\n", prompt + "Sie sind im Tutorium Nr. -2147483648."},
        Row{"far_below",
            "-99999999999999999999\n",
            prompt + "Sie sind im Tutorium Nr. -2147483648."},
        Row{"leading_zeros",
            "000000000000000000000000000042\n",
            prompt + "Sie sind im Tutorium Nr. 34."}),
    row_name);

} // namespace
