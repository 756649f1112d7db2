#include "dates/Easter.h"

namespace Easter {

int beregnPaaskeS(int year, int &month)
{
    const int a = year % 19;
    const int b = year % 4;
    const int c = year % 7;
    const int k = year / 100;
    const int p = (13 + 8 * k) / 25;
    const int q = k / 4;
    const int M = (15 - p + k - q) % 30;
    const int N = (4 + k - q) % 7;
    const int d = (19 * a + M) % 30;
    const int e = (2 * b + 4 * c + 6 * d + N) % 7;

    if (d == 29 && e == 6) {
        month = 4;
        return 19;
    }
    if (d == 28 && e == 6 && a > 10) {
        month = 4;
        return 18;
    }
    const int day = 22 + d + e;
    if (day > 31) {
        month = 4;
        return d + e - 9;
    }
    month = 3;
    return day;
}

QDate sunday(int year)
{
    int month = 0;
    const int day = beregnPaaskeS(year, month);
    return QDate(year, month, day);
}

} // namespace Easter
