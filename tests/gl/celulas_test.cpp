// The full disc in every quality and reading size: where cells land and
// which colour they get.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>

#include "ambiente.h"
#include "cores.h"
#include "estado.h"
#include "janelas.h"

namespace {

const Pixel CINZA{153, 153, 153};

Pixel daPaleta(int k) { return {cores[k].R, cores[k].G, cores[k].B}; }

// View point at azimuth `az` (clockwise from north) and radius r (scan units).
void pontoDoAzimute(double az, double r, double& x, double& y) {
    x = r * std::sin(az * M_PI / 180);
    y = r * std::cos(az * M_PI / 180);
}

struct Direcao {
    double azimute;
    int entrada; // palette entry of the wedge's value
};
// 30 dBZ up, 50 right, 10 down, 60 left.
const Direcao DIRECOES[] = {{0, 17}, {90, 25}, {180, 9}, {270, 29}};

// True when the colour appears within two pixels of the view point
// (points may leave one-pixel gaps between samples).
bool aparecePerto(double xv, double yv, Pixel esperado) {
    renderiza();
    const int cx = static_cast<int>((xv + 1) * 320), cy = static_cast<int>((1 - yv) * 320);
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx)
            if (cores_proximas(pixelLido(cx + dx, cy + dy), esperado)) return true;
    return false;
}

class Disco : public ::testing::TestWithParam<std::tuple<qualidade, int>> {
protected:
    void SetUp() override {
        reiniciaMantendoTamanho();
        qualidadeImagem = std::get<0>(GetParam());
        qualidadeR = std::get<1>(GetParam());
    }
    void TearDown() override { reiniciaMantendoTamanho(); }
};

} // namespace

TEST_P(Disco, AzimutesNosQuatroSentidosComCoresDaPaleta) {
    for (const Direcao& d : DIRECOES) {
        double x, y;
        pontoDoAzimute(d.azimute + 2, 0.3, x, y); // beside the spoke drawn on the axis
        if (qualidadeImagem == PIOR) {
            EXPECT_TRUE(aparecePerto(x, y, daPaleta(d.entrada))) << d.azimute;
        } else {
            const Pixel p = pixelDaVista(x, y);
            EXPECT_TRUE(cores_proximas(p, daPaleta(d.entrada))) << d.azimute << ": " << texto(p);
        }
    }
}

TEST_P(Disco, SemDadosEOFundoCinza) {
    double x, y;
    pontoDoAzimute(45, 0.3, x, y); // between wedges
    EXPECT_TRUE(cores_proximas(pixelDaVista(x, y), CINZA)) << texto(pixelDaVista(x, y));
    pontoDoAzimute(2, 0.1, x, y); // inside the first gate of the wedge
    EXPECT_TRUE(cores_proximas(pixelDaVista(x, y), CINZA));
    pontoDoAzimute(92, 0.45, x, y); // beyond it
    EXPECT_TRUE(cores_proximas(pixelDaVista(x, y), CINZA));
    EXPECT_TRUE(cores_proximas(pixelDaJanela(2, 2), CINZA)); // window corner
}

INSTANTIATE_TEST_SUITE_P(QualidadesELeituras, Disco,
                         ::testing::Combine(::testing::Values(BOA, RUIM, PIOR), ::testing::Values(1, 2, 4)));

TEST(Resize, ProjecaoPeloLadoMaior) {
    double m[16];
    resize(800, 600);
    glGetDoublev(GL_PROJECTION_MATRIX, m);
    EXPECT_NEAR(1 / m[0], 800.0 / 600, 1e-4);
    EXPECT_NEAR(1 / m[5], 1.0, 1e-4);
    resize(600, 800);
    glGetDoublev(GL_PROJECTION_MATRIX, m);
    EXPECT_NEAR(1 / m[0], 1.0, 1e-4);
    EXPECT_NEAR(1 / m[5], 800.0 / 600, 1e-4);
    resize(500, 0);
    EXPECT_EQ(height, 0u);
    glGetDoublev(GL_PROJECTION_MATRIX, m);
    EXPECT_NEAR(1 / m[0], 500.0, 1e-4);
    resize(0, 500);
    glGetDoublev(GL_PROJECTION_MATRIX, m);
    EXPECT_TRUE(std::isfinite(m[5]));
    EXPECT_NEAR(1 / m[5], 500.0, 1e-4);
    GLint modo;
    glGetIntegerv(GL_MATRIX_MODE, &modo);
    EXPECT_EQ(modo, GL_MODELVIEW);
    resize(640, 640);
}
