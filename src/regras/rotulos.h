// Which town labels to draw: the first ones that fit, none over another.
#ifndef VORLANE_ROTULOS_H
#define VORLANE_ROTULOS_H

#include <cstddef>
#include <vector>

struct CaixaDeRotulo {
    double x = 0, y = 0, largura = 0, altura = 0; // lower-left corner and size, any units
};

// Chooses, in the order given (biggest town first), the labels to draw: a
// label is kept when its box lies inside `area`, does not overlap any box
// already kept nor any of `proibidas` (e.g. the radar's mark, the legend), and
// at most `maximo` are kept. Returns the indices kept, in order. Boxes overlap
// when their interiors meet (touching is not overlapping). Boxes whose
// size is not a positive number are never kept; an area that is not one keeps
// nothing. Kept boxes sit in a uniform grid, so each test looks at its
// neighbours only.
std::vector<std::size_t> escolheRotulos(const std::vector<CaixaDeRotulo>& candidatas, const CaixaDeRotulo& area,
                                        const std::vector<CaixaDeRotulo>& proibidas, std::size_t maximo);

#endif
