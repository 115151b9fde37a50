// Start-up: the command line, then the scan file read into the scan store
// and the radar site.
#ifndef VORLANE_INICIO_H
#define VORLANE_INICIO_H

#include <string>
#include <vector>

// What the command line asks for.
struct LinhaDeComando {
    enum Acao { ABRE, AJUDA, VERSAO } acao = ABRE;
    std::vector<const char*> posicionais; // scan file, first gate (at most two)
    long elevacao = 1;                    // --elevacao
    std::string quantidade;               // --quantidade
    bool temOpcaoOdim = false;            // either of them was given
};

// Parses the options (getopt_long: --elevacao N, --quantidade Q, --help,
// --version, "--") and the positional arguments; a misuse prints one
// stderr line and exits with status 1.
LinhaDeComando leLinhaDeComando(int argc, char** argv);

// Reads the command line into `matriz` and picks `lugar`: --help and
// --version print to stdout and exit with status 0; on any failure prints
// one stderr line and exits with status 1.
void inciaMatriz(int argc, char** argv);

#endif
