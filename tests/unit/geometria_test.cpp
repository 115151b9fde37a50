// Pure rules of the views: rings and labels, angles and gates of points,
// sector ordering and the view chosen for each state.
#include <gtest/gtest.h>

#include <cmath>

#include "geometria.h"

TEST(Aneis, RaiosPorUnidade) {
    EXPECT_EQ(raiosDosAneis(KILOMETROS), (std::vector<int>{400, 800, 1200, 1600, 2000}));
    EXPECT_EQ(raiosDosAneis(MILHAS), (std::vector<int>{644, 1287, 1931}));
}

TEST(Aneis, RotulosSobreOsEixos) {
    const auto km = rotulosDosAneis(KILOMETROS);
    ASSERT_EQ(km.size(), 16u);
    EXPECT_EQ(km[0].texto, ". 100 km");
    EXPECT_FLOAT_EQ(km[0].x, 0.2f);
    EXPECT_FLOAT_EQ(km[0].y, 0.0f);
    EXPECT_EQ(km[8].texto, ". 300 km");
    EXPECT_FLOAT_EQ(km[8].x, 0.6f);
    // ". 200 km" at 150 degrees, ". 400 km" at 300 degrees.
    EXPECT_NEAR(km[5].x, 0.4 * std::cos(150 * M_PI / 180), 1e-6);
    EXPECT_NEAR(km[5].y, 0.4 * std::sin(150 * M_PI / 180), 1e-6);
    EXPECT_EQ(km[15].texto, ". 400 km");
    EXPECT_NEAR(km[15].x, 0.8 * std::cos(300 * M_PI / 180), 1e-6);
    EXPECT_NEAR(km[15].y, 0.8 * std::sin(300 * M_PI / 180), 1e-6);
    for (const auto& r : km) EXPECT_NEAR(std::hypot(r.x, r.y) * 2000, std::stoi(r.texto.substr(2)) * 4, 0.01);

    const auto mi = rotulosDosAneis(MILHAS);
    ASSERT_EQ(mi.size(), 12u);
    EXPECT_EQ(mi[0].texto, ". 100 Milhas");
    EXPECT_EQ(mi[4].texto, ". 200 milhas");
    EXPECT_EQ(mi[8].texto, ". 300 milhas");
    EXPECT_FLOAT_EQ(mi[8].x, 0.9655f);
    EXPECT_NEAR(mi[0].x, 0.322 * std::cos(M_PI / 6), 1e-6);
}

TEST(Pontos, RaioEAnguloPolar) {
    EXPECT_EQ(raioDoPonto(0, 0.5f), 1000);
    EXPECT_EQ(raioDoPonto(0.00025f, 0), 1); // half a gate rounds up
    EXPECT_EQ(anguloPolarDoPonto(0, 0), 0);
    EXPECT_EQ(anguloPolarDoPonto(0, 1), 90);
    EXPECT_EQ(anguloPolarDoPonto(-1, 0), 180);
    // The nearest degree on both sides of east: -10.7 is 349 (the cell drawn there), -10.3 is 350.
    for (const auto& [graus, esperado] : {std::pair{-10.7, 349}, {-10.3, 350}, {-0.4, 0}, {10.7, 11}, {-179.6, 180}}) {
        const float t = static_cast<float>(graus * M_PI / 180);
        EXPECT_EQ(anguloPolarDoPonto(std::cos(t), std::sin(t)), esperado) << graus;
    }
    EXPECT_GE(raioDoPonto(1e30f, 1e30f), 1000000000L);
    EXPECT_EQ(anguloPolarDoAzimute(0), 90);
    EXPECT_EQ(anguloPolarDoAzimute(90), 0);
    EXPECT_EQ(anguloPolarDoAzimute(350), 100);
    EXPECT_EQ(anguloPolarDoAzimute(4294967295L), anguloPolarDoAzimute(4294967295L % 360));
}

TEST(Setores, OrdemDoArcoMaisCurto) {
    Arco a = ordenaArco(350, 10);
    EXPECT_EQ(a.inicio, 350);
    EXPECT_EQ(a.fim, 10);
    EXPECT_EQ(a.abertura, 20);
    a = ordenaArco(10, 350);
    EXPECT_EQ(a.inicio, 350);
    EXPECT_EQ(a.abertura, 20);
    a = ordenaArco(100, 280); // 180 apart: the first stays first
    EXPECT_EQ(a.inicio, 100);
    EXPECT_EQ(a.abertura, 180);
    a = ordenaArco(280, 100);
    EXPECT_EQ(a.inicio, 280);
    EXPECT_EQ(ordenaArco(45, 45).abertura, 0);
}

