// gerador --cfradial (being written).
#include "gerador_cfradial.h"

#include <cstdio>

int principalCfRadial(int, char**, const std::function<std::vector<double>()>&) {
    std::fputs("gerador: --cfradial ainda nao existe\n", stderr);
    return 2;
}
