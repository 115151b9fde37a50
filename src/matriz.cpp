// The scan object: construction, reading a scan file, the reduced tables,
// the file-name metadata and the text export of a region.
//
// Index: construction | file name | reading | reduced tables | text export

#include "matriz.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "angulos.h"
#include "cidades.h"

namespace {

void preencheDoisCaracteres(char campo[3], const char* origem) {
    campo[0] = origem[0];
    campo[1] = origem[1];
    campo[2] = '\0';
}

} // namespace

// ---------------------------------------------------------------- construction

namespace {
unsigned long novaGeracao() {
    static unsigned long ultima = 0;
    return ++ultima;
}
} // namespace

Matriz::Matriz()
    : raioMinimo(0), raioMaximo(0), anguloMinimo(0), anguloMaximo(0),
      nome(nullptr), local{}, raioInicial(0), raioFinal(0), geracao(novaGeracao()) {
    for (auto& linha : tabela)
        for (float& celula : linha) celula = VALOR_NAO_LIDO;
    for (auto& linha : tabelaMenor2)
        for (float& celula : linha) celula = 0.0f;
    for (auto& linha : tabelaMenor4)
        for (float& celula : linha) celula = 0.0f;
    for (auto& linha : tabelaMenor16)
        for (float& celula : linha) celula = 0.0f;
    for (int k = 0; k < 3; ++k) {
        preencheDoisCaracteres(data[k], "00");
        preencheDoisCaracteres(hora[k], "00");
    }
}

bool Matriz::isReal(char c) { return (c >= '0' && c <= '9') || c == '.' || c == '-'; }

bool Matriz::isUnsigned(char c) { return c >= '0' && c <= '9'; }

float Matriz::valorSeguro(long azimute, long raio) const {
    if (!raioNaTabela(raio)) return VALOR_NAO_LIDO;
    return tabela[modPositivo(azimute, N_AZIMUTES)][raio];
}

// ------------------------------------------------------------------- file name

long inteiroDoTexto(const char* s, std::size_t maxCaracteres) {
    constexpr long LIMITE = 1000000000L;
    std::size_t i = 0;
    bool negativo = false;
    if (i < maxCaracteres && (s[i] == '-' || s[i] == '+')) {
        negativo = s[i] == '-';
        ++i;
    }
    long valor = 0;
    for (; i < maxCaracteres && s[i] >= '0' && s[i] <= '9'; ++i) {
        if (valor < LIMITE) valor = valor * 10 + (s[i] - '0');
    }
    if (valor > LIMITE) valor = LIMITE;
    return negativo ? -valor : valor;
}

const char* nomeBase(const char* nome) {
    const char* base = nome;
    for (const char* p = nome; *p; ++p)
        if (*p == '/' || *p == '\\') base = p + 1;
    return base;
}

NomeVarredura interpretaNome(const char* nome) {
    NomeVarredura r{};
    for (int k = 0; k < 3; ++k) {
        preencheDoisCaracteres(r.data[k], "00");
        preencheDoisCaracteres(r.hora[k], "00");
    }
    r.raioInicial = 4;
    if (nome == nullptr) return r;

    const char* base = nomeBase(nome);
    const std::size_t n = std::strlen(base);

    for (std::size_t k = 0; k < 3 && k < n; ++k) r.local[k] = base[k];

    if (n < 16 || base[15] != '.') return r; // form A: no date in the name

    // Positions 3..14 hold three pairs of date and three of time.
    preencheDoisCaracteres(r.data[2], base + 3); // year
    preencheDoisCaracteres(r.data[1], base + 5); // month
    preencheDoisCaracteres(r.data[0], base + 7); // day
    const bool formaC = base[16] >= '0' && base[16] <= '9';
    if (!formaC) {
        preencheDoisCaracteres(r.hora[0], base + 9);
        preencheDoisCaracteres(r.hora[1], base + 11);
        preencheDoisCaracteres(r.hora[2], base + 13);
        return r;
    }
    // Form C stores the time backwards and a first range in km after the '.'.
    preencheDoisCaracteres(r.hora[2], base + 9);
    preencheDoisCaracteres(r.hora[1], base + 11);
    preencheDoisCaracteres(r.hora[0], base + 13);
    std::size_t fim = 16;
    while (fim < n && fim < 19 && !(fim >= 17 && base[fim] == 'k')) ++fim;
    r.raioInicial = 4 * inteiroDoTexto(base + 16, fim - 16);
    return r;
}

