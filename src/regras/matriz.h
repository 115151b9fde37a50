// The radar scan: full-resolution polar table of dBZ, three reduced copies,
// metadata from the file name and the bounds found while reading.
#ifndef VORLANE_MATRIZ_H
#define VORLANE_MATRIZ_H

#include <cstddef>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "resultado.h"

// Table geometry: rows are whole-degree azimuths, columns 250 m gates.
constexpr int N_AZIMUTES = 360;
constexpr int N_RAIOS = 2000;

// Stored value codes, all below -25 dBZ.
constexpr float VALOR_NAO_LIDO = -26.0f;   // cell never written by the reader
constexpr float VALOR_SEM_ECO = -27.0f;    // token "--.-"
constexpr float VALOR_ZERO_FALSO = -66.6f; // token that converts to zero but is not "0.0"

// Codes of a table of any other moment, where -26 or -27 can be measured
// (a velocity): far below every physical value and ranked as the mapping
// and the reduced tables rank them, no data < no echo < range folded < data.
constexpr float CODIGO_SEM_DADOS = -3e38f;
constexpr float CODIGO_SEM_ECO = -2e38f;
constexpr float CODIGO_DOBRADO = -1e38f;
// True for a measured value of such a table (false for its codes and NaN).
inline bool ehMedido(float v) { return v > -1e37f; }

// How a reduced table's cell is made from the cells it covers: the greatest
// value (reflectivity), or the value of greatest magnitude, so that a
// signed moment (velocity) keeps its strongest inbound and outbound values;
// codes rank below every value either way.
enum class Reducao { MAIOR, MAIOR_MODULO };

// What a table from another format holds, when it is not reflectivity.
struct DescricaoDaTabela {
    bool codigosForaDaEscala = false; // codes are the CODIGO_ ones above, not -26/-27
    Reducao reducao = Reducao::MAIOR;
    std::string grandeza; // quantity for the exports' names (empty: reflectivity)
};

// Result of reading a scan: the reader never exits by itself, so it can be
// run on any bytes (tests, fuzzing); Faz turns failures into their line.
enum class ResultadoLeitura {
    OK,
    SEM_MARCADOR,      // no '#' at the start of a line
    SEM_DOIS_PONTOS,   // no ':' after the first marker
    SEM_AZIMUTE,       // no number after the first header's ':'
};

// Metadata carried by a scan file name (site, date, time, first gate).
struct NomeVarredura {
    char local[4];
    char data[3][3]; // day, month, year
    char hora[3][3]; // hour, minute, second
    long raioInicial; // first gate the name implies (may lie outside the table)
};

// Parses the base name (after the last '/' or '\\') of a scan file name.
NomeVarredura interpretaNome(const char* nome);

// Start of the base name: just after the last '/' or '\\' (the whole name if none).
const char* nomeBase(const char* nome);

// Name of snapshot `numero` of a scan: "<base>-NNNN.tif" (more digits past 9999).
std::string nomeDaImagem(const char* base, unsigned numero);

// Most names tried by an export looking for a free one; bounds the search.
constexpr unsigned MAX_TENTATIVAS_DE_NOME = 10000;

// Creates exclusively the first name among candidato(0), candidato(1), ...
// that does not exist yet (at most `tentativas`): an existing file is never
// opened, let alone replaced, and no other process can slip in between.
// Returns the descriptor (read-write) with `nome` and `usado` set to the name
// and index taken, or -1 with errno set (EEXIST when every name was taken)
// and `nome`, `usado` those of the last try.
int criaPrimeiroLivre(const std::function<std::string(unsigned)>& candidato, unsigned tentativas,
                      std::string& nome, unsigned& usado);
int criaArquivoNovo(const std::string& nome); // one exclusive try, as above

// Irregularities a file can have that the reading rules accept but that give
// a wrong picture. Per kind: how often, and where first (1-based line).
struct Ocorrencias {
    unsigned long quantidade = 0;
    unsigned long linha = 0;
};
struct AvisosDaLeitura {
    // Later block header whose azimuth is not the next of the sequence: rays
    // are missing or repeated and the blocks after it are drawn rotated.
    Ocorrencias foraDeSequencia;
    long azimuteAchado = 0;   // the first such header's number (truncated)
    long azimuteEsperado = 0; // what the sequence expected there, 0..359
    // Blocks after the 360th: not read. Counted over a bounded stretch of
    // what follows (a huge or endless input is not read through for this).
    Ocorrencias blocosExtras;
    bool blocosExtrasAoMenos = false; // the count stopped before the end
    // A run of letters alone inside a block (nan, inf, x): a value that is
    // not one, so the block's later values sit one gate nearer the radar.
    Ocorrencias palavras;
    char primeiraPalavra[16] = {}; // its first letters
    // The last byte is not a line feed: the file was cut off (linha: the last one).
    Ocorrencias cortado;
};

// Integer value of a first-gate text the C atoi way (optional sign, digits),
// saturated at +-1e9 instead of overflowing.
long inteiroDoTexto(const char* s, std::size_t maxCaracteres = static_cast<std::size_t>(-1));

// True when g is a gate of the table.
inline bool raioNaTabela(long g) { return g >= 0 && g < N_RAIOS; }

class Matriz {
public:
    Matriz();
    Matriz(const Matriz&) = delete;
    Matriz& operator=(const Matriz&) = delete;
    // Back to the state of a freshly constructed object (a new generation):
    // the one global scan is refilled this way, never constructed over.
    void reinicia();
    // Becomes a copy of `o` (tables, names, bounds, warnings) with a new
    // generation: a series keeps read text scans and shows one this way.
    void copiaDe(const Matriz& o);

