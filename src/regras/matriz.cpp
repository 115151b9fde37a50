// The scan object: construction, the file-name metadata, tables from other
// formats, the reduced tables and the text export of a region.
//
// Index: construction | file name | other formats | reduced tables | text export
// (the text reader is in leitura/varredura_texto.cpp)

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

#include "angulos.h"

namespace {

void preencheDoisCaracteres(char campo[3], const char* origem) {
    campo[0] = origem[0];
    campo[1] = origem[1];
    campo[2] = '\0';
}

} // namespace

// ---------------------------------------------------------------- construction

unsigned long Matriz::novaGeracao() {
    static unsigned long ultima = 0;
    return ++ultima;
}

Matriz::Matriz() { reinicia(); }

void Matriz::reinicia() {
    if (Dados.is_open()) Dados.close();
    raioMinimo = raioMaximo = anguloMinimo = anguloMaximo = 0;
    nome = nullptr;
    std::fill(std::begin(local), std::end(local), '\0');
    raioInicial = raioFinal = 0;
    avisos = AvisosDaLeitura{};
    sitio.clear();
    outroFormato = false;
    descricao = DescricaoDaTabela{};
    geracao = novaGeracao();
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

void Matriz::copiaDe(const Matriz& o) {
    if (this == &o) return;
    if (Dados.is_open()) Dados.close();
    std::memcpy(tabela, o.tabela, sizeof tabela);
    std::memcpy(tabelaMenor2, o.tabelaMenor2, sizeof tabelaMenor2);
    std::memcpy(tabelaMenor4, o.tabelaMenor4, sizeof tabelaMenor4);
    std::memcpy(tabelaMenor16, o.tabelaMenor16, sizeof tabelaMenor16);
    nome = o.nome;
    std::memcpy(local, o.local, sizeof local);
    std::memcpy(data, o.data, sizeof data);
    std::memcpy(hora, o.hora, sizeof hora);
    raioInicial = o.raioInicial, raioFinal = o.raioFinal;
    raioMinimo = o.raioMinimo, raioMaximo = o.raioMaximo;
    anguloMinimo = o.anguloMinimo, anguloMaximo = o.anguloMaximo;
    avisos = o.avisos;
    sitio = o.sitio;
    outroFormato = o.outroFormato;
    descricao = o.descricao;
    geracao = novaGeracao();
}

bool Matriz::isReal(char c) { return (c >= '0' && c <= '9') || c == '.' || c == '-'; }

bool Matriz::isUnsigned(char c) { return c >= '0' && c <= '9'; }

float Matriz::valorSeguro(long azimute, long raio) const {
    if (!raioNaTabela(raio)) return semDados();
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
    if (!descricao.grandeza.empty()) name += "." + descricao.grandeza; // which moment, unless reflectivity
    char sufixo[64];
    std::snprintf(sufixo, sizeof sufixo, ".%ikm%i-%i", xri / 4, xti, xtf);
    name += sufixo;
}

// ------------------------------------------------------------- other formats

void Matriz::carregaTabela(const std::vector<float>& valores, unsigned inicial, unsigned final,
                           const DescricaoDaTabela& d) {
    descricao = d;
    for (int a = 0; a < N_AZIMUTES; ++a)
        for (int g = 0; g < N_RAIOS; ++g) {
            const std::size_t k = static_cast<std::size_t>(a) * N_RAIOS + g;
            tabela[a][g] = k < valores.size() ? valores[k] : semDados();
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
// The value of greater magnitude; codes (far below every value) lose to values.
inline float maiorModulo(float a, float b) {
    if (ehMedido(a) && ehMedido(b)) return std::fabs(b) > std::fabs(a) ? b : a;
    return maior(a, b);
}

template <float (*JUNTA)(float, float)>
void reduz2(const float (*tabela)[N_RAIOS], float (*menor)[N_RAIOS / 2]) {
    for (int a = 0; a < N_AZIMUTES; ++a)
        for (int g = 0; g < N_RAIOS / 2; ++g) menor[a][g] = JUNTA(tabela[a][2 * g], tabela[a][2 * g + 1]);
}

template <float (*JUNTA)(float, float)>
void reduz4(const float (*tabela)[N_RAIOS], float (*menor)[N_RAIOS / 4]) {
    for (int a = 0; a < N_AZIMUTES; ++a)
        for (int g = 0; g < N_RAIOS / 4; ++g) {
            const float* p = &tabela[a][4 * g];
            menor[a][g] = JUNTA(JUNTA(p[0], p[1]), JUNTA(p[2], p[3]));
        }
}

template <float (*JUNTA)(float, float)>
void reduz16(const float (*tabela)[N_RAIOS], float (*menor)[N_RAIOS / 16]) {
    for (int a = 0; a < N_AZIMUTES; ++a)
        for (int g = 0; g < N_RAIOS / 16; ++g) {
            float m[8];
            const float* p = &tabela[a][16 * g];
            for (int k = 0; k < 8; ++k) m[k] = JUNTA(p[2 * k], p[2 * k + 1]);
            for (int k = 0; k < 4; ++k) m[k] = JUNTA(m[2 * k], m[2 * k + 1]);
            for (int k = 0; k < 2; ++k) m[k] = JUNTA(m[2 * k], m[2 * k + 1]);
            menor[a][g] = JUNTA(m[0], m[1]);
        }
}

} // namespace

void Matriz::subMatriz2() {
    geracao = novaGeracao();
    if (descricao.reducao == Reducao::MAIOR_MODULO) reduz2<maiorModulo>(tabela, tabelaMenor2);
    else reduz2<maior>(tabela, tabelaMenor2);
}

void Matriz::subMatriz4() {
    geracao = novaGeracao();
    if (descricao.reducao == Reducao::MAIOR_MODULO) reduz4<maiorModulo>(tabela, tabelaMenor4);
    else reduz4<maior>(tabela, tabelaMenor4);
}

void Matriz::subMatriz16() {
    geracao = novaGeracao();
    if (descricao.reducao == Reducao::MAIOR_MODULO) reduz16<maiorModulo>(tabela, tabelaMenor16);
    else reduz16<maior>(tabela, tabelaMenor16);
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
            if (descricao.codigosForaDaEscala ? ehMedido(v) : v > -25.0f) std::fprintf(arquivo, " %g ", static_cast<double>(v));
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
