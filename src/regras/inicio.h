// Start-up: the command line, then the scan file read into the scan store
// and the radar site.
#ifndef VORLANE_INICIO_H
#define VORLANE_INICIO_H

#include <string>
#include <vector>

#include "resultado.h"

// The picture --imagem writes, told by the name's extension (.png; .tif, .tiff).
enum class FormatoDaImagem { NENHUM, PNG, TIFF };
FormatoDaImagem formatoDaImagem(const std::string& nome);

// What the command line asks for.
struct LinhaDeComando {
    enum Acao { ABRE, AJUDA, VERSAO } acao = ABRE;
    std::vector<const char*> posicionais; // scan file and first gate, or the files and folders of a series
    long elevacao = 1;                    // --elevacao
    std::string quantidade;               // --quantidade
    bool temOpcaoOdim = false;            // either of them was given
    std::vector<std::string> paletas;     // --paleta [Q=]FILE, in order
    long memoriaMB = 512;                 // --memoria: bound of the kept scans of a series
    std::string seguir;                   // --seguir FOLDER
    long janela = 24;                     // --janela: scans a followed folder keeps
    bool temLocal = false;                // --local LAT,LON
    double latitude = 0, longitude = 0;
    std::string imagem;                   // --imagem FILE: the picture written with no window
    FormatoDaImagem formatoImagem = FormatoDaImagem::NENHUM;
    long larguraDaImagem = 640, alturaDaImagem = 640; // --tamanho WxH
};

// Parses the options (getopt_long: --elevacao N, --quantidade Q, --paleta [Q=]F, --help,
// --version, "--") and the positional arguments into `linha`; a misuse
// comes back as a failure with its line.
Resultado leLinhaDeComando(int argc, char** argv, LinhaDeComando& linha);

// Reads the command line into `matriz` and picks `lugar`, printing the
// reader's warnings on stderr. --help and --version come back as the text
// to print and status 0; any failure as its line and status 1.
Resultado inciaMatriz(int argc, char** argv);
// The same, with the parsed command line in `linha` (for --imagem, --tamanho).
Resultado inciaMatriz(int argc, char** argv, LinhaDeComando& linha);

#endif