    // Accessors: callers keep rows in 0..359 and gates inside the table.
    float getTabela(int angulo, int raio) const { return tabela[angulo][raio]; }
    float getTabelaMenor2(int angulo, int raio) const { return tabelaMenor2[angulo][raio]; }
    float getTabelaMenor4(int angulo, int raio) const { return tabelaMenor4[angulo][raio]; }
    float getTabelaMenor16(int angulo, int raio) const { return tabelaMenor16[angulo][raio]; }
    // Row i, column j of the table of sizeR gates per column (1, 2, 4; any
    // other size reads the 16-gate table).
    float valorDaColuna(int sizeR, int i, int j) const {
        switch (sizeR) {
        case 1: return tabela[i][j];
        case 2: return tabelaMenor2[i][j];
        case 4: return tabelaMenor4[i][j];
        default: return tabelaMenor16[i][j];
        }
    }
    // Full-table value at an azimuth of any sign (taken mod 360) and a gate;
    // the never-written code for a gate outside the table.
    float valorSeguro(long azimute, long raio) const;
    unsigned getRaioInicial() const { return raioInicial; }
    unsigned getRaioFinal() const { return raioFinal; }
    const char* getNome() const { return nome; }
    const char* getLocal() const { return local; }
    const char* getDia() const { return data[0]; }
    const char* getMes() const { return data[1]; }
    const char* getAno() const { return data[2]; }
    const char* getHora() const { return hora[0]; }
    const char* getMinuto() const { return hora[1]; }
    const char* getSegundo() const { return hora[2]; }

    // Opens the file `nome`, reads it, builds the reduced tables. A failure
    // (the file cannot be opened or holds no usable scan) comes back as its
    // one line; the irregularities found are in getAvisos.
    Resultado Faz();
    // The reading itself, from any stream: fills the table, the bounds and
    // the irregularities, and builds the reduced tables. Meant for a freshly
    // constructed object.
    ResultadoLeitura leVarredura(std::istream& entrada);
    const AvisosDaLeitura& getAvisos() const { return avisos; }
    // A number that changes whenever the tables may have changed (never
    // the same for two objects): what is built from the tables keys on it.
    unsigned long getGeracao() const { return geracao; }

    void subMatriz2();
    void subMatriz4();
    void subMatriz16();

    // A scan read from another format: `valores` holds 360 rows of 2000
    // gates, row after row, with data in gates raioInicial..raioFinal;
    // builds the reduced tables.
    void carregaTabela(const std::vector<float>& valores, unsigned raioInicial, unsigned raioFinal,
                       const DescricaoDaTabela& descricao = DescricaoDaTabela());
    const DescricaoDaTabela& getDescricao() const { return descricao; }
    // The code of a cell no reader wrote, in this table's codes.
    float semDados() const { return descricao.codigosForaDaEscala ? CODIGO_SEM_DADOS : VALOR_NAO_LIDO; }
    // The file (pointer kept, no copy), date "AAAAMMDD", time "HHMMSS" and
    // site name of a scan read from another format; the site code is left
    // empty (no map). Malformed dates and times leave "00" fields.
    void setOrigem(const char* arquivo, const std::string& data, const std::string& hora, const std::string& sitio);
    // Name of the site a format other than the text scan gives (else empty).
    const std::string& getSitio() const { return sitio; }
    // Time zone of the date and time: "BRT" for text scans, "UTC" for other formats.
    const char* getFuso() const { return outroFormato ? "UTC" : "BRT"; }

    // Keeps the pointer (no copy) and fills site, date, time and first gate.
    // Returns false when the name implies a first gate outside 0..1999.
    bool setNome(const char* name);
    // Checks and applies a first-gate argument: 0 ok, 1 a character other
    // than a digit, '.' or '-', 2 a gate outside 0..1999. Nothing changes
    // unless the result is 0.
    int setRaioInicial(const char* name);
    // Name of a text export of gates from xri, rows xti to xtf: the scan's
    // name cut at the first '.' of its base name (directory kept), then
    // ".<km>km<xti>-<xtf>", with ".<quantity>" before it for a moment other
    // than reflectivity.
    void setNewName(std::string& name, int xri, int xti, int xtf) const;
    // Writes the region as a text table beside the scan file, never over an
    // existing file: a name taken gets the first free suffix _2, _3, ...
    // Returns false (after one stderr line) when no file could be created or
    // written; else `gravado`, when given, receives the name written.
    bool salvaAtual(int ori, int orf, int oti, int otf, std::string* gravado = nullptr) const;

    // Bounds found by the reader.
    unsigned raioMinimo = 0;   // copy of raioInicial taken when reading starts
    unsigned raioMaximo = 0;   // one past the last gate written (<= 2000)
    unsigned anguloMinimo = 0; // row of the first azimuth block
    unsigned anguloMaximo = 0; // reader's azimuth counter at the end (not mod 360)

private:
    bool openDados();
    static bool isReal(char c);
    static bool isUnsigned(char c);
    // A number no generation has had yet.
    static unsigned long novaGeracao();

    std::ifstream Dados;
    float tabela[N_AZIMUTES][N_RAIOS];
    float tabelaMenor2[N_AZIMUTES][N_RAIOS / 2];
    float tabelaMenor4[N_AZIMUTES][N_RAIOS / 4];
    float tabelaMenor16[N_AZIMUTES][N_RAIOS / 16];
    const char* nome = nullptr;
    char local[4] = {};
    char data[3][3] = {};
    char hora[3][3] = {};
    unsigned raioInicial = 0;
    unsigned raioFinal = 0;
    AvisosDaLeitura avisos;
    std::string sitio;
    bool outroFormato = false; // read by another reader than the text one
    DescricaoDaTabela descricao;
    unsigned long geracao = 0;
};

#endif