bool Matriz::setNome(const char* name) {
    const NomeVarredura r = interpretaNome(name);
    nome = name;
    std::memcpy(local, r.local, sizeof local);
    std::memcpy(data, r.data, sizeof data);
    std::memcpy(hora, r.hora, sizeof hora);
    if (!raioNaTabela(r.raioInicial)) return false;
    raioInicial = static_cast<unsigned>(r.raioInicial);
    return true;
}

int Matriz::setRaioInicial(const char* name) {
    for (const char* p = name; *p; ++p)
        if (!isReal(*p)) return 1;
    const long g = inteiroDoTexto(name);
    if (!raioNaTabela(g)) return 2;
    raioInicial = static_cast<unsigned>(g);
    return 0;
}

void Matriz::setNewName(std::string& name, int xri, int xti, int xtf) const {
    // Cut only inside the base name: a '.' in a directory must not send the
    // export elsewhere (radar.2019/X.dat) or hide it (./X.dat).
    const char* texto = nome ? nome : "";
    const char* base = nomeBase(texto);
    const char* ponto = std::strchr(base, '.');
    name.assign(texto, ponto ? ponto : base + std::strlen(base));
    char sufixo[64];
    std::snprintf(sufixo, sizeof sufixo, ".%ikm%i-%i", xri / 4, xti, xtf);
    name += sufixo;
}

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

void Matriz::Faz() {
    iniciaCidades();
    if (!openDados()) {
        std::fprintf(stderr, "vorlane: nao foi possivel abrir o arquivo de varredura '%s'\n",
                     nome ? nome : "");
        std::exit(1);
    }
    const ResultadoLeitura r = leVarredura(Dados);
    Dados.close();
    const char* motivo = nullptr;
    switch (r) {
    case ResultadoLeitura::OK:
        for (const std::string& aviso : textosDosAvisos(nome, avisos)) std::fprintf(stderr, "%s\n", aviso.c_str());
        return;
    case ResultadoLeitura::SEM_MARCADOR: motivo = "nenhuma linha comeca com '#'"; break;
    case ResultadoLeitura::SEM_DOIS_PONTOS: motivo = "falta ':' no primeiro cabecalho"; break;
    case ResultadoLeitura::SEM_AZIMUTE: motivo = "falta o numero do azimute no primeiro cabecalho"; break;
    }
    std::fprintf(stderr, "vorlane: o arquivo de varredura '%s' nao tem dados: %s\n", nome, motivo);
    std::exit(1);
}

