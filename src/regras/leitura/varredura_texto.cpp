// The text scan reader: a free preamble, then blocks of a '#' header line and
// value tokens, read into the scan object (Matriz::Faz, Matriz::leVarredura)
// with the irregularities it finds.
//
// Index: reading | warnings
#include "varredura_texto.h"

#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "angulos.h"
#include "cidades.h"
#include "matriz.h"

// --------------------------------------------------------------------- reading

int linhaDoPrimeiroAzimute(long t0) { return static_cast<int>(modPositivo(t0 + 1, N_AZIMUTES)); }

namespace {

// Line feeds in [p, fim): memchr is vectorised, a byte loop is not.
unsigned long contaFeeds(const char* p, const char* fim) {
    unsigned long n = 0;
    while (p < fim && (p = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(fim - p))))) {
        ++n;
        ++p;
    }
    return n;
}

// Byte source over a stream, read in large chunks; `fim` records that a read
// met the end of the file (or a read error, which ends the reading the same way).
// Line feeds are counted a chunk at a time, so the line of a byte costs
// nothing until someone asks for it.
class Leitor {
public:
    explicit Leitor(std::istream& e) : entrada(e) {}
    // Next byte as 0..255, or -1 at the end.
    int le() {
        if (pos == tam && !enche()) {
            fim = true;
            return -1;
        }
        return static_cast<unsigned char>(buffer[pos++]);
    }
    // The byte read last (0..255), -1 before the first.
    int ultimoLido() const {
        return pos > 0 ? static_cast<unsigned char>(buffer[pos - 1]) : ultimoDoPedacoAnterior;
    }
    // 1-based line of the byte read last; a line feed belongs to the line it ends.
    unsigned long linhaAtual() const {
        const unsigned long feeds = linhasAntes + contaFeeds(buffer, buffer + pos);
        return feeds + 1 - (ultimoLido() == '\n' ? 1 : 0);
    }
    bool fim = false;

private:
    bool enche() {
        if (tam > 0) {
            linhasAntes += contaFeeds(buffer, buffer + tam);
            ultimoDoPedacoAnterior = static_cast<unsigned char>(buffer[tam - 1]);
        }
        pos = tam = 0;
        if (!entrada) return false;
        entrada.read(buffer, sizeof buffer);
        tam = static_cast<std::size_t>(entrada.gcount());
        return tam > 0;
    }
    std::istream& entrada;
    char buffer[1 << 16];
    std::size_t pos = 0, tam = 0;
    unsigned long linhasAntes = 0; // line feeds in the chunks before this one
    int ultimoDoPedacoAnterior = -1;
};

bool caractereDeValor(int c) { return (c >= '0' && c <= '9') || c == '.' || c == '-'; }

constexpr std::size_t MAX_TOKEN = 7;

bool letra(int c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// Reads the rest of a token whose first byte is `primeiro` into `token`
// (at most 7 characters kept; the rest of the run is consumed and dropped).
// The byte that ends the token is consumed too, and returned (-1 at the
// end) so the caller can tell letters glued to the value; it is not a
// separator to examine.
int leToken(Leitor& leitor, int primeiro, char token[MAX_TOKEN + 1]) {
    std::size_t n = 0;
    token[n++] = static_cast<char>(primeiro);
    int c = leitor.le();
    for (; caractereDeValor(c); c = leitor.le())
        if (n < MAX_TOKEN) token[n++] = static_cast<char>(c);
    token[n] = '\0';
    return c;
}

// Reads on to the end of a run of letters, keeping up to `espaco` of them
// in `texto` (NUL-terminated, when not null). Returns the byte after the run.
int pulaLetras(Leitor& leitor, int primeira, char* texto, std::size_t espaco) {
    std::size_t n = 0;
    int c = primeira;
    for (; letra(c); c = leitor.le())
        if (texto && n < espaco) texto[n++] = static_cast<char>(c);
    if (texto) texto[n] = '\0';
    return c;
}

// Converts the first header's azimuth text; false when it holds no number.
bool azimuteDoCabecalho(const char* texto, long& t0) {
    char* fimNumero = nullptr;
    const double v = std::strtod(texto, &fimNumero);
    if (fimNumero == texto) return false;
    if (std::isnan(v)) t0 = 0;
    else if (v > 1e9) t0 = 1000000000L;
    else if (v < -1e9) t0 = -1000000000L;
    else t0 = static_cast<long>(v); // truncation toward zero
    return true;
}

// Reads a later block header to the end of its line (or of the file), as the
// reader has always skipped it, taking its azimuth number the way the first
// header's is taken: after ':' one character skipped, then up to 5 characters
// before a space. False when the line holds no such number.
bool leCabecalhoSeguinte(Leitor& leitor, long& numero) {
    int c = leitor.le();
    while (c >= 0 && c != '\n' && c != ':') c = leitor.le();
    if (c != ':') return false;
    c = leitor.le(); // the character after ':' (normally a space)
    if (c < 0 || c == '\n') return false;
    char texto[6] = {};
    int n = 0;
    for (c = leitor.le(); n < 5 && c >= 0 && c != ' ' && c != '\n'; c = leitor.le())
        texto[n++] = static_cast<char>(c);
    while (c >= 0 && c != '\n') c = leitor.le();
    return azimuteDoCabecalho(texto, numero);
}

// Line feeds directly followed by '#' from here on: the block headers the
// reader did not reach. At most `limite` bytes are looked at; `completo`
// tells whether the end was reached.
unsigned long contaCabecalhosRestantes(Leitor& leitor, unsigned long limite, bool& completo) {
    unsigned long n = 0, lidos = 0;
    int c = 0;
    for (int anterior = leitor.ultimoLido(); lidos < limite && (c = leitor.le()) >= 0; anterior = c, ++lidos)
        if (c == '#' && anterior == '\n') ++n;
    completo = c < 0;
    return n;
}

// Notes one more occurrence; the place is asked for only the first time.
template <typename Onde>
bool anota(Ocorrencias& o, Onde onde) {
    if (o.quantidade++ > 0) return false;
    o.linha = onde();
    return true;
}

} // namespace

