#include <clocale>
#include <cstdlib>
#include <locale.h>
#include <string>

#include "harness.hpp"

namespace {

// A German locale writes a decimal comma; the programs never adopt the
// environment's locale, so their numbers keep the decimal point.
const char* const german = "de_DE.UTF-8";

struct Answer {
    const char* name;
    const char* path;
    std::string input;
    std::string expected;
};

void PrintTo(const Answer& answer, std::ostream* os)
{
    *os << answer.name;
}

std::string answer_name(const testing::TestParamInfo<Answer>& info)
{
    return info.param.name;
}

class GermanLocale : public testing::TestWithParam<Answer> {};

TEST_P(GermanLocale, KeepsTheDecimalPoint)
{
    const locale_t installed = newlocale(LC_ALL_MASK, german, nullptr);
    if (installed == nullptr) {
        // CI installs the locale, so there its absence is a failure.
        if (std::getenv("CI") != nullptr) {
            FAIL() << german << " is not installed";
        }
        GTEST_SKIP() << german << " is not installed";
    }
    freelocale(installed);

    const Answer& answer = GetParam();
    const Outcome run =
        run_program(answer.path,
                    answer.input,
                    {std::string("LC_ALL=") + german, std::string("LANG=") + german});
    EXPECT_EQ(answer.expected, run.out);
    EXPECT_EQ(0, run.status);
    EXPECT_EQ("", run.err);
}

INSTANTIATE_TEST_SUITE_P(
    Calculators,
    GermanLocale,
    testing::Values(
        Answer{"tax_sentence",
               TAX_SENTENCE,
               "30000.5\n",
               "Wie hoch ist ihr zu versteuernder Einkommen? \n"
               "Bei einem Bruttoeinkommen von 30000.50 € muss man 5275.00 € versteuern und "
               "somit bleibt vom Gehalt 24725.50 € übrig. \n"},
        Answer{"tax_single",
               TAX_SINGLE,
               "30000.5\n",
               "Bitte geben sie ihr Bruttoeinkommen ein:\n"
               "Ihr Nettoeinkommen: 24725.500000€, Ihr Steuerbetrag: 5275€, "
               "Ihr Bruttoeinkommen: 30000.500000€.\n "},
        Answer{"tax_lines",
               TAX_LINES,
               "30000.5\n",
               "Bitte gebe Ihr Bruttoeinkommen ein:\n"
               "Brutto=30000.50\nSteuerbetrag=5275\nNetto=24724.66\n"}),
    answer_name);

} // namespace
