#include <regex>
#include <string>
#include <tuple>

#include "harness.hpp"

namespace {

// An interactive program and every answer it may give after its prompt.
struct Program {
    const char* name;
    const char* path;
    std::string prompt;
    std::string answers; // a regular expression
};

struct Input {
    const char* name;
    std::string text;
};

const Program programs[] = {
    {"tax_sentence",
     TAX_SENTENCE,
     "Wie hoch ist ihr zu versteuernder Einkommen? \n",
     "|Ungültiger Eintrag. \n"
     "|Bei einem Bruttoeinkommen von [0-9]+\\.[0-9]{2} € muss man [0-9]+\\.[0-9]{2} € "
     "versteuern und somit bleibt vom Gehalt [0-9]+\\.[0-9]{2} € übrig. \n"},
    {"tax_single",
     TAX_SINGLE,
     "Bitte geben sie ihr Bruttoeinkommen ein:\n",
     "|Ihr Bruttoeinkommen und ihr sind  Nettoeinkommen sind gleich : "
     "-?([0-9]+\\.[0-9]{6}|inf)€, Ihr Steuerbetrag ist 0€ \n"
     "|Ihr Nettoeinkommen: [0-9]+\\.[0-9]{6}€, Ihr Steuerbetrag: [0-9]+€, "
     "Ihr Bruttoeinkommen: [0-9]+\\.[0-9]{6}€\\.\n "},
    {"tax_lines",
     TAX_LINES,
     "Bitte gebe Ihr Bruttoeinkommen ein:\n",
     "|Brutto = (-?[0-9]+\\.[0-9]{2}|-inf)\nSteuerbetrag= 0\nNetto= (-?[0-9]+\\.[0-9]{2}|-inf)\n"
     "|Brutto=[0-9]+\\.[0-9]{2}\nSteuerbetrag=[0-9]+\nNetto=[0-9]+\\.[0-9]{2}\n"},
    {"group_prompt",
     GROUP_PROMPT,
     "Hallo, was ist deine Tutoriumsnummer? ",
     "Sie sind im Tutorium Nr\\. -?[0-9]+\\."},
};

const Input inputs[] = {
    {"nothing", ""},
    {"blanks_and_newlines", " \n\n\t \n  \n"},
    {"megabyte_of_digits", std::string(1 << 20, '7') + "\n"},
    {"binary_bytes", std::string("\xff\xfe\x01\x80\x00", 5) + "12\n"},
    {"nul_after_number", std::string("12\0\xff\n", 5)},
    {"hex_prefix_alone", "0x\n"},
    {"exponent_overflow", "1e999\n"},
    {"minus_zero", "-0\n"},
    {"hex_float", "0x1p14\n"},
    {"nan_with_payload", "nan(7)\n"},
    {"infinity", "infinity\n"},
    {"crlf", "30000\r\n"},
    {"decimal_comma", "30000,50\n"},
};

class HostileInput : public testing::TestWithParam<std::tuple<Program, Input>> {};

// Whatever arrives, the program ends with status 0, writes its prompt and one
// of its answers or nothing, and nothing on standard error.
TEST_P(HostileInput, AnswersInOneOfItsForms)
{
    const auto& [program, input] = GetParam();
    const Outcome run = run_program(program.path, input.text);

    EXPECT_EQ(0, run.status);
    EXPECT_EQ("", run.err);
    ASSERT_EQ(program.prompt, run.out.substr(0, program.prompt.size()));
    const std::string answer = run.out.substr(program.prompt.size());
    EXPECT_TRUE(std::regex_match(answer, std::regex(program.answers)))
        << "unexpected answer: " << testing::PrintToString(answer);
}

std::string case_name(const testing::TestParamInfo<std::tuple<Program, Input>>& info)
{
    return std::string(std::get<0>(info.param).name) + "_" + std::get<1>(info.param).name;
}

INSTANTIATE_TEST_SUITE_P(EveryProgram,
                         HostileInput,
                         testing::Combine(testing::ValuesIn(programs), testing::ValuesIn(inputs)),
                         case_name);

} // namespace
