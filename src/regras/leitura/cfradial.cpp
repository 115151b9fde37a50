// CfRadial reading (being written).
#include "cfradial.h"

#include "volume.h"

bool pareceCfRadial(const char*) { return false; }
bool leCfRadial(const char* nome, Volume&, std::string& erro) {
    erro = std::string("'") + nome + "': CfRadial ainda nao e lido";
    return false;
}
bool montaCfRadial(const DadosCfRadial&, const char* nome, Volume&, std::string& erro) {
    erro = std::string("'") + nome + "': CfRadial ainda nao e lido";
    return false;
}
