// The known radar sites and the thirteen towns labelled on the map of the
// BRU radar.
#ifndef VORLANE_CIDADES_H
#define VORLANE_CIDADES_H

enum lugarCidade : int { BRU = 0, PPR = 1, UNK = 2 };

// Site of a three-letter code ("BRU", "PPR", anything else UNK).
lugarCidade lugarDoCodigo(const char* local);

struct city {
    float x, y;    // scan frame relative to the BRU radar (1.0 = 500 km)
    char nome[50]; // label; its leading '+' marks the town
};

constexpr int N_CIDADES = 13;
extern city cidade[N_CIDADES]; // filled by iniciaCidades, read-only afterwards

void iniciaCidades();

#endif
