// GSHHG maps: the Debian files around Belgium and across 180 degrees, a small
// hand-written file whose points are known, and hostile files.
#include <gtest/gtest.h>

#if __has_include(<hdf5.h>)
#include <hdf5.h>
#else
#include <hdf5/serial/hdf5.h>
#endif
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "leitura/gshhg.h"

namespace {

const std::string PASTA = "/usr/share/gmt-gshhg";

// Great-circle distance in km (haversine).
double km(double lat1, double lon1, double lat2, double lon2) {
    const double r = std::acos(-1.0) / 180.0;
    const double a = std::pow(std::sin((lat2 - lat1) * r / 2), 2) +
                     std::cos(lat1 * r) * std::cos(lat2 * r) * std::pow(std::sin((lon2 - lon1) * r / 2), 2);
    return 2 * 6371.0 * std::asin(std::sqrt(std::min(1.0, a)));
}

// Distance from (lat, lon) to the nearest of the lines of level `nivel` (0: any level),
// their edges sampled every sixteenth.
double maisPerto(const std::vector<LinhaGeo>& linhas, double lat, double lon, int nivel = 0) {
    double d = 1e9;
    for (const LinhaGeo& g : linhas) {
        if (nivel != 0 && g.nivel != nivel) continue;
        for (std::size_t k = 0; k < g.pontos.size(); ++k) {
            const auto& a = g.pontos[k];
            const auto& b = k + 1 < g.pontos.size() ? g.pontos[k + 1] : a;
            for (int t = 0; t <= 16; ++t)
                d = std::min(d, km(lat, lon, a[0] + (b[0] - a[0]) * t / 16, a[1] + (b[1] - a[1]) * t / 16));
        }
    }
    return d;
}

// How many points lie west and east of the meridians 0 and 180 (negative and positive longitudes).
std::pair<int, int> lados(const std::vector<LinhaGeo>& linhas) {
    std::pair<int, int> n{0, 0};
    for (const LinhaGeo& g : linhas)
        for (const auto& p : g.pontos) (p[1] < 0 ? n.first : n.second) += p[1] != 0;
    return n;
}

bool haArquivos() { return access(arquivoGshhg(TipoGshhg::COSTA, 'i').c_str(), R_OK) == 0; }

// A map of two bins of 180 degrees (south-west corners at 0 and 180 E, 90 S): bin 0
// holds segment 0 (4 points, level 2) and segment 1 (1 point, level 1), bin 1 holds
// segment 2 (2 points, level 3, stored first). Offsets -1 and -21846 mean 65535 and 43690.
struct Sintetico {
    bool costa = true; // packed counts and levels, else separate arrays
    std::vector<std::int32_t> primeiroSegmento{0, 2}, segmentos{2, 1}, primeiroPonto{2, 6, 0};
    std::vector<std::int32_t> embutido{(4 << 9) | (2 << 6), (1 << 9) | (1 << 6), (2 << 9) | (3 << 6)};
    std::vector<std::int32_t> pontosDoSegmento{4, 1, 2}, nivel{2, 1, 3};
    std::vector<std::int16_t> dLon{21845, 0, 0, -1, 21845, -21846, 0}, dLat{-21846, 0, 0, -1, 21845, -21846, 0};
};

void vetor(hid_t f, const char* nome, const void* dados, hsize_t n, hid_t tipo) {
    const hid_t e = H5Screate_simple(1, &n, nullptr);
    const hid_t d = H5Dcreate2(f, nome, tipo, e, H5P_DEFAULT, H5P_DEFAULT, H5P_DEFAULT);
    H5Dwrite(d, tipo, H5S_ALL, H5S_ALL, H5P_DEFAULT, dados);
    H5Dclose(d);
    H5Sclose(e);
}
template <class T>
void vetor(hid_t f, const char* nome, const std::vector<T>& v) {
    vetor(f, nome, v.data(), v.size(), sizeof(T) == 2 ? H5T_NATIVE_INT16 : H5T_NATIVE_INT32);
}

void escreve(const std::string& nome, const Sintetico& s) {
    const hid_t f = H5Fcreate(nome.c_str(), H5F_ACC_TRUNC, H5P_DEFAULT, H5P_DEFAULT);
    const std::vector<std::int32_t> minutos{180 * 60}, nx{2}, ny{1};
    vetor(f, "Bin_size_in_minutes", minutos);
    vetor(f, "N_bins_in_360_longitude_range", nx);
    vetor(f, "N_bins_in_180_degree_latitude_range", ny);
    vetor(f, "Id_of_first_segment_in_a_bin", s.primeiroSegmento);
    vetor(f, "N_segments_in_a_bin", s.segmentos);
    vetor(f, "Id_of_first_point_in_a_segment", s.primeiroPonto);
    if (s.costa) {
        vetor(f, "Embedded_npts_levels_exit_entry_for_a_segment", s.embutido);
    } else {
        vetor(f, "N_points_for_a_segment", s.pontosDoSegmento);
        vetor(f, "Hierarchial_level_of_a_segment", s.nivel);
    }
    vetor(f, "Relative_longitude_from_SW_corner_of_bin", s.dLon);
    vetor(f, "Relative_latitude_from_SW_corner_of_bin", s.dLat);
    H5Fclose(f);
}

// Reading must fail with one line that names the file.
void falha(const std::string& nome, const char* caso, std::size_t maximo = 5000000) {
    std::vector<LinhaGeo> linhas(1);
    std::string erro;
    EXPECT_FALSE(leGshhg(nome, -90, 90, -180, 180, linhas, erro, maximo)) << caso;
    EXPECT_TRUE(linhas.empty()) << caso;
    EXPECT_EQ(erro.rfind("nao foi possivel ler o mapa '" + nome + "': ", 0), 0u) << caso << ": " << erro;
    EXPECT_EQ(erro.find('\n'), std::string::npos) << caso;
}

} // namespace

