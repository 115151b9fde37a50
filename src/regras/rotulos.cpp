// Greedy label choice over a uniform grid of the area: cells about one
// typical label wide, each listing the kept and forbidden boxes that reach it.
#include "rotulos.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr std::size_t MAX_CELULAS_POR_EIXO = 128; // bounds the grid's memory and a big box's cost

bool sobrepoem(const CaixaDeRotulo& a, const CaixaDeRotulo& b) {
    return a.x < b.x + b.largura && b.x < a.x + a.largura && a.y < b.y + b.altura && b.y < a.y + a.altura;
}

// Finite, with a positive size and a finite far corner.
bool valida(const CaixaDeRotulo& c) {
    return std::isfinite(c.x) && std::isfinite(c.y) && c.largura > 0 && c.altura > 0 &&
           std::isfinite(c.x + c.largura) && std::isfinite(c.y + c.altura);
}

bool dentro(const CaixaDeRotulo& c, const CaixaDeRotulo& area) {
    return c.x >= area.x && c.y >= area.y && c.x + c.largura <= area.x + area.largura &&
           c.y + c.altura <= area.y + area.altura;
}

double mediana(std::vector<double>& v) {
    const auto meio = v.begin() + static_cast<std::ptrdiff_t>(v.size() / 2);
    std::nth_element(v.begin(), meio, v.end());
    return *meio;
}

// Cells along one axis for a span and a typical size, at least one.
std::size_t celulas(double extensao, double tipico) {
    const double n = std::ceil(extensao / tipico);
    if (!(n > 1)) return 1;
    return n >= static_cast<double>(MAX_CELULAS_POR_EIXO) ? MAX_CELULAS_POR_EIXO : static_cast<std::size_t>(n);
}

class Grade {
  public:
    Grade(const CaixaDeRotulo& area, std::size_t nx, std::size_t ny)
        : x0_(area.x), y0_(area.y), lx_(area.largura / static_cast<double>(nx)),
          ly_(area.altura / static_cast<double>(ny)), nx_(nx), ny_(ny), celulas_(nx * ny) {}

    void poe(const CaixaDeRotulo& c) {
        const std::size_t indice = caixas_.size();
        caixas_.push_back(c);
        const Faixa f = faixa(c);
        for (std::size_t j = f.j0; j <= f.j1; ++j)
            for (std::size_t i = f.i0; i <= f.i1; ++i) celulas_[j * nx_ + i].push_back(indice);
    }

    bool livre(const CaixaDeRotulo& c) const {
        const Faixa f = faixa(c);
        for (std::size_t j = f.j0; j <= f.j1; ++j)
            for (std::size_t i = f.i0; i <= f.i1; ++i)
                for (const std::size_t k : celulas_[j * nx_ + i])
                    if (sobrepoem(c, caixas_[k])) return false;
        return true;
    }

  private:
    struct Faixa {
        std::size_t i0, i1, j0, j1;
    };

    // Cell of a coordinate, clamped into the grid (a NaN goes to the first).
    static std::size_t celula(double t, std::size_t n) {
        if (!(t > 0)) return 0;
        if (t >= static_cast<double>(n - 1)) return n - 1;
        return static_cast<std::size_t>(t);
    }

    Faixa faixa(const CaixaDeRotulo& c) const {
        return {celula((c.x - x0_) / lx_, nx_), celula((c.x + c.largura - x0_) / lx_, nx_),
                celula((c.y - y0_) / ly_, ny_), celula((c.y + c.altura - y0_) / ly_, ny_)};
    }

    double x0_, y0_, lx_, ly_;
    std::size_t nx_, ny_;
    std::vector<CaixaDeRotulo> caixas_;
    std::vector<std::vector<std::size_t>> celulas_;
};

} // namespace

std::vector<std::size_t> escolheRotulos(const std::vector<CaixaDeRotulo>& candidatas, const CaixaDeRotulo& area,
                                        const std::vector<CaixaDeRotulo>& proibidas, std::size_t maximo) {
    std::vector<std::size_t> mantidas;
    if (maximo == 0 || !valida(area)) return mantidas;

    // The typical label sets the cell size: the median of those that could be kept.
    std::vector<double> larguras, alturas;
    for (const CaixaDeRotulo& c : candidatas) {
        if (!valida(c) || !dentro(c, area)) continue;
        larguras.push_back(c.largura);
        alturas.push_back(c.altura);
    }
    if (larguras.empty()) return mantidas;
    Grade grade(area, celulas(area.largura, mediana(larguras)), celulas(area.altura, mediana(alturas)));

    // Forbidden boxes cut to the area (they may be unbounded, e.g. a whole margin).
    for (const CaixaDeRotulo& p : proibidas) {
        CaixaDeRotulo dentroDaArea;
        dentroDaArea.x = std::max(p.x, area.x);
        dentroDaArea.y = std::max(p.y, area.y);
        dentroDaArea.largura = std::min(p.x + p.largura, area.x + area.largura) - dentroDaArea.x;
        dentroDaArea.altura = std::min(p.y + p.altura, area.y + area.altura) - dentroDaArea.y;
        if (valida(dentroDaArea)) grade.poe(dentroDaArea);
    }

    for (std::size_t i = 0; i < candidatas.size() && mantidas.size() < maximo; ++i) {
        const CaixaDeRotulo& c = candidatas[i];
        if (!valida(c) || !dentro(c, area) || !grade.livre(c)) continue;
        grade.poe(c);
        mantidas.push_back(i);
    }
    return mantidas;
}