float valorDoToken(const char* token) {
    if (std::strcmp(token, "--.-") == 0) return VALOR_SEM_ECO;
    const float x = static_cast<float>(std::atof(token));
    if (std::strcmp(token, "0.0") == 0) return x;
    return x == 0.0f ? VALOR_ZERO_FALSO : x;
}

bool Matriz::openDados() {
    struct stat info {};
    if (nome == nullptr || (stat(nome, &info) == 0 && S_ISDIR(info.st_mode))) return false;
    Dados.open(nome, std::ios::in | std::ios::binary);
    return Dados.is_open();
}

Resultado Matriz::Faz() {
    iniciaCidades();
    if (!openDados()) return Resultado::falha(std::string("nao foi possivel abrir o arquivo de varredura '") + (nome ? nome : "") + "'");
    const ResultadoLeitura r = leVarredura(Dados);
    Dados.close();
    const char* motivo = nullptr;
    switch (r) {
    case ResultadoLeitura::OK: return Resultado::ok();
    case ResultadoLeitura::SEM_MARCADOR: motivo = "nenhuma linha comeca com '#'"; break;
    case ResultadoLeitura::SEM_DOIS_PONTOS: motivo = "falta ':' no primeiro cabecalho"; break;
    case ResultadoLeitura::SEM_AZIMUTE: motivo = "falta o numero do azimute no primeiro cabecalho"; break;
    }
    return Resultado::falha(std::string("o arquivo de varredura '") + nome + "' nao tem dados: " + motivo);
}

std::vector<std::string> textosDosAvisos(const char* nome, const AvisosDaLeitura& a) {
    std::vector<std::string> textos;
    char linha[1024];
    const auto guardaLinha = [&](int n) {
        if (n > 0) textos.emplace_back(linha, std::min(static_cast<std::size_t>(n), sizeof linha - 1));
    };
    // The file name may be long: it goes in as a string of its own.
    const std::string prefixo = std::string("vorlane: aviso: '") + (nome ? nome : "") + "': ";
    if (a.foraDeSequencia.quantidade > 0)
        guardaLinha(std::snprintf(linha, sizeof linha,
                               "%lu cabecalho(s) com azimute fora da sequencia, o primeiro na linha %lu "
                               "(azimute %ld, esperado %ld): faltam ou sobram raios e os blocos seguintes "
                               "aparecem girados",
                               a.foraDeSequencia.quantidade, a.foraDeSequencia.linha, a.azimuteAchado,
                               a.azimuteEsperado));
    if (a.blocosExtras.quantidade > 0)
        guardaLinha(std::snprintf(linha, sizeof linha,
                               "%s%lu bloco(s) alem dos 360 primeiros, o primeiro na linha %lu: nao foram lidos",
                               a.blocosExtrasAoMenos ? "pelo menos " : "", a.blocosExtras.quantidade,
                               a.blocosExtras.linha));
    if (a.palavras.quantidade > 0)
        guardaLinha(std::snprintf(linha, sizeof linha,
                               "%lu palavra(s) no lugar de valores, a primeira na linha %lu ('%s'): os valores "
                               "seguintes do bloco aparecem um raio mais perto do radar",
                               a.palavras.quantidade, a.palavras.linha, a.primeiraPalavra));
    if (a.cortado.quantidade > 0)
        guardaLinha(std::snprintf(linha, sizeof linha, "o arquivo termina no meio da linha %lu: parece cortado",
                               a.cortado.linha));
    for (std::string& t : textos) t.insert(0, prefixo);
    return textos;
}

