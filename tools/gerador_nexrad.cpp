// gerador --nexrad (being written).
#include "gerador_nexrad.h"

#include <cstdio>

int principalNexrad(int, char**, const std::function<std::vector<double>()>&) {
    std::fputs("gerador: --nexrad ainda nao existe\n", stderr);
    return 2;
}
