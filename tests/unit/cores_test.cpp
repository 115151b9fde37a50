// Palette and the dBZ -> colour rule of each colour mode.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "cores.h"

namespace {

const float NAN_F = std::numeric_limits<float>::quiet_NaN();
const float INF_F = std::numeric_limits<float>::infinity();

class Cores : public ::testing::Test {
protected:
    void SetUp() override { inciaCores(); }

    static CorAmostra cor(float v, int modo, UsoDaCor uso = UsoDaCor::MAPA) {
        CorAmostra c{};
        EXPECT_TRUE(corDoValor(v, modo, uso, c)) << "v=" << v << " modo=" << modo;
        return c;
    }
    static void esperaFloats(const CorAmostra& c, double r, double g, double b, double tol,
                             const char* caso) {
        SCOPED_TRACE(caso);
        EXPECT_FALSE(c.emBytes);
        EXPECT_NEAR(c.f[0], r, tol);
        EXPECT_NEAR(c.f[1], g, tol);
        EXPECT_NEAR(c.f[2], b, tol);
    }
    static void esperaEntrada(const CorAmostra& c, int k, const char* caso) {
        SCOPED_TRACE(caso);
        ASSERT_TRUE(c.emBytes);
        EXPECT_EQ(c.b[0], cores[k].R);
        EXPECT_EQ(c.b[1], cores[k].G);
        EXPECT_EQ(c.b[2], cores[k].B);
    }
};

TEST_F(Cores, TabelaPelosExemplos) {
    static_assert(N_CORES == 33, "one entry per 2.5 dBZ class, -12.5 to 67.5");
    // Worked examples: entry k and its colour, shown in COR_MEDIO anywhere in
    // the class around 2.5 k - 12.5 dBZ. Entries 1, 13, 16, 26 and 30 are also
    // the COR_MINIMO legend's cyan, green, yellow, red and magenta.
    const struct {
        int k, r, g, b;
    } exemplos[] = {
        {0, 128, 255, 255}, {1, 0, 255, 255},  {9, 0, 183, 41},  {13, 0, 255, 0},      {16, 255, 255, 0},
        {17, 255, 240, 0},  {26, 255, 0, 0},   {30, 255, 0, 255}, {31, 255, 128, 255}, {32, 255, 255, 255},
    };
    std::fill(cores, cores + N_CORES, colorido{0, 0, 0});
    inciaCores();
    for (const auto& e : exemplos) {
        SCOPED_TRACE(e.k);
        EXPECT_EQ(cores[e.k].R, e.r);
        EXPECT_EQ(cores[e.k].G, e.g);
        EXPECT_EQ(cores[e.k].B, e.b);
        const float centro = 2.5f * e.k - 12.5f;
        for (float v : {std::max(centro - 1.2f, DBZ_MINIMO), centro + 1.2f}) {
            const CorAmostra c = cor(v, COR_MEDIO);
            EXPECT_EQ(std::vector<int>({c.b[0], c.b[1], c.b[2]}), std::vector<int>({e.r, e.g, e.b})) << v;
        }
    }
    // No two classes share a colour.
    for (int j = 0; j < N_CORES; ++j)
        for (int k = j + 1; k < N_CORES; ++k)
            EXPECT_FALSE(cores[j].R == cores[k].R && cores[j].G == cores[k].G && cores[j].B == cores[k].B)
                << j << " " << k;
}

TEST_F(Cores, SemDadoNoMapaCinzaEmTodoModo) {
    for (float v : {-12.51f, -26.0f, -66.6f, -INF_F, NAN_F})
        for (int modo = 0; modo <= 3; ++modo)
            esperaFloats(cor(v, modo), 0.6, 0.6, 0.6, 1e-6, "mapa");
}

TEST_F(Cores, SemDadoNaLinhaCianoOuPreto) {
    for (float v : {-12.51f, -27.0f, NAN_F}) {
        esperaFloats(cor(v, COR_MAXIMO, UsoDaCor::LINHA), 0, 1, 1, 0, "maximo");
        esperaFloats(cor(v, COR_MEDIO, UsoDaCor::LINHA), 0, 1, 1, 0, "medio");
        esperaFloats(cor(v, COR_MINIMO, UsoDaCor::LINHA), 0, 1, 1, 0, "minimo");
        esperaFloats(cor(v, COR_BRILHO, UsoDaCor::LINHA), 0, 0, 0, 0, "brilho");
    }
}

TEST_F(Cores, ModoForaDoIntervaloNaoDefineNada) {
    for (int modo : {-1, 4, 100})
        for (float v : {0.0f, NAN_F}) {
            CorAmostra c{};
            c.emBytes = true;
            c.b[0] = 7;
            c.f[0] = 0.25f;
            EXPECT_FALSE(corDoValor(v, modo, UsoDaCor::MAPA, c)) << modo;
            EXPECT_FALSE(corDoValor(v, modo, UsoDaCor::LINHA, c)) << modo;
            EXPECT_TRUE(c.emBytes);
            EXPECT_EQ(c.b[0], 7);
            EXPECT_EQ(c.f[0], 0.25f);
        }
}

TEST_F(Cores, MedioCentroDeCadaClasse) {
    for (int k = 0; k < N_CORES; ++k) {
        const float v = 2.5f * k - 12.5f;
        EXPECT_EQ(indiceMedio(v), k) << v;
        esperaEntrada(cor(v, COR_MEDIO), k, "centro");
        esperaEntrada(cor(v, COR_MEDIO, UsoDaCor::LINHA), k, "centro linha");
    }
}

TEST_F(Cores, MedioFronteirasEExtremos) {
    const struct { float v; int k; } casos[] = {
        {-12.5f, 0}, {-11.26f, 0}, {-11.25f, 1}, {0.0f, 5}, {1.24f, 5}, {1.25f, 6},
        {66.24f, 31}, {66.25f, 32}, {68.75f, 32}, {70.0f, 32}, {1e6f, 32}, {INF_F, 32},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(indiceMedio(c.v), c.k) << c.v;
        esperaEntrada(cor(c.v, COR_MEDIO), c.k, "fronteira");
    }
}

TEST_F(Cores, MinimoFaixas) {
    const struct { float v; float r, g, b; } casos[] = {
        {-12.5f, 0, 1, 1}, {-0.01f, 0, 1, 1}, {0.0f, 0, 1, 0}, {24.99f, 0, 1, 0},
        {25.0f, 1, 1, 0},  {44.99f, 1, 1, 0}, {45.0f, 1, 0, 0}, {59.99f, 1, 0, 0},
        {60.0f, 1, 0, 1},  {1e6f, 1, 0, 1},
    };
    for (const auto& c : casos)
        esperaFloats(cor(c.v, COR_MINIMO), c.r, c.g, c.b, 0, "minimo");
}

TEST_F(Cores, BrilhoEscalaDeCinza) {
    const struct { float v; double g; } casos[] = {
        {-12.5f, 0}, {7.5f, 20.0 / 65}, {20.0f, 0.5}, {52.5f, 1}, {60.0f, 1}, {INF_F, 1},
    };
    for (const auto& c : casos)
        esperaFloats(cor(c.v, COR_BRILHO), c.g, c.g, c.g, 1e-5, "brilho");
}

TEST_F(Cores, MaximoCentrosSaoEntradasPuras) {
    for (int k = 0; k <= 31; ++k) {
        const float v = 2.5f * k - 12.5f;
        esperaFloats(cor(v, COR_MAXIMO), cores[k].R / 255.0, cores[k].G / 255.0, cores[k].B / 255.0, 1e-5,
                     "centro");
    }
}

TEST_F(Cores, MaximoMisturas) {
    // Expected mixes worked out by hand from the palette.
    const struct { float v; double r, g, b; } casos[] = {
        {-11.5f, 107.52 / 255, 1, 1},        // 0.84 e0 + 0.16 e1
        {-11.0f, 20.48 / 255, 1, 1},         // 0.16 e0 + 0.84 e1
        {19.0f, 0, 253.4 / 255, 1.12 / 255}, // 0.16 e12 + 0.84 e13
        {21.0f, 0.0452, 1, 0.0439},          // 0.84 e13 + 0.16 e14
        {63.75f, 1, 102.4 / 255, 1},         // 0.2 e30 + 0.8 e31
        {64.9f, 1, 125.952 / 255, 1},        // 0.016 e30 + 0.984 e31
        {65.0f, 1, 128.0 / 255, 1},          // entry 31
        {82.5f, 1, 191.5 / 255, 1},          // halfway 31 -> 32
        {100.0f, 1, 1, 1}, {150.0f, 1, 1, 1}, {INF_F, 1, 1, 1},
    };
    for (const auto& c : casos)
        esperaFloats(cor(c.v, COR_MAXIMO), c.r, c.g, c.b, 1e-3, "maximo");
}

TEST_F(Cores, VarreduraFicaDentroDoIntervalo) {
    for (int i = 0; i <= 13250; ++i) {
        const float v = -12.5f + 0.01f * i;
        for (int modo = 0; modo <= 3; ++modo) {
            CorAmostra c{};
            ASSERT_TRUE(corDoValor(v, modo, UsoDaCor::MAPA, c));
            if (modo == COR_MEDIO) {
                ASSERT_TRUE(c.emBytes);
                const int k = indiceMedio(v);
                ASSERT_TRUE(k >= 0 && k < N_CORES) << v;
                continue;
            }
            ASSERT_FALSE(c.emBytes) << v;
            for (float x : c.f) ASSERT_TRUE(x >= 0.0f && x <= 1.0f) << "v=" << v << " modo=" << modo;
        }
    }
}

} // namespace
