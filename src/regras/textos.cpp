// Every text the viewer draws: the readout line, the side panel's lines,
// the legend's and the table's numbers.
#include "textos.h"

#include <algorithm>
#include <cstdio>

#include "cidades.h"

// --------------------------------------------------------------------- readout

std::string textoPosicao(float raioKm, unsigned azimute, float intensidade, medidas unidade, const Produto& produto) {
    char texto[160];
    int n;
    if (unidade == MILHAS)
        n = std::snprintf(texto, sizeof texto, "Raio %5.1f Mi, Azimute %i graus, ", raioKm * 0.621371192,
                          static_cast<int>(azimute));
    else
        n = std::snprintf(texto, sizeof texto, "Raio %5.1f km, Azimute %03i graus, ",
                          static_cast<double>(raioKm), static_cast<int>(azimute));
    std::string linha(texto, static_cast<std::size_t>(std::clamp(n, 0, static_cast<int>(sizeof texto) - 1)));
    return linha + textoDoValor(produto, intensidade);
}

// ------------------------------------------------------------ side panel texts

std::string textoHora(const char* hora, const char* minuto, const char* segundo) {
    return std::string(hora) + ":" + minuto + ":" + segundo;
}

std::string textoData(const char* dia, const char* mes, const char* ano, const char* fuso) {
    static const char* const MESES[] = {"---", "JAN", "FEV", "MAR", "ABR", "MAI", "JUN",
                                        "JUL", "AGO", "SET", "OUT", "NOV", "DEZ"};
    std::string texto = dia;
    for (int m = 0; m <= 12; ++m) {
        char campo[3];
        std::snprintf(campo, sizeof campo, "%02d", m);
        if (std::string(mes) == campo) texto.append(" ").append(MESES[m]).append(" ");
    }
    if (std::string(dia) == "00") texto += "00";
    else texto += ano[0] > '5' ? "19" : "20";
    return texto + ano + " " + fuso;
}

const char* textoLocal(const char* local) {
    switch (lugarDoCodigo(local)) {
    case PPR: return "Local: Presidente Prudente";
    case BRU: return "Local: Bauru";
    default: return "Local: Desconhecido";
    }
}

std::string textoLocalDaVarredura(const char* codigo, const std::string& sitio) {
    return sitio.empty() ? textoLocal(codigo) : "Local: " + sitio;
}

const char* textoQualidade(qualidade q) {
    switch (q) {
    case BOA: return "Qualidade: Maxima";
    case RUIM: return "Qualidade: Media";
    case PIOR: return "Qualidade: Minima";
    }
    return "";
}

const char* textoUnidades(medidas u) { return u == MILHAS ? "Unidades: Milhas" : "Unidades: Quilometros"; }

const char* textoCores(int modo) {
    static const char* const TEXTOS[] = {"Cores: Maximo", "Cores: 32", "Cores: 5", "Cores: Tons de Cinza"};
    return modo >= 0 && modo <= 3 ? TEXTOS[modo] : "";
}

const char* textoLeitura(int raiosPorCelula) {
    switch (raiosPorCelula) {
    case 1: return "Tamanho da Leitura: 250 m";
    case 2: return "Tamanho da Leitura: 500 m";
    case 4: return "Tamanho da Leitura: 1 km";
    default: return "";
    }
}

std::string textoSinalizado(double v) {
    char texto[64];
    std::snprintf(texto, sizeof texto, "%+5.1f", v);
    return texto;
}

// --------------------------------------------------------------- numeric table

std::string textoCabecalhoColuna(int azimute) {
    char texto[16];
    std::snprintf(texto, sizeof texto, "%5i", azimute);
    return texto;
}

std::string textoCabecalhoLinha(long raio, medidas u) {
    char texto[64];
    if (u == MILHAS) std::snprintf(texto, sizeof texto, "%6.2f Mi", raio * 0.15534275);
    else std::snprintf(texto, sizeof texto, "%6.2f km", raio * 0.25);
    return texto;
}

const char* textoCanto(medidas u) { return u == MILHAS ? "Milas\\Az" : "Km\\Az"; }

std::string textoCelula(float v, const Produto& produto) { return textoDaCelula(produto, v); }

