#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

// What one run of a program left behind.
struct Outcome {
    std::string out;
    std::string err;
    int status = -1; // the exit status, or -1 if the program did not exit normally
};

// Runs `program` with `input` as the whole of its standard input; each entry
// of `environment` ("NAME=value") is added to the test's own environment.
Outcome run_program(const std::string& program,
                    const std::string& input,
                    const std::vector<std::string>& environment = {});

// One row of a program's table: what is typed, and every byte the program
// must write in answer.
struct Row {
    std::string name;
    std::string input;
    std::string expected;
};

// Names each instance of a table after its row.
std::string row_name(const testing::TestParamInfo<Row>& info);

// Shows a row in a failure by its name and input.
void PrintTo(const Row& row, std::ostream* os);

// The row's input gives exactly the row's output, exit status 0 and nothing
// on standard error (where a sanitizer would report).
void expect_row(const std::string& program, const Row& row);

class ProgramTest : public testing::TestWithParam<Row> {};
