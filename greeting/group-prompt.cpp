#include <cstdint>
#include <cstdio>
#include <cstdlib>

int main()
{
    std::int32_t group = 0;
    // A terminal line holds at most 4095 characters, so the text of any
    // number typed there fits.
    char text[4096] = "";

    std::printf("Hallo, was ist deine Tutoriumsnummer? ");
    // The answer is typed on the prompt's line, so the prompt has no newline
    // to flush it: it must reach the terminal before the program waits.
    std::fflush(stdout);

    // Takes what "%i" would read (blanks skipped, a sign, then a decimal,
    // octal or hexadecimal number) as text, because "%i" itself leaves a
    // number beyond the 32-bit range undefined. strtoll reads it the same
    // way, bases included, and stops at the first character that does not
    // belong; a number beyond the range becomes the nearest 32-bit value.
    if (std::scanf(" %4095[-+0-9A-Fa-fXx]", text) == 1) {
        const long long number = std::strtoll(text, nullptr, 0);
        if (number > INT32_MAX) {
            group = INT32_MAX;
        } else if (number < INT32_MIN) {
            group = INT32_MIN;
        } else {
            group = static_cast<std::int32_t>(number);
        }
    }

    std::printf("Sie sind im Tutorium Nr. %i.", group);
    return 0;
}
