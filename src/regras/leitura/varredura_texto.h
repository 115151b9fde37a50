// The text scan reader's rules that callers use on their own: the token
// codes, the first block's row and the warning lines. The reading itself is
// Matriz::Faz and Matriz::leVarredura (matriz.h).
#ifndef VORLANE_VARREDURA_TEXTO_H
#define VORLANE_VARREDURA_TEXTO_H

#include <string>
#include <vector>

#include "matriz.h"

// One stderr-ready line per kind that occurred (none for a regular file).
std::vector<std::string> textosDosAvisos(const char* nome, const AvisosDaLeitura& avisos);

// Value stored for one token ("--.-" and zeros other than "0.0" are codes).
float valorDoToken(const char* token);

// Row of the first azimuth block whose header gives the number t0.
int linhaDoPrimeiroAzimute(long t0);

#endif
