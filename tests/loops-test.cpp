#include "harness.hpp"

namespace {

// The loop programs read nothing: what they are given does not matter.
TEST(CountByTen, FiveLinesNeverFifty)
{
    expect_row(COUNT_BY_TEN,
               Row{"",
                   "",
                   "a: 0 , weiter: 0\n"
                   "a: 10 , weiter: 1\n"
                   "a: 20 , weiter: 2\n"
                   "a: 30 , weiter: 3\n"
                   "a: 40 , weiter: 4\n"});
}

TEST(HelloLoops, TenGreetings)
{
    expect_row(HELLO_LOOPS,
               Row{"",
                   "7\n",
                   "Hello Loop!\nHello Loop!\nHello Loop!\nHello Loop!\n"
                   "Hello Loop!\nHello Loop!\nHello Loop!\nHello Loop!\n"
                   "Hello Loop!\nHello Loop!\n"});
}

TEST(NestedBreak, EndsAndWritesNothing)
{
    expect_row(NESTED_BREAK, Row{"", "", ""});
}

} // namespace
