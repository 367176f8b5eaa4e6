/* The yardstick for start-up cost: a plain C program making the same library
 * calls as the calculators (puts, scanf, printf) and nothing else. */
#include <stdio.h>

int main(void)
{
    double amount = 0.0;

    puts("Wie hoch ist ihr zu versteuernder Einkommen? ");
    if (scanf("%lf", &amount) != 1) {
        return 0;
    }
    printf("Bei einem Bruttoeinkommen von %.2f € muss man %.2f € versteuern und somit "
           "bleibt vom Gehalt %.2f € übrig. \n",
           amount,
           0.0,
           amount);
    return 0;
}
