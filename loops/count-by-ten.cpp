#include <cstdint>
#include <cstdio>

int main()
{
    std::int32_t a = 0;
    std::int32_t weiter = 0;

    while (a < 50) {
        std::printf("a: %i , weiter: %i\n", a, weiter);
        weiter += 1;
        a += 10;
    }
    return 0;
}
