// The positive modulo, rounding, azimuths and the shorter arc.
#include "angulos.h"

#include <utility>

long modPositivo(long a, long m) {
    const long r = a % m;
    return r < 0 ? r + m : r;
}

int Aprox(double d) { return static_cast<int>(d + 0.5); }

long arredonda(double v) {
    constexpr double LIMITE = 1e9; // far beyond every table
    const double a = v + 0.5;
    if (!(a < LIMITE)) return static_cast<long>(LIMITE); // also NaN
    if (a < -LIMITE) return -static_cast<long>(LIMITE);
    return static_cast<long>(a);
}

int anguloPolarDoAzimute(long a) { return static_cast<int>(modPositivo(450 - modPositivo(a, 360), 360)); }

Arco ordenaArco(int a0, int a1) {
    if (modPositivo(a0 - a1, 360) < modPositivo(a1 - a0, 360)) std::swap(a0, a1);
    return {a0, a1, static_cast<int>(modPositivo(a1 - a0, 360))};
}
