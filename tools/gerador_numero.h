// The generators' number arguments: the whole text a finite number.
#ifndef VORLANE_GERADOR_NUMERO_H
#define VORLANE_GERADOR_NUMERO_H

#include <cmath>
#include <cstdlib>

inline bool numero(const char* txt, double& v) {
    if (!txt) return false;
    char* fim = nullptr;
    v = std::strtod(txt, &fim);
    return fim != txt && *fim == '\0' && std::isfinite(v);
}

#endif
