// Radar sites and the city table (coordinates in whole 1/247 scan units).
#include "cidades.h"

#include <cstring>

city cidade[N_CIDADES];

namespace {

struct CidadeFonte {
    int kx, ky;
    const char* nome;
};

const CidadeFonte FONTE[N_CIDADES] = {
    {-216, 116, "+ Agua Clara"},
    {-3, 2, "+ Bauru"},
    {-54, 7, "+ Marilia"},
    {-133, 12, "+ Presidente Prudente"},
    {-23, 93, "+ Sao Jose do Rio Preto"},
    {-132, 115, "+ Ilha Solteira"},
    {133, -75, "+ Sao Paulo"},
    {92, 109, "+ Franca"},
    {65, -132, "+ Registro"},
    {-116, -61, "+ Londrina"},
    {-13, -189, "+ Curitiba"},
    {44, 209, "+ Uberlandia"},
    {203, 44, "+ Varginha"},
};

constexpr float UNIDADES_POR_ESCALA = 247.0f;

} // namespace

lugarCidade lugarDoCodigo(const char* local) {
    if (std::memcmp(local, "BRU", 4) == 0) return BRU;
    if (std::memcmp(local, "PPR", 4) == 0) return PPR;
    return UNK;
}

void iniciaCidades() {
    for (int k = 0; k < N_CIDADES; ++k) {
        cidade[k].x = FONTE[k].kx / UNIDADES_POR_ESCALA;
        cidade[k].y = FONTE[k].ky / UNIDADES_POR_ESCALA;
        std::memset(cidade[k].nome, 0, sizeof cidade[k].nome);
        std::strncpy(cidade[k].nome, FONTE[k].nome, sizeof cidade[k].nome - 1);
    }
}
