// What a moment is for the viewer: its name and unit for the readout, its
// decimals, the span of its colour table, legend and graph axis, how its
// reduced tables are made, and its colour table in each colour mode.
#ifndef VORLANE_PRODUTO_H
#define VORLANE_PRODUTO_H

#include <string>
#include <vector>

#include "cores.h"
#include "matriz.h"
#include "tabeladecores.h"

enum class Grandeza { REFLETIVIDADE, VELOCIDADE, LARGURA, ZDR, RHOHV, KDP, PHIDP, OUTRA };

// The kind of a quantity by its ODIM name (DBZH, VRADH, WRAD, ...).
Grandeza grandezaDe(const std::string& quantidade);
// The kind a GR table's Product: names (BR, BV, SW, ZDR, CC, KDP, PHI...); OUTRA when unknown.
Grandeza grandezaDoProdutoGr(const std::string& produto);

struct Produto {
    std::string quantidade = "DBZH"; // as the file names it
    Grandeza tipo = Grandeza::REFLETIVIDADE;
    std::string nome = "Refletividade"; // for the readout and the panel
    std::string unidade = "dBZ";        // shown values' unit ("" for none)
    int casas = 1;                      // decimals of the readout and the table
    bool comSinal = true;               // the table prints a sign
    // Span of the legend, the stepped modes and the graph axis, in shown
    // units: 32 legend rows of `passo` from `minimo`.
    double minimo = -12.5, passo = 2.5;
    double maximo() const { return minimo + 32 * passo; }
    Reducao reducao = Reducao::MAIOR;
    // Built-in or from a file; empty for reflectivity: the palette and modes
    // of the text scans, their codes and thresholds.
    TabelaDeCores tabela;
    bool estendeAbaixo = false; // values below the first entry take its colour (built-in tables)

    bool especificado() const { return tipo == Grandeza::REFLETIVIDADE && tabela.vazia(); }
    // Codes are the CODIGO_ ones (every moment but reflectivity).
    bool codigosForaDaEscala() const { return tipo != Grandeza::REFLETIVIDADE; }
    // A data value in shown units (a file's table may show m/s as knots).
    double mostrado(float v) const { return v * tabela.escala + tabela.deslocamento; }
    DescricaoDaTabela descricao() const;
};

// A colour table the user gave (--paleta [Q=]FILE): for quantity Q, or,
// without Q, for every moment of the table's kind.
struct PaletaDoUsuario {
    std::string quantidade; // empty: by kind
    Grandeza tipo = Grandeza::OUTRA;
    TabelaDeCores tabela;
};

// The product of a quantity: the built-in description, its table replaced
// by the user's table for it when there is one. `nyquist` (m/s, 0 unknown)
// bounds the velocity table; `menor`..`maior` (the data's range, shown
// units) spans the tables of the quantities without one of their own.
Produto produtoDe(const std::string& quantidade, double nyquist, double menor, double maior,
                  const std::vector<PaletaDoUsuario>& paletas);

// ---- colours (COR_MAXIMO blends the table, COR_MEDIO steps it in the 32
// legend rows, COR_MINIMO in 5 classes, COR_BRILHO is grey over the span)

// Colour of a table value v in mode `modo` as floats 0..1; false when v has
// none (a code, no echo, below the table): the background shows.
bool corDoDado(const Produto& p, float v, int modo, float cor[3]);
// The same for a value already in shown units (the legend's rows).
bool corDoMostrado(const Produto& p, double t, int modo, float cor[3]);
// As corDoValor: a colour for every value, no data in the map's grey or the
// line's colour; false only for a mode outside 0..3.
bool corDoProduto(const Produto& p, float v, int modo, UsoDaCor uso, CorAmostra& cor);

// ---- texts
// "Velocidade 12.5 m/s" ("Refletividade ... dBZ" as the text scans have it).
std::string textoDoValor(const Produto& p, float v);
// A cell of the numeric table: "--.-" for codes.
std::string textoDaCelula(const Produto& p, float v);
// A legend or axis label: `valor` with the decimals its step needs.
std::string textoDoRotulo(const Produto& p, double valor);
// The side panel's line, "Produto: VRADH (m/s)" (the readout names it in full).
std::string textoDoProduto(const Produto& p);

// Graph axis: y in -1..1 of a table value (codes below the graph).
double alturaNoGrafico(const Produto& p, float v);

#endif