// Belgium's coast and border where they are, nothing inland; boxes across 180 and across 0.
TEST(Gshhg, MapasReais) {
    if (!haArquivos()) GTEST_SKIP() << "gmt-gshhg-low ausente";
    std::vector<LinhaGeo> costa, fronteira;
    std::string erro;
    ASSERT_TRUE(leGshhg(arquivoGshhg(TipoGshhg::COSTA, 'i'), 49, 52.5, 1, 7, costa, erro)) << erro;
    EXPECT_LT(maisPerto(costa, 51.10, 2.55), 2.0); // De Panne
    EXPECT_GT(maisPerto(costa, 50.85, 4.35), 30.0); // Brussels
    ASSERT_TRUE(leGshhg(arquivoGshhg(TipoGshhg::FRONTEIRA, 'i'), 49, 52.5, 1, 7, fronteira, erro)) << erro;
    EXPECT_LT(maisPerto(fronteira, 51.44, 4.93, 1), 10.0); // Baarle
    for (const auto& g : costa)
        for (const auto& p : g.pontos) // the bins 45..55 N, 0..10 E only
            ASSERT_TRUE(p[0] >= 45 && p[0] <= 55 && p[1] >= 0 && p[1] <= 10) << p[0] << " " << p[1];

    std::vector<LinhaGeo> fiji, greenwich;
    ASSERT_TRUE(leGshhg(arquivoGshhg(TipoGshhg::COSTA, 'i'), -19, -15, 177, -178, fiji, erro)) << erro;
    for (const auto& g : fiji)
        for (const auto& p : g.pontos)
            ASSERT_TRUE(p[0] >= -20 && p[0] <= -15 && std::fabs(p[1]) >= 175) << p[0] << " " << p[1];
    EXPECT_GT(lados(fiji).first, 10);
    EXPECT_GT(lados(fiji).second, 10);
    ASSERT_TRUE(leGshhg(arquivoGshhg(TipoGshhg::COSTA, 'i'), 50, 51, -1, 1, greenwich, erro)) << erro;
    EXPECT_GT(lados(greenwich).first, 10);
    EXPECT_GT(lados(greenwich).second, 10);
}

