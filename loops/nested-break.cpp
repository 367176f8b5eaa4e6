#include <cstdint>

int main()
{
    std::int32_t total = 0;
    // Not reset when the outer loop repeats.
    std::int32_t steps = 0;

    while (total != 50) {
        while (steps <= 9) {
            total += 10;
            if (total == 50) {
                break;
            }
            steps += 1;
        }
    }
    return 0;
}
