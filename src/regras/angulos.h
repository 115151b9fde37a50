// The arithmetic every rule shares: the positive modulo, rounding to whole
// numbers, whole-degree angles and the shorter arc between two of them.
#ifndef VORLANE_ANGULOS_H
#define VORLANE_ANGULOS_H

constexpr double GRAUS_PARA_RADIANOS = 0.0174532925;       // radians per degree
constexpr double GRAUS_POR_RADIANO = 180 / 3.1415926535;   // degrees per radian

// Remainder of a by m in 0..m-1 (m > 0).
long modPositivo(long a, long m);

// d + 0.5 truncated toward zero (for non-negative reals).
int Aprox(double d);
// v + 0.5 truncated toward zero, saturated at +-1e9 (NaN counts as far).
long arredonda(double v);

// Azimuth <-> polar angle (both whole degrees 0..359): (450 - x) mod 360.
int anguloPolarDoAzimute(long a);

// Two angles in order so that the counter-clockwise span from the first to
// the second is the shorter way round (at 180 degrees the given order stays).
struct Arco {
    int inicio, fim;
    int abertura; // (fim - inicio) mod 360, 0..180
};
Arco ordenaArco(int a0, int a1);

#endif