ResultadoLeitura Matriz::leVarredura(std::istream& entrada) {
    geracao = novaGeracao();
    Leitor leitor(entrada);
    avisos = AvisosDaLeitura{};

    // The first marker is a '#' right after a line feed.
    for (int anterior = '\0', c = leitor.le();; anterior = c, c = leitor.le()) {
        if (c < 0) return ResultadoLeitura::SEM_MARCADOR;
        if (c == '#' && anterior == '\n') break;
    }
    for (int c = leitor.le(); c != ':'; c = leitor.le())
        if (c < 0) return ResultadoLeitura::SEM_DOIS_PONTOS;
    leitor.le(); // the character after ':' (normally a space)

    // Up to 5 characters of azimuth number, ending before a space.
    char numero[6] = {};
    for (int n = 0; n < 5; ++n) {
        const int c = leitor.le();
        if (c < 0 || c == ' ') break;
        numero[n] = static_cast<char>(c);
    }
    long t0 = 0;
    if (!azimuteDoCabecalho(numero, t0)) return ResultadoLeitura::SEM_AZIMUTE;

    anguloMinimo = static_cast<unsigned>(linhaDoPrimeiroAzimute(t0));
    raioMinimo = raioInicial;
    const unsigned fimDosAzimutes = anguloMinimo + N_AZIMUTES;
    unsigned r = 0, maisLongo = 0;
    unsigned t = anguloMinimo;
    for (; t < fimDosAzimutes && !leitor.fim; ++t) {
        if (raioFinal < r) raioFinal = r - 1;
        float* linha = tabela[t % N_AZIMUTES];
        r = raioMinimo;
        if (t == anguloMinimo) {
            // Skip the rest of the first header line.
            for (int c = leitor.le(); c >= 0 && c != '\n'; c = leitor.le()) {
            }
        } else {
            // Later headers are skipped too (blocks are taken as consecutive
            // azimuths), but one that numbers another azimuth is noted.
            long numero = 0;
            const long esperado = modPositivo(t0 + static_cast<long>(t - anguloMinimo), N_AZIMUTES);
            if (leCabecalhoSeguinte(leitor, numero) && modPositivo(numero, N_AZIMUTES) != esperado &&
                anota(avisos.foraDeSequencia, [&] { return leitor.linhaAtual(); })) {
                avisos.azimuteAchado = numero;
                avisos.azimuteEsperado = esperado;
            }
        }
        // Body: tokens until a '#' that starts a token position, or the end.
        int c = leitor.le();
        while (c >= 0 && c != '#') {
            if (caractereDeValor(c)) {
                char token[MAX_TOKEN + 1];
                const int fimDoToken = leToken(leitor, c, token);
                if (r < static_cast<unsigned>(N_RAIOS)) linha[r++] = valorDoToken(token);
                // Letters glued to a value (12.5dBZ) are part of its text.
                c = letra(fimDoToken) ? pulaLetras(leitor, fimDoToken, nullptr, 0) : leitor.le();
            } else if (letra(c)) {
                // A word standing alone (nan, x) took the place of a value.
                char texto[sizeof avisos.primeiraPalavra];
                c = pulaLetras(leitor, c, texto, sizeof texto - 1);
                // The byte after the word is still on its line (a line feed ends it).
                if (!caractereDeValor(c) && anota(avisos.palavras, [&] { return leitor.linhaAtual(); }))
                    std::memcpy(avisos.primeiraPalavra, texto, sizeof texto);
            } else {
                c = leitor.le();
            }
        }
        if (r > maisLongo) maisLongo = r;
    }
    anguloMaximo = t;
    raioMaximo = maisLongo;
    bool noFim = true;
    if (!leitor.fim) {
        // The 360th body ended at a '#': that block and any later ones are not read.
        constexpr unsigned long LIMITE = 64UL << 20; // bytes looked at past the 360th block
        avisos.blocosExtras.linha = leitor.linhaAtual();
        avisos.blocosExtras.quantidade = 1 + contaCabecalhosRestantes(leitor, LIMITE, noFim);
        avisos.blocosExtrasAoMenos = !noFim;
    }
    if (noFim && leitor.ultimoLido() != '\n') anota(avisos.cortado, [&] { return leitor.linhaAtual(); });
    subMatriz2();
    subMatriz4();
    subMatriz16();
    return ResultadoLeitura::OK;
}

