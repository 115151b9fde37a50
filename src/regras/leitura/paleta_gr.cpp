// GR colour tables (.pal). Lines are read one at a time into a buffer that
// never grows past one line; a statement is checked whole before it changes
// the table being built, which replaces the caller's only at the end.
#include "paleta_gr.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <utility>

namespace {

constexpr int MAX_NUMEROS = 9; // Color4 with both colours

enum class Chave { PRODUTO, UNIDADE, ESCALA, DESLOCAMENTO, PASSO, DOBRADO, COR, COR4, SOLIDA, SOLIDA4 };

struct Definicao {
    const char* nome;
    Chave chave;
    int minimo, maximo; // how many numbers it takes (one or the other); -1 for text
};

constexpr Definicao DEFINICOES[] = {
    {"Product", Chave::PRODUTO, -1, -1}, {"Units", Chave::UNIDADE, -1, -1}, {"Scale", Chave::ESCALA, 1, 1},
    {"Offset", Chave::DESLOCAMENTO, 1, 1}, {"Step", Chave::PASSO, 1, 1},   {"RF", Chave::DOBRADO, 3, 3},
    {"Color", Chave::COR, 4, 7},         {"Color4", Chave::COR4, 5, 9},     {"SolidColor", Chave::SOLIDA, 4, 4},
    {"SolidColor4", Chave::SOLIDA4, 5, 5},
};

bool branco(char c) { return c == ' ' || c == '\t'; }

std::string aparado(const std::string& s, std::size_t inicio, std::size_t fim) {
    while (inicio < fim && branco(s[inicio])) ++inicio;
    while (fim > inicio && branco(s[fim - 1])) --fim;
    return s.substr(inicio, fim - inicio);
}

const Definicao* definicao(const std::string& chave) {
    for (const Definicao& d : DEFINICOES) {
        const std::size_t n = std::strlen(d.nome);
        if (chave.size() != n) continue;
        bool igual = true;
        for (std::size_t k = 0; k < n && igual; ++k)
            igual = std::tolower(static_cast<unsigned char>(chave[k])) ==
                    std::tolower(static_cast<unsigned char>(d.nome[k]));
        if (igual) return &d;
    }
    return nullptr;
}

// The next line without its end (LF or CRLF) into `linha`: 1, or 0 at the
// end of input, or -1 for a line over MAX_LINHA_PALETA bytes (read no further).
int leLinha(std::streambuf& fonte, std::string& linha) {
    using T = std::char_traits<char>;
    linha.clear();
    for (;;) {
        const T::int_type c = fonte.sbumpc();
        const bool acabou = T::eq_int_type(c, T::eof());
        if (acabou && linha.empty()) return 0;
        if (acabou || c == '\n') {
            if (!linha.empty() && linha.back() == '\r') linha.pop_back();
            return linha.size() > MAX_LINHA_PALETA ? -1 : 1;
        }
        if (linha.size() > MAX_LINHA_PALETA) return -1; // one byte over, the room of a CR
        linha.push_back(T::to_char_type(c));
    }
}

// The blank-separated numbers of `p` into v[0..]: their count (stops at
// MAX_NUMEROS + 1), -1 for a token that is not a plain decimal number (no
// nan, inf or hex), -2 for one beyond MAX_VALOR_PALETA.
int leNumeros(const char* p, double (&v)[MAX_NUMEROS + 1]) {
    int n = 0;
    for (;;) {
        while (branco(*p)) ++p;
        if (*p == '\0' || n == MAX_NUMEROS + 1) return n;
        const char* q = p;
        while (*q != '\0' && !branco(*q)) ++q;
        if (std::strspn(p, "0123456789+-.eE") < static_cast<std::size_t>(q - p)) return -1;
        char* fim = nullptr;
        const double x = std::strtod(p, &fim);
        if (fim != q) return -1;
        if (!(std::fabs(x) <= MAX_VALOR_PALETA)) return -2;
        v[n++] = x;
        p = q;
    }
}

// Product: and Units: text: printable ASCII (others become '?'), cut.
std::string texto(const std::string& linha, std::size_t inicio) {
    std::string s = aparado(linha, inicio, linha.size());
    for (char& c : s)
        if (c == '\t') c = ' ';
        else if (static_cast<unsigned char>(c) > 126) c = '?';
    return s.size() > MAX_TEXTO_PALETA ? aparado(s, 0, MAX_TEXTO_PALETA) : s;
}

colorido corEm(const double* v) {
    return {static_cast<unsigned char>(v[0]), static_cast<unsigned char>(v[1]), static_cast<unsigned char>(v[2])};
}

// Applies one statement of numbers to `t`: empty, or what is wrong.
std::string aplica(const Definicao& d, const double* v, int n, TabelaDeCores& t) {
    if (d.minimo >= 3) // colours: RF's three numbers, the rest after the value
        for (int k = d.chave == Chave::DOBRADO ? 0 : 1; k < n; ++k) {
            if (v[k] < 0 || v[k] > 255) return "cor fora de 0..255";
            if (v[k] != std::floor(v[k])) return "cor nao inteira";
        }
    switch (d.chave) {
    case Chave::ESCALA:
        if (v[0] == 0) return "Scale igual a zero";
        t.escala = v[0];
        return "";
    case Chave::DESLOCAMENTO: t.deslocamento = v[0]; return "";
    case Chave::PASSO:
        if (v[0] < 0) return "Step negativo";
        t.passo = v[0];
        return "";
    case Chave::DOBRADO:
        t.temDobrado = true;
        t.dobrado = corEm(v);
        return "";
    default: break;
    }
    if (t.entradas.size() == MAX_CORES_PALETA) return "mais de " + std::to_string(MAX_CORES_PALETA) + " cores";
    if (!t.entradas.empty() && v[0] < t.entradas.back().valor) {
        char msg[96];
        std::snprintf(msg, sizeof msg, "valor %g abaixo do anterior (%g)", v[0], t.entradas.back().valor);
        return msg;
    }
    const bool comAlfa = d.chave == Chave::COR4 || d.chave == Chave::SOLIDA4;
    const int componentes = comAlfa ? 4 : 3;
    EntradaDeCor e;
    e.valor = v[0];
    e.cor = corEm(v + 1);
    if (comAlfa) e.alfa = static_cast<unsigned char>(v[4]);
    e.solida = d.chave == Chave::SOLIDA || d.chave == Chave::SOLIDA4;
    e.temFinal = n == 1 + 2 * componentes;
    if (e.temFinal) {
        e.final = corEm(v + 1 + componentes);
        if (comAlfa) e.alfaFinal = static_cast<unsigned char>(v[8]);
    }
    t.entradas.push_back(e);
    return "";
}

std::string contagem(const Definicao& d) {
    const std::string a = std::to_string(d.minimo);
    return d.maximo == d.minimo ? a : a + " ou " + std::to_string(d.maximo);
}

} // namespace