// Known points: unsigned offsets, bins east of 180 moved west, order and levels kept, only the bins asked for.
TEST(Gshhg, ArquivoSintetico) {
    char nome[] = "/tmp/vorlane-gshhgXXXXXX";
    const int fd = mkstemp(nome);
    ASSERT_GE(fd, 0);
    close(fd);
    for (const bool costa : {true, false}) {
        Sintetico s;
        s.costa = costa;
        escreve(nome, s);
        std::vector<LinhaGeo> linhas;
        std::string erro;
        ASSERT_TRUE(leGshhg(nome, -90, 90, -180, 180, linhas, erro)) << erro;
        ASSERT_EQ(linhas.size(), 3u);
        const std::vector<std::vector<std::array<double, 2>>> esperados{
            {{-90, 0}, {90, 180}, {-30, 60}, {30, 120}}, {{-90, 0}}, {{30, -120}, {-90, -180}}};
        for (std::size_t g = 0; g < 3; ++g) {
            EXPECT_EQ(linhas[g].nivel, s.nivel[g]);
            ASSERT_EQ(linhas[g].pontos.size(), esperados[g].size());
            for (std::size_t k = 0; k < esperados[g].size(); ++k)
                for (int c = 0; c < 2; ++c) EXPECT_NEAR(linhas[g].pontos[k][c], esperados[g][k][c], 1e-9) << g << k;
        }
        ASSERT_TRUE(leGshhg(nome, 0, 10, 10, 20, linhas, erro)) << erro;
        ASSERT_EQ(linhas.size(), 2u);
        EXPECT_EQ(linhas[0].nivel, 2);
        ASSERT_TRUE(leGshhg(nome, 0, 10, -170, -160, linhas, erro)) << erro;
        ASSERT_EQ(linhas.size(), 1u);
        EXPECT_EQ(linhas[0].nivel, 3);
        ASSERT_TRUE(leGshhg(nome, 0, 10, 10, 5, linhas, erro)) << erro; // 355 degrees eastwards: each bin once
        EXPECT_EQ(linhas.size(), 3u);
    }
    std::remove(nome);
}

// Missing, empty, truncated and inconsistent files: false with one line, never a crash.
TEST(Gshhg, ArquivosHostis) {
    char nome[] = "/tmp/vorlane-gshhgXXXXXX";
    const int fd = mkstemp(nome);
    ASSERT_GE(fd, 0);
    close(fd);
    falha("/tmp/vorlane_gshhg_nao_existe.nc", "ausente");
    falha(nome, "vazio");
    if (haArquivos()) {
        std::ifstream real(arquivoGshhg(TipoGshhg::COSTA, 'i'), std::ios::binary);
        std::vector<char> bytes(10240);
        real.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        std::ofstream(nome, std::ios::binary).write(bytes.data(), real.gcount());
        falha(nome, "truncado");
    }
    using Muda = void (*)(Sintetico&);
    const std::pair<const char*, Muda> casos[] = {
        {"segmento alem dos vetores", [](Sintetico& s) { s.primeiroSegmento[1] = 3; }},
        {"segmento muito alem", [](Sintetico& s) { s.primeiroSegmento[1] = 2147483647; }},
        {"celulas demais", [](Sintetico& s) { s.segmentos[1] = 32767; }},
        {"contagem de celula negativa", [](Sintetico& s) { s.segmentos[0] = -1; }},
        {"ponto alem dos vetores", [](Sintetico& s) { s.primeiroPonto[2] = 6; }},
        {"ponto negativo", [](Sintetico& s) { s.primeiroPonto[0] = -3; }},
        {"pontos demais", [](Sintetico& s) { s.embutido[0] = 0x3fffff << 9; }},
        {"contagem embutida negativa", [](Sintetico& s) { s.embutido[1] = -512; }},
        {"contagem negativa",
         [](Sintetico& s) {
             s.costa = false;
             s.pontosDoSegmento[1] = -2;
         }},
        {"latitudes a menos", [](Sintetico& s) { s.dLat.pop_back(); }},
        {"celulas a menos", [](Sintetico& s) { s.primeiroSegmento.pop_back(); }},
        {"niveis a menos",
         [](Sintetico& s) {
             s.costa = false;
             s.nivel.pop_back();
         }},
    };
    for (const auto& [caso, muda] : casos) {
        Sintetico s;
        muda(s);
        escreve(nome, s);
        falha(nome, caso);
    }
    Sintetico sobrepostos; // segment 1 repeats the 4 points of segment 0
    sobrepostos.primeiroPonto[1] = 2;
    sobrepostos.embutido[1] = 4 << 9;
    escreve(nome, sobrepostos);
    falha(nome, "trabalho limitado", 14); // 2 bins + 3 segments + 10 points given
    std::remove(nome);
}
