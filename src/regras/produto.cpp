// Built-in descriptions of the moments, their colour rules and texts.
#include "produto.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>

namespace {

std::string maiusculas(std::string s) {
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

bool comeca(const std::string& s, const char* prefixo) { return s.rfind(prefixo, 0) == 0; }

// The least of 1, 2, 2.5, 5 x 10^k that is at least x (> 0).
double passoRedondo(double x) {
    if (!(x > 0) || !std::isfinite(x)) return 1;
    const double potencia = std::pow(10.0, std::floor(std::log10(x)));
    for (double m : {1.0, 2.0, 2.5, 5.0, 10.0})
        if (m * potencia >= x * (1 - 1e-9)) return m * potencia;
    return 10 * potencia;
}

// 32 rows of a round step from at or below `de` up to at least `ate`.
void vao(Produto& p, double de, double ate) {
    if (!std::isfinite(de) || !std::isfinite(ate) || std::fabs(de) > 1e9 || std::fabs(ate) > 1e9) de = 0, ate = 1;
    if (ate <= de) ate = de + 1;
    p.passo = passoRedondo((ate - de) / 32);
    for (int k = 0; k < 8; ++k) {
        p.minimo = std::floor(de / p.passo + 1e-9) * p.passo;
        if (p.maximo() >= ate - 1e-9 * p.passo) break;
        p.passo = passoRedondo(p.passo * 1.0001);
    }
}

EntradaDeCor cor(double valor, unsigned char r, unsigned char g, unsigned char b, bool solida = false) {
    EntradaDeCor e;
    e.valor = valor;
    e.cor = {r, g, b};
    e.solida = solida;
    return e;
}

void velocidade(Produto& p, double nyquist) {
    const double n = nyquist > 0 && nyquist < 1000 ? nyquist : 32;
    const double calmo = std::min(std::max(1.0, 0.04 * n), 0.25 * n); // entries stay in order for any n
    p.tabela.entradas = {cor(-n, 0, 70, 0),          cor(-0.5 * n, 0, 190, 0),  cor(-calmo, 170, 235, 170),
                         cor(-calmo, 150, 150, 150, true), cor(calmo, 240, 170, 170), cor(0.5 * n, 220, 0, 0),
                         cor(n, 100, 0, 0)};
    p.tabela.temDobrado = true;
    p.tabela.dobrado = {128, 0, 128};
    vao(p, -n, n);
}

} // namespace

Grandeza grandezaDe(const std::string& q) {
    const std::string s = maiusculas(q);
    if (comeca(s, "DBZ") || s == "TH" || s == "TV" || s == "DBZ") return Grandeza::REFLETIVIDADE;
    if (comeca(s, "VRAD")) return Grandeza::VELOCIDADE;
    if (comeca(s, "WRAD")) return Grandeza::LARGURA;
    if (s == "ZDR") return Grandeza::ZDR;
    if (s == "RHOHV") return Grandeza::RHOHV;
    if (s == "KDP") return Grandeza::KDP;
    if (s == "PHIDP") return Grandeza::PHIDP;
    return Grandeza::OUTRA;
}

Grandeza grandezaDoProdutoGr(const std::string& produto) {
    const std::string s = maiusculas(produto);
    if (s == "BR" || s == "BREF" || s == "REF" || s == "DBZ" || s == "DBZH") return Grandeza::REFLETIVIDADE;
    if (s == "BV" || s == "VEL" || s == "V" || s == "VRAD" || s == "VRADH") return Grandeza::VELOCIDADE;
    if (s == "SW" || s == "WRAD" || s == "WRADH") return Grandeza::LARGURA;
    if (s == "ZDR" || s == "DR") return Grandeza::ZDR;
    if (s == "CC" || s == "RHO" || s == "RHOHV") return Grandeza::RHOHV;
    if (s == "KDP") return Grandeza::KDP;
    if (s == "PHI" || s == "PHIDP") return Grandeza::PHIDP;
    return Grandeza::OUTRA;
}

DescricaoDaTabela Produto::descricao() const {
    DescricaoDaTabela d;
    d.codigosForaDaEscala = codigosForaDaEscala();
    d.reducao = reducao;
    if (tipo != Grandeza::REFLETIVIDADE)
        for (char c : quantidade)
            if (std::isalnum(static_cast<unsigned char>(c)) || c == '_') d.grandeza += c; // safe in a file name
    return d;
}

Produto produtoDe(const std::string& quantidade, double nyquist, double menor, double maior,
                  const std::vector<PaletaDoUsuario>& paletas) {
    Produto p;
    p.quantidade = quantidade;
    p.tipo = grandezaDe(quantidade);
    p.estendeAbaixo = true;
    auto& e = p.tabela.entradas;
    switch (p.tipo) {
    case Grandeza::REFLETIVIDADE: break; // the text scans' palette
    case Grandeza::VELOCIDADE:
        p.nome = "Velocidade", p.unidade = "m/s", p.reducao = Reducao::MAIOR_MODULO;
        // Dealiased velocity (VRADDH) goes past the Nyquist velocity: twice it.
        velocidade(p, comeca(maiusculas(quantidade), "VRADD") ? 2 * (nyquist > 0 ? nyquist : 32) : nyquist);
        break;
    case Grandeza::LARGURA:
        p.nome = "Largura espectral", p.unidade = "m/s", p.comSinal = false;
        e = {cor(0, 150, 150, 150), cor(2, 0, 90, 220), cor(4, 0, 200, 80), cor(6, 240, 230, 0),
             cor(8, 255, 140, 0), cor(11, 220, 0, 0), cor(16, 255, 0, 255)};
        vao(p, 0, 16);
        break;
    case Grandeza::ZDR:
        p.nome = "Refletividade diferencial", p.unidade = "dB", p.casas = 2;
        e = {cor(-2, 90, 0, 140), cor(-1, 40, 60, 220), cor(0, 180, 180, 180), cor(0.5, 0, 200, 220),
             cor(1, 0, 190, 0), cor(2, 250, 230, 0), cor(3, 255, 140, 0), cor(4, 220, 0, 0), cor(6, 255, 0, 255)};
        vao(p, -2, 6);
        break;
    case Grandeza::RHOHV: // fine steps where rain lies, 0.8 to 1
        p.nome = "Coeficiente de correlacao", p.unidade = "", p.casas = 2, p.comSinal = false;
        e = {cor(0.2, 60, 0, 90),    cor(0.5, 0, 0, 200),      cor(0.7, 0, 150, 255), cor(0.8, 0, 200, 150),
             cor(0.85, 0, 190, 0),   cor(0.9, 170, 230, 0),    cor(0.93, 255, 255, 0), cor(0.95, 255, 190, 0),
             cor(0.97, 255, 120, 0), cor(0.98, 255, 0, 0),     cor(0.99, 190, 0, 80),  cor(1.0, 255, 0, 255)};
        vao(p, 0.2, 1.0);
        break;
    case Grandeza::KDP:
        p.nome = "Fase diferencial especifica", p.unidade = "deg/km", p.casas = 2;
        e = {cor(-2, 90, 0, 140), cor(0, 170, 170, 170), cor(0.5, 0, 200, 220), cor(1, 0, 190, 0),
             cor(2, 250, 230, 0), cor(3, 255, 140, 0), cor(4.5, 220, 0, 0), cor(6, 255, 0, 255)};
        vao(p, -2, 6);
        break;
    case Grandeza::PHIDP:
    case Grandeza::OUTRA: {
        p.nome = p.tipo == Grandeza::PHIDP ? "Fase diferencial" : quantidade;
        p.unidade = p.tipo == Grandeza::PHIDP ? "deg" : "";
        vao(p, menor, maior);
        const double de = p.minimo, ate = p.maximo();
        const double d = ate - de;
        p.casas = d >= 100 ? 0 : d >= 10 ? 1 : 2;
        p.comSinal = de < 0;
        e = {cor(de, 20, 20, 120), cor(de + 0.25 * d, 0, 160, 230), cor(de + 0.5 * d, 0, 200, 60),
             cor(de + 0.75 * d, 250, 230, 0), cor(ate, 220, 0, 0)};
        break;
    }
    }
    // The user's table: for this quantity, else for its kind.
    const PaletaDoUsuario* escolhida = nullptr;
    for (const PaletaDoUsuario& u : paletas) // a table without entries colours nothing: passed over
        if (!u.tabela.vazia() && !u.quantidade.empty() && maiusculas(u.quantidade) == maiusculas(quantidade)) escolhida = &u;
    if (!escolhida)
        for (const PaletaDoUsuario& u : paletas)
            if (!u.tabela.vazia() && u.quantidade.empty() && u.tipo == p.tipo) escolhida = &u;
    if (escolhida) {
        p.tabela = escolhida->tabela;
        p.estendeAbaixo = false; // as such tables are meant: nothing below the first entry
        if (!p.tabela.unidade.empty()) p.unidade = p.tabela.unidade;
        const std::vector<EntradaDeCor>& f = p.tabela.entradas;
        double ate = f.back().valor;
        if (ate <= f.front().valor) ate = f.front().valor + 1;
        vao(p, f.front().valor, ate);
        if (!p.tabela.temDobrado && p.tipo == Grandeza::VELOCIDADE) p.tabela.temDobrado = true, p.tabela.dobrado = {128, 0, 128};
    }
    return p;
}

// ---------------------------------------------------------------------- colours

namespace {

constexpr float CINZA_DO_FUNDO = 0.6f; // the map's no-echo grey

// The table's colour at t (table units); false below the first entry.
bool corNaTabela(const Produto& p, double t, float cor[3]) {
    const std::vector<EntradaDeCor>& e = p.tabela.entradas;
    if (e.empty() || !std::isfinite(t)) return false;
    if (t < e.front().valor && !p.estendeAbaixo) return false;
    // The last entry at or below t (the first when t is below it).
    std::size_t k = static_cast<std::size_t>(
        std::upper_bound(e.begin(), e.end(), t, [](double x, const EntradaDeCor& y) { return x < y.valor; }) - e.begin());
    k = k == 0 ? 0 : k - 1;
    const EntradaDeCor& a = e[k];
    double w = 0;
    colorido fim = a.cor;
    unsigned char alfaFim = a.alfa;
    if (!a.solida && k + 1 < e.size() && e[k + 1].valor > a.valor && t > a.valor) {
        w = std::min(1.0, (t - a.valor) / (e[k + 1].valor - a.valor));
        fim = a.temFinal ? a.final : e[k + 1].cor;
        alfaFim = a.temFinal ? a.alfaFinal : e[k + 1].alfa;
    } else if (!a.solida && a.temFinal && k + 1 == e.size()) {
        fim = a.final, alfaFim = a.alfaFinal, w = 0;
    }
    const double alfa = ((1 - w) * a.alfa + w * alfaFim) / 255.0;
    const unsigned char ca[3] = {a.cor.R, a.cor.G, a.cor.B}, cf[3] = {fim.R, fim.G, fim.B};
    // Transparency shows the map's background grey.
    for (int c = 0; c < 3; ++c)
        cor[c] = static_cast<float>(alfa * ((1 - w) * ca[c] + w * cf[c]) / 255.0 + (1 - alfa) * CINZA_DO_FUNDO);
    return true;
}

// The value a stepped mode draws t as: the centre of its row (32) or class (5).
double degrau(const Produto& p, double t, int degraus) {
    const double largura = 32 * p.passo / degraus;
    const double k = std::clamp(std::floor((t - p.minimo) / largura), 0.0, degraus - 1.0);
    return p.minimo + (k + 0.5) * largura;
}

} // namespace

bool corDoDado(const Produto& p, float v, int modo, float cor[3]) {
    if (p.especificado()) return v >= DBZ_MINIMO && corEmFloats(v, modo, cor);
    if (modo < COR_MAXIMO || modo > COR_BRILHO) return false;
    if (p.codigosForaDaEscala() ? !ehMedido(v) : !(v > -25.0f)) {
        if (v != CODIGO_DOBRADO || !p.tabela.temDobrado) return false;
        const colorido& d = p.tabela.dobrado;
        cor[0] = d.R / 255.0f, cor[1] = d.G / 255.0f, cor[2] = d.B / 255.0f;
        return true;
    }
    return corDoMostrado(p, p.mostrado(v), modo, cor);
}

bool corDoMostrado(const Produto& p, double t, int modo, float cor[3]) {
    if (modo < COR_MAXIMO || modo > COR_BRILHO || p.tabela.vazia()) return false;
    if (!p.estendeAbaixo && !(t >= p.tabela.entradas.front().valor)) return false; // below the table: none, in every mode
    switch (modo) {
    case COR_MEDIO: return corNaTabela(p, degrau(p, t, 32), cor);
    case COR_MINIMO: return corNaTabela(p, degrau(p, t, 5), cor);
    case COR_BRILHO: {
        const float g = static_cast<float>(std::clamp((t - p.minimo) / (32 * p.passo), 0.0, 1.0));
        cor[0] = cor[1] = cor[2] = g;
        return true;
    }
    default: return corNaTabela(p, t, cor);
    }
}

bool corDoProduto(const Produto& p, float v, int modo, UsoDaCor uso, CorAmostra& cor) {
    if (p.especificado()) return corDoValor(v, modo, uso, cor);
    if (modo < COR_MAXIMO || modo > COR_BRILHO) return false;
    cor.emBytes = false;
    if (corDoDado(p, v, modo, cor.f)) return true;
    // No colour: as the reflectivity's no data.
    return corDoValor(-100.0f, modo, uso, cor);
}

// ------------------------------------------------------------------------ texts

namespace {

// Decimals a label needs to show the legend's step.
int casasDoRotulo(const Produto& p) {
    int casas = p.casas;
    for (double passo = p.passo; casas < 4 && std::fabs(passo * std::pow(10.0, casas) - std::round(passo * std::pow(10.0, casas))) > 1e-6;)
        ++casas;
    return casas;
}

std::string numero(const char* formato, int casas, double v) {
    if (std::fabs(v) * std::pow(10.0, casas) < 0.5) v = 0; // what prints as zero has no sign
    char texto[64];
    std::snprintf(texto, sizeof texto, formato, casas, v);
    return texto;
}

} // namespace

std::string textoDoValor(const Produto& p, float v) {
    if (p.tipo == Grandeza::REFLETIVIDADE) {
        if (v < -25.0f) return "Refletividade --.- " + p.unidade;
        char texto[64];
        std::snprintf(texto, sizeof texto, "Refletividade %2.1f ", static_cast<double>(v));
        return texto + p.unidade;
    }
    const std::string unidade = p.unidade.empty() ? "" : " " + p.unidade;
    if (v == CODIGO_DOBRADO) return p.nome + " RF (dobrada)";
    if (!ehMedido(v)) return p.nome + " --.-" + unidade;
    return p.nome + " " + numero("%.*f", p.casas, p.mostrado(v)) + unidade;
}

std::string textoDaCelula(const Produto& p, float v) {
    if (p.tipo == Grandeza::REFLETIVIDADE) { // as the text scans have it ("-0.0" included)
        if (v < -20.0f) return "--.-";
        char texto[64];
        std::snprintf(texto, sizeof texto, "%+5.1f", static_cast<double>(v));
        return texto;
    }
    if (v == CODIGO_DOBRADO) return "  RF";
    if (!ehMedido(v)) return "--.-";
    return numero(p.comSinal ? "%+5.*f" : "%5.*f", p.casas, p.mostrado(v));
}

std::string textoDoRotulo(const Produto& p, double valor) {
    if (std::fabs(valor) < 1e-9 * std::max(1.0, std::fabs(p.passo))) valor = 0; // no "-0.00"
    return numero(p.comSinal ? "%+5.*f" : "%5.*f", casasDoRotulo(p), valor);
}

std::string textoDoProduto(const Produto& p) {
    return "Produto: " + p.quantidade + (p.unidade.empty() ? "" : " (" + p.unidade + ")");
}

double alturaNoGrafico(const Produto& p, float v) {
    if (p.tipo == Grandeza::REFLETIVIDADE) return (v + 25.0) / 50.0 - 1;
    if (!ehMedido(v)) return -2; // below the graph
    return std::clamp((p.mostrado(v) - p.minimo) / (32 * p.passo), -0.5, 1.5) * 2 - 1;
}
