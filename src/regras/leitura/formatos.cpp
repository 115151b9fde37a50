// Telling the formats apart and reading their volumes.
#include "formatos.h"

#include "cfradial.h"
#include "nexrad.h"
#include "odim.h"
#include "volume.h"

Formato formatoDoArquivo(const char* nome) {
    if (comecaComoNexrad(nome)) return Formato::NEXRAD;
    if (pareceCfRadial(nome)) return Formato::CFRADIAL; // before ODIM: both may be HDF5
    if (comecaComoHdf5(nome)) return Formato::ODIM;
    return Formato::TEXTO;
}

bool leVolume(const char* nome, Formato formato, Volume& volume, std::string& erro) {
    switch (formato) {
    case Formato::NEXRAD: return leNexrad(nome, volume, erro);
    case Formato::CFRADIAL: return leCfRadial(nome, volume, erro);
    case Formato::ODIM: return leOdimInteiro(nome, volume, erro);
    case Formato::TEXTO: break;
    }
    erro = std::string("'") + nome + "' nao e um volume";
    return false;
}
