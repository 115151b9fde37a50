// NEXRAD Level II reading (being written).
#include "nexrad.h"

#include "volume.h"

bool comecaComoNexrad(const char*) { return false; }
bool leNexrad(const char* nome, Volume&, std::string& erro) {
    erro = std::string("'") + nome + "': NEXRAD ainda nao e lido";
    return false;
}
bool leNexradDeBytes(const unsigned char*, std::size_t, const char* nome, Volume&, std::string& erro) {
    erro = std::string("'") + nome + "': NEXRAD ainda nao e lido";
    return false;
}