TEST(Setores, ArrastoNoDiscoInteiro) {
    // -10.3 degrees rounds to polar angle 350.
    const float r350x = 0.5f * std::cos(-10.3 * M_PI / 180), r350y = 0.5f * std::sin(-10.3 * M_PI / 180);
    const float r10x = 0.25f * std::cos(10 * M_PI / 180), r10y = 0.25f * std::sin(10 * M_PI / 180);
    const SetorArrastado s = setorDoArrasto(r350x, r350y, r10x, r10y);
    EXPECT_EQ(s.raioI, 1000u);
    EXPECT_EQ(s.raioF, 500u); // dragged inwards: not sorted
    EXPECT_EQ(s.arco.inicio, 350);
    EXPECT_EQ(s.arco.fim, 10);
    const SetorArrastado t = setorDoArrasto(r10x, r10y, r350x, r350y);
    EXPECT_EQ(t.arco.inicio, 350);
    EXPECT_EQ(t.arco.fim, 10);
}

TEST(Setores, CorteEntreLimites) {
    // Polar 100 and 80 are azimuths 350 and 10: drawn across north, 21 wide.
    unsigned p[2][2] = {{100, 800}, {80, 400}};
    SetorDoCorte c = setorDoCorte(p);
    EXPECT_FALSE(c.vazio);
    EXPECT_EQ(c.s, 350);
    EXPECT_EQ(c.e, 10);
    EXPECT_EQ(c.azimutes(), 21);
    EXPECT_EQ(c.rI, 400u);
    EXPECT_EQ(c.rF, 800u);
    unsigned q[2][2] = {{80, 400}, {100, 800}};
    c = setorDoCorte(q);
    EXPECT_EQ(c.s, 350);
    EXPECT_EQ(c.azimutes(), 21);
    // 180 apart: counter-clockwise from the first limit, as outlined: polar
    // 90 to 270 is the west half (azimuths 180..360), polar 180 to 0 the south.
    unsigned r[2][2] = {{90, 10}, {270, 20}};
    c = setorDoCorte(r);
    EXPECT_EQ(c.s, 180);
    EXPECT_EQ(c.e, 0);
    unsigned sul[2][2] = {{180, 10}, {0, 20}};
    c = setorDoCorte(sul);
    EXPECT_EQ(c.s, 90);
    EXPECT_EQ(c.e, 270);
    EXPECT_EQ(c.azimutes(), 181);
    unsigned v[2][2] = {{45, 10}, {45, 900}};
    EXPECT_TRUE(setorDoCorte(v).vazio);
    // Gates beyond the table are bounded to it.
    unsigned f[2][2] = {{10, 4294967295u}, {20, 5000}};
    c = setorDoCorte(f);
    EXPECT_EQ(c.rI, 1999u);
    EXPECT_EQ(c.rF, 1999u);
}

TEST(Setores, LimiteAoAlcanceDaVarredura) {
    EXPECT_EQ(limitaAoAlcance(2, 4, 1000), 4);
    EXPECT_EQ(limitaAoAlcance(2000, 4, 1000), 1000);
    EXPECT_EQ(limitaAoAlcance(500, 4, 1000), 500);
}

TEST(Vistas, VistaDeCadaEstado) {
    EXPECT_EQ(vistaDoEstado(ESPERA, EXIBE_ZOOM), Vista::BOLACHA);
    EXPECT_EQ(vistaDoEstado(SELECIONA_FATIA, ESPERA), Vista::BOLACHA);
    EXPECT_EQ(vistaDoEstado(SELECIONA_CORTE_DE_ZOOM, ESPERA), Vista::ZOOM);
    EXPECT_EQ(vistaDoEstado(SELECIONA_ZOOM_DE_CORTE, ESPERA), Vista::CORTE);
    EXPECT_EQ(vistaDoEstado(EXIBE_GRAFICO, ESPERA), Vista::RETA);
    EXPECT_EQ(vistaDoEstado(EXIBE_NUMEROS, ESPERA), Vista::DADOS);
    const EstadosPossiveis anteriores[] = {ESPERA, SELECIONA_FATIA, EXIBE_ZOOM, SELECIONA_ZOOM,
                                           SELECIONA_ZOOM_DE_CORTE, EXIBE_FATIA, SELECIONA_GRAFICO,
                                           EXIBE_GRAFICO, SELECIONA_CORTE_DE_ZOOM, SELECIONA_CENTRO,
                                           SELECIONA_NUMEROS, EXIBE_NUMEROS};
    const Vista paraGrafico[] = {Vista::BOLACHA, Vista::BOLACHA, Vista::ZOOM,    Vista::ZOOM,
                                 Vista::NENHUMA, Vista::CORTE,   Vista::CORTE,   Vista::NENHUMA,
                                 Vista::ZOOM,    Vista::NENHUMA, Vista::NENHUMA, Vista::NENHUMA};
    for (int k = 0; k < 12; ++k) {
        EXPECT_EQ(vistaDoEstado(SELECIONA_GRAFICO, anteriores[k]), paraGrafico[k]) << k;
        EXPECT_EQ(vistaDoEstado(SELECIONA_NUMEROS, anteriores[k]), paraGrafico[k]) << k;
        // Re-centring never shows the full disc: it cannot be moved.
        const Vista centro = paraGrafico[k] == Vista::BOLACHA ? Vista::NENHUMA : paraGrafico[k];
        EXPECT_EQ(vistaDoEstado(SELECIONA_CENTRO, anteriores[k]), centro) << k;
    }
}
