#include <cstdint>
#include <cstdio>

int main()
{
    std::int32_t first = 0;
    std::int32_t second = 0;

    while (first <= 4) {
        std::puts("Hello Loop!");
        first += 1;
    }
    while (second <= 4) {
        std::puts("Hello Loop!");
        second += 1;
    }
    return 0;
}