bool lePaletaGr(std::istream& entrada, const std::string& nome, TabelaDeCores& tabela, std::string& erro,
                std::string& aviso) {
    aviso.clear();
    TabelaDeCores t;
    std::string linha, desconhecida;
    unsigned long numero = 0, linhaDesconhecida = 0, desconhecidas = 0;
    const auto falha = [&](const std::string& motivo) {
        erro = "'" + nome + "' linha " + std::to_string(std::max(numero, 1UL)) + ": " + motivo;
        return false;
    };
    std::streambuf* fonte = entrada.rdbuf();
    if (!fonte) return falha("erro de leitura");
    for (int lida; (lida = leLinha(*fonte, linha)) != 0;) {
        ++numero;
        if (lida < 0) return falha("linha com mais de " + std::to_string(MAX_LINHA_PALETA) + " bytes");
        if (numero == 1 && linha.compare(0, 3, "\xEF\xBB\xBF") == 0) linha.erase(0, 3);
        for (char c : linha)
            if ((static_cast<unsigned char>(c) < 0x20 && c != '\t') || c == 0x7f)
                return falha("caractere de controle (arquivo binario?)");
        linha.resize(std::min(linha.find(';'), linha.size()));
        const std::size_t doisPontos = linha.find(':');
        const std::string chave = aparado(linha, 0, std::min(doisPontos, linha.size()));
        if (doisPontos == std::string::npos && chave.empty()) continue; // blank or only a comment
        const bool chaveValida = !chave.empty() && std::all_of(chave.begin(), chave.end(), [](char c) {
            return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_';
        });
        if (doisPontos == std::string::npos || !chaveValida) return falha("esperado 'Chave: valores'");
        const Definicao* d = definicao(chave);
        if (!d) {
            if (desconhecidas++ == 0) {
                desconhecida = chave.substr(0, MAX_TEXTO_PALETA);
                linhaDesconhecida = numero;
            }
            continue;
        }
        if (d->minimo < 0) {
            (d->chave == Chave::PRODUTO ? t.produto : t.unidade) = texto(linha, doisPontos + 1);
            continue;
        }
        double v[MAX_NUMEROS + 1];
        const int n = leNumeros(linha.c_str() + doisPontos + 1, v);
        if (n == -1) return falha("valor nao numerico");
        if (n == -2) return falha("valor fora de -1e6..1e6");
        if (n != d->minimo && n != d->maximo)
            return falha(std::string(d->nome) + " pede " + contagem(*d) + " numeros");
        const std::string problema = aplica(*d, v, n, t);
        if (!problema.empty()) return falha(problema);
    }
    if (t.vazia()) return falha("nenhuma cor (Color, Color4, SolidColor ou SolidColor4)");
    if (desconhecidas > 0)
        aviso = "'" + nome + "' linha " + std::to_string(linhaDesconhecida) + ": chave desconhecida '" + desconhecida +
                "' ignorada" + (desconhecidas > 1 ? " (e mais " + std::to_string(desconhecidas - 1) + ")" : "");
    tabela = std::move(t);
    return true;
}

bool lePaletaGr(const std::string& nome, TabelaDeCores& tabela, std::string& erro, std::string& aviso) {
    std::ifstream arquivo(nome, std::ios::binary);
    if (!arquivo) {
        aviso.clear();
        erro = "nao foi possivel abrir a tabela de cores '" + nome + "'";
        return false;
    }
    return lePaletaGr(arquivo, nome, tabela, erro, aviso);
}