std::vector<std::string> textosDosAvisos(const char* nome, const AvisosDaLeitura& a) {
    std::vector<std::string> textos;
    char linha[1024];
    const auto adiciona = [&](int n) {
        if (n > 0) textos.emplace_back(linha, std::min(static_cast<std::size_t>(n), sizeof linha - 1));
    };
    // The file name may be long: it goes in as a string of its own.
    const std::string prefixo = std::string("vorlane: aviso: '") + (nome ? nome : "") + "': ";
    if (a.foraDeSequencia.quantidade > 0)
        adiciona(std::snprintf(linha, sizeof linha,
                               "%lu cabecalho(s) com azimute fora da sequencia, o primeiro na linha %lu "
                               "(azimute %ld, esperado %ld): faltam ou sobram raios e os blocos seguintes "
                               "aparecem girados",
                               a.foraDeSequencia.quantidade, a.foraDeSequencia.linha, a.azimuteAchado,
                               a.azimuteEsperado));
    if (a.blocosExtras.quantidade > 0)
        adiciona(std::snprintf(linha, sizeof linha,
                               "%s%lu bloco(s) alem dos 360 primeiros, o primeiro na linha %lu: nao foram lidos",
                               a.blocosExtrasAoMenos ? "pelo menos " : "", a.blocosExtras.quantidade,
                               a.blocosExtras.linha));
    if (a.palavras.quantidade > 0)
        adiciona(std::snprintf(linha, sizeof linha,
                               "%lu palavra(s) no lugar de valores, a primeira na linha %lu ('%s'): os valores "
                               "seguintes do bloco aparecem um raio mais perto do radar",
                               a.palavras.quantidade, a.palavras.linha, a.primeiraPalavra));
    if (a.cortado.quantidade > 0)
        adiciona(std::snprintf(linha, sizeof linha, "o arquivo termina no meio da linha %lu: parece cortado",
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

// ------------------------------------------------------------- other formats

void Matriz::carregaTabela(const std::vector<float>& valores, unsigned inicial, unsigned final) {
    for (int a = 0; a < N_AZIMUTES; ++a)
        for (int g = 0; g < N_RAIOS; ++g) {
            const std::size_t k = static_cast<std::size_t>(a) * N_RAIOS + g;
            tabela[a][g] = k < valores.size() ? valores[k] : VALOR_NAO_LIDO;
        }
    raioInicial = raioMinimo = std::min<unsigned>(inicial, N_RAIOS - 1);
    raioFinal = std::min<unsigned>(std::max(final, raioInicial), N_RAIOS - 1);
    raioMaximo = raioFinal + 1;
    anguloMinimo = 0;
    anguloMaximo = N_AZIMUTES;
    subMatriz2();
    subMatriz4();
    subMatriz16();
}

namespace {
bool digitos(const std::string& s, std::size_t n) {
    if (s.size() < n) return false;
    for (std::size_t k = 0; k < n; ++k)
        if (s[k] < '0' || s[k] > '9') return false;
    return true;
}
} // namespace

void Matriz::setOrigem(const char* arquivo, const std::string& d, const std::string& h, const std::string& s) {
    nome = arquivo;
    std::memset(local, 0, sizeof local);
    if (digitos(d, 8)) {
        preencheDoisCaracteres(data[0], d.c_str() + 6);
        preencheDoisCaracteres(data[1], d.c_str() + 4);
        preencheDoisCaracteres(data[2], d.c_str() + 2);
    }
    if (digitos(h, 6))
        for (int k = 0; k < 3; ++k) preencheDoisCaracteres(hora[k], h.c_str() + 2 * k);
    sitio = s;
    outroFormato = true;
}

// -------------------------------------------------------------- reduced tables

namespace {
inline float maior(float a, float b) { return b > a ? b : a; }
} // namespace

void Matriz::subMatriz2() {
    geracao = novaGeracao();
    for (int a = 0; a < N_AZIMUTES; ++a)
        for (int g = 0; g < N_RAIOS / 2; ++g)
            tabelaMenor2[a][g] = maior(tabela[a][2 * g], tabela[a][2 * g + 1]);
}

void Matriz::subMatriz4() {
    geracao = novaGeracao();
    for (int a = 0; a < N_AZIMUTES; ++a)
        for (int g = 0; g < N_RAIOS / 4; ++g) {
            const float* p = &tabela[a][4 * g];
            tabelaMenor4[a][g] = maior(maior(p[0], p[1]), maior(p[2], p[3]));
        }
}

void Matriz::subMatriz16() {
    geracao = novaGeracao();
    for (int a = 0; a < N_AZIMUTES; ++a)
        for (int g = 0; g < N_RAIOS / 16; ++g) {
            float m[8];
            const float* p = &tabela[a][16 * g];
            for (int k = 0; k < 8; ++k) m[k] = maior(p[2 * k], p[2 * k + 1]);
            for (int k = 0; k < 4; ++k) m[k] = maior(m[2 * k], m[2 * k + 1]);
            for (int k = 0; k < 2; ++k) m[k] = maior(m[2 * k], m[2 * k + 1]);
            tabelaMenor16[a][g] = maior(m[0], m[1]);
        }
}

// ----------------------------------------------------------------- text export

std::string nomeDaImagem(const char* base, unsigned numero) {
    char sufixo[32];
    std::snprintf(sufixo, sizeof sufixo, "-%04u.tif", numero);
    return std::string(base ? base : "") + sufixo;
}

int criaArquivoNovo(const std::string& nome) {
    return open(nome.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
}

int criaPrimeiroLivre(const std::function<std::string(unsigned)>& candidato, unsigned tentativas,
                      std::string& nome, unsigned& usado) {
    errno = EEXIST;
    for (unsigned k = 0; k < tentativas; ++k) {
        nome = candidato(k);
        usado = k;
        const int fd = criaArquivoNovo(nome);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

bool Matriz::salvaAtual(int ori, int orf, int oti, int otf, std::string* gravado) const {
    const unsigned ri = std::max(static_cast<unsigned>(ori), raioInicial);
    const unsigned rf = std::min(static_cast<unsigned>(orf), raioFinal);
    const Arco linhas = ordenaArco(anguloPolarDoAzimute(oti), anguloPolarDoAzimute(otf));
    const long ti = linhas.inicio, tf = linhas.fim, n = linhas.abertura + 1;

    std::string base, nomeArquivo;
    setNewName(base, static_cast<int>(ri), static_cast<int>(ti), static_cast<int>(tf));
    unsigned usado = 0;
    const int fd = criaPrimeiroLivre(
        [&base](unsigned k) { return k == 0 ? base : base + "_" + std::to_string(k + 1); },
        MAX_TENTATIVAS_DE_NOME, nomeArquivo, usado);
    const int erro = errno;
    std::FILE* arquivo = fd < 0 ? nullptr : fdopen(fd, "w");
    if (arquivo == nullptr) {
        if (fd >= 0) {
            std::fprintf(stderr, "vorlane: nao foi possivel gravar o arquivo de texto '%s': %s\n",
                         nomeArquivo.c_str(), std::strerror(errno));
            close(fd);
            unlink(nomeArquivo.c_str()); // empty, and ours: it would only hold the name
        } else if (erro == EEXIST) {
            std::fprintf(stderr, "vorlane: nao foi possivel criar o arquivo de texto '%s': ja existem todos "
                         "os nomes ate '%s'\n", base.c_str(), nomeArquivo.c_str());
        } else {
            std::fprintf(stderr, "vorlane: nao foi possivel criar o arquivo de texto '%s': %s\n",
                         nomeArquivo.c_str(), std::strerror(erro));
        }
        return false;
    }
    std::fprintf(arquivo, "\nRaios: %u-%u\nAngulos: %ld-%ld\n", ri, rf, ti, tf);
    for (long i = 0; i < n; ++i) {
        const long linha = (ti + i) % N_AZIMUTES;
        std::fprintf(arquivo, "\n\n#  %ld  Az: %ld \n", i, (ti + i + 359) % N_AZIMUTES);
        for (unsigned r = ri; r <= rf; ++r) {
            const float v = tabela[linha][r];
            if (v > -25.0f) std::fprintf(arquivo, " %g ", static_cast<double>(v));
            else std::fputs(" --.- ", arquivo);
        }
    }
    std::fputc('\n', arquivo);
    const bool ok = std::fclose(arquivo) == 0;
    if (!ok)
        std::fprintf(stderr, "vorlane: erro ao gravar o arquivo de texto '%s'\n", nomeArquivo.c_str());
    else if (gravado)
        *gravado = nomeArquivo;
    return ok;
}
