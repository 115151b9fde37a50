// gerador --cfradial: writes a synthetic CfRadial 1.x volume with libnetcdf
// (netCDF-4, or classic 64-bit offset), holding the synthetic scene or single
// echoes put at known azimuths and ranges, in every field asked for.

#include "gerador_cfradial.h"
#include "gerador_numero.h"

#include <netcdf.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Eco {
    double azimute, km, valor;
};

struct OpcoesCfRadial {
    std::string arquivo, campo, posicao;
    std::string inicio = "2023-08-01T20:00:00Z", instrumento = "Sintetico";
    int elevacoes = 1;
    long raios = 360, nbins = 0;
    double gate = 250;
    bool classico = false, rhi = false, compactado = false;
    std::vector<Eco> ecos;
};

struct Campo {
    const char* nome;
    const char* unidade;
    const char* padrao; // standard_name
};

const Campo CAMPOS[] = {
    {"DBZ", "dBZ", "equivalent_reflectivity_factor"},
    {"VEL", "m/s", "radial_velocity_of_scatterers_away_from_instrument"},
    {"WIDTH", "m/s", "doppler_spectrum_width"},
    {"ZDR", "dB", "log_differential_reflectivity_hv"},
    {"RHOHV", "unitless", "cross_correlation_ratio_hv"},
    {"PHIDP", "degrees", "differential_phase_hv"},
    {"KDP", "degrees/km", "specific_differential_phase_hv"},
};

constexpr float PREENCHIMENTO = -9999.0f;    // _FillValue of float fields
constexpr short PREENCHIMENTO_CURTO = -32768; // of packed ones
constexpr double ESCALA = 0.01, DESLOCAMENTO = 5; // packing: value = 5 + 0.01 x raw

void ajuda(FILE* f) {
    std::fputs(
        "Uso: gerador --cfradial ARQUIVO [opcoes] (e --semente, --cheia da cena)\n"
        "Grava um volume CfRadial 1.x sintetico: a cena como DBZ, ou so os ecos de --eco.\n"
        "  --eco AZ,KM,VALOR    eco no azimute AZ (graus) e alcance KM: VALOR dBZ em DBZ, e\n"
        "                       o mesmo VALOR em VEL (m/s), WIDTH, ZDR, RHOHV, PHIDP e KDP; repetivel\n"
        "  --elevacoes N        varreduras PPI (padrao 1) a 0.5, 1.5... graus, gravadas da mais\n"
        "                       alta a mais baixa; os ecos sobem 10 a cada elevacao\n"
        "  --raios N            raios por varredura (padrao 360; 720 para meio grau)\n"
        "  --gate M             metros entre celulas (padrao 250; celulas ate 500 km)\n"
        "  --campo NOME         grava so esse campo (arquivos por grandeza)\n"
        "  --rhi                varreduras RHI (sweep_mode \"rhi\")\n"
        "  --compactado         campos short com scale_factor 0.01, add_offset 5 e _FillValue\n"
        "                       (padrao: float com _FillValue -9999)\n"
        "  --classico           netCDF classico (CDF2) em vez de netCDF-4\n"
        "  --posicao LAT,LON,H  latitude, longitude e altitude do radar\n"
        "  --inicio T           time_coverage_start (padrao 2023-08-01T20:00:00Z)\n"
        "  --instrumento NOME   instrument_name (padrao Sintetico)\n",
        f);
}

// The first libnetcdf failure of a run, reported once at the end.
int falha = NC_NOERR;
void confere(int r) {
    if (falha == NC_NOERR) falha = r;
}

void texto(int id, int var, const char* nome, const std::string& valor) {
    confere(nc_put_att_text(id, var, nome, valor.size(), valor.c_str()));
}

int defineVariavel(int id, const char* nome, nc_type tipo, std::vector<int> dims, const char* unidade) {
    int var = -1;
    confere(nc_def_var(id, nome, tipo, static_cast<int>(dims.size()), dims.data(), &var));
    if (unidade) texto(id, var, "units", unidade);
    return var;
}

bool contemAzimute(double inicio, double largura, double az) {
    const double d = std::fmod(std::fmod(az - inicio, 360.0) + 360.0, 360.0);
    return d < largura;
}

// Physical values of one sweep, rays x bins (NaN: no echo): the echoes
// raised by 10 a step, or the scene sampled at each bin's centre.
std::vector<double> valoresDaVarredura(const OpcoesCfRadial& op, const std::vector<double>& cena, int degrau) {
    std::vector<double> v(static_cast<std::size_t>(op.raios * op.nbins), NAN);
    const double largura = 360.0 / op.raios;
    for (long k = 0; k < op.raios; ++k)
        for (long b = 0; b < op.nbins; ++b) {
            double& x = v[static_cast<std::size_t>(k * op.nbins + b)];
            const double de = b * op.gate / 1000, ate = de + op.gate / 1000;
            if (!op.ecos.empty()) {
                for (const Eco& e : op.ecos)
                    if (contemAzimute(k * largura, largura, e.azimute) && e.km >= de && e.km < ate)
                        x = e.valor + 10.0 * degrau;
                continue;
            }
            const double porta = std::floor((de + ate) / 2 / 0.25), linha = std::floor((k + 0.5) * largura);
            if (porta < 2000 && linha < 360) {
                const double c = cena[static_cast<std::size_t>(linha) * 2000 + static_cast<std::size_t>(porta)];
                if (c > -999) x = c;
            }
        }
    return v;
}

// Header: dimensions, coordinates, sweeps, position, fields; returns the fields' variables.
std::vector<int> define(int id, const OpcoesCfRadial& op, const std::vector<const Campo*>& campos) {
    const std::size_t nTempo = static_cast<std::size_t>(op.raios) * static_cast<std::size_t>(op.elevacoes);
    int tempo = -1, alcance = -1, varredura = -1, texto32 = -1;
    confere(nc_def_dim(id, "time", nTempo, &tempo));
    confere(nc_def_dim(id, "range", static_cast<std::size_t>(op.nbins), &alcance));
    confere(nc_def_dim(id, "sweep", static_cast<std::size_t>(op.elevacoes), &varredura));
    confere(nc_def_dim(id, "string_length", 32, &texto32));
    texto(id, NC_GLOBAL, "Conventions", "CF/Radial instrument_parameters");
    texto(id, NC_GLOBAL, "version", "1.3");
    texto(id, NC_GLOBAL, "title", "VORLANE: volume sintetico");
    texto(id, NC_GLOBAL, "instrument_name", op.instrumento);
    texto(id, NC_GLOBAL, "scan_type", op.rhi ? "rhi" : "ppi");
    std::string nomes;
    for (const Campo* c : campos) nomes += (nomes.empty() ? "" : ",") + std::string(c->nome);
    texto(id, NC_GLOBAL, "field_names", nomes);

    texto(id, defineVariavel(id, "time", NC_DOUBLE, {tempo}, nullptr), "units", "seconds since " + op.inicio);
    const int r = defineVariavel(id, "range", NC_FLOAT, {alcance}, "meters");
    const float centro = static_cast<float>(op.gate / 2), entre = static_cast<float>(op.gate);
    confere(nc_put_att_float(id, r, "meters_to_center_of_first_gate", NC_FLOAT, 1, &centro));
    confere(nc_put_att_float(id, r, "meters_between_gates", NC_FLOAT, 1, &entre));
    defineVariavel(id, "azimuth", NC_FLOAT, {tempo}, "degrees");
    defineVariavel(id, "elevation", NC_FLOAT, {tempo}, "degrees");
    defineVariavel(id, "fixed_angle", NC_FLOAT, {varredura}, "degrees");
    defineVariavel(id, "sweep_number", NC_INT, {varredura}, nullptr);
    defineVariavel(id, "sweep_start_ray_index", NC_INT, {varredura}, nullptr);
    defineVariavel(id, "sweep_end_ray_index", NC_INT, {varredura}, nullptr);
    defineVariavel(id, "sweep_mode", NC_CHAR, {varredura, texto32}, nullptr);
    defineVariavel(id, "time_coverage_start", NC_CHAR, {texto32}, nullptr);
    defineVariavel(id, "nyquist_velocity", NC_FLOAT, {tempo}, "meters_per_second");
    if (!op.posicao.empty()) {
        defineVariavel(id, "latitude", NC_DOUBLE, {}, "degrees_north");
        defineVariavel(id, "longitude", NC_DOUBLE, {}, "degrees_east");
        defineVariavel(id, "altitude", NC_DOUBLE, {}, "meters");
    }
    std::vector<int> vars;
    for (const Campo* c : campos) {
        const int v = defineVariavel(id, c->nome, op.compactado ? NC_SHORT : NC_FLOAT, {tempo, alcance}, c->unidade);
        texto(id, v, "standard_name", c->padrao);
        if (!op.classico) confere(nc_def_var_deflate(id, v, 1, 1, 2));
        if (op.compactado) {
            const float escala = static_cast<float>(ESCALA), deslocamento = static_cast<float>(DESLOCAMENTO);
            confere(nc_put_att_short(id, v, "_FillValue", NC_SHORT, 1, &PREENCHIMENTO_CURTO));
            confere(nc_put_att_float(id, v, "scale_factor", NC_FLOAT, 1, &escala));
            confere(nc_put_att_float(id, v, "add_offset", NC_FLOAT, 1, &deslocamento));
        } else {
            confere(nc_put_att_float(id, v, "_FillValue", NC_FLOAT, 1, &PREENCHIMENTO));
        }
        vars.push_back(v);
    }
    confere(nc_enddef(id));
    return vars;
}

int varDe(int id, const char* nome) {
    int v = -1;
    confere(nc_inq_varid(id, nome, &v));
    return v;
}

// Coordinates and sweeps; sweep i of the file is the (elevacoes-1-i)th from the lowest.
void escreveGeometria(int id, const OpcoesCfRadial& op) {
    const std::size_t nTempo = static_cast<std::size_t>(op.raios) * static_cast<std::size_t>(op.elevacoes);
    std::vector<double> tempo(nTempo), alcance(static_cast<std::size_t>(op.nbins));
    std::vector<float> az(nTempo), el(nTempo), nyquist(nTempo, 32.0f);
    for (std::size_t t = 0; t < nTempo; ++t) {
        const long k = static_cast<long>(t) % op.raios;
        const int degrau = op.elevacoes - 1 - static_cast<int>(t / static_cast<std::size_t>(op.raios));
        tempo[t] = 0.05 * static_cast<double>(t);
        az[t] = op.rhi ? static_cast<float>(45 + degrau) : static_cast<float>((k + 0.5) * 360.0 / op.raios);
        el[t] = op.rhi ? static_cast<float>(90.0 * k / op.raios) : static_cast<float>(0.5 + degrau);
    }
    for (long b = 0; b < op.nbins; ++b) alcance[static_cast<std::size_t>(b)] = (b + 0.5) * op.gate;
    confere(nc_put_var_double(id, varDe(id, "time"), tempo.data()));
    confere(nc_put_var_double(id, varDe(id, "range"), alcance.data()));
    confere(nc_put_var_float(id, varDe(id, "azimuth"), az.data()));
    confere(nc_put_var_float(id, varDe(id, "elevation"), el.data()));
    confere(nc_put_var_float(id, varDe(id, "nyquist_velocity"), nyquist.data()));
    std::vector<float> fixo;
    std::vector<int> numero, inicio, fim;
    std::vector<char> modos(static_cast<std::size_t>(op.elevacoes) * 32, '\0');
    for (int i = 0; i < op.elevacoes; ++i) {
        const int degrau = op.elevacoes - 1 - i;
        fixo.push_back(static_cast<float>(op.rhi ? 45 + degrau : 0.5 + degrau));
        numero.push_back(i);
        inicio.push_back(static_cast<int>(i * op.raios));
        fim.push_back(static_cast<int>((i + 1) * op.raios - 1));
        std::strcpy(&modos[static_cast<std::size_t>(i) * 32], op.rhi ? "rhi" : "azimuth_surveillance");
    }
    confere(nc_put_var_float(id, varDe(id, "fixed_angle"), fixo.data()));
    confere(nc_put_var_int(id, varDe(id, "sweep_number"), numero.data()));
    confere(nc_put_var_int(id, varDe(id, "sweep_start_ray_index"), inicio.data()));
    confere(nc_put_var_int(id, varDe(id, "sweep_end_ray_index"), fim.data()));
    confere(nc_put_var_text(id, varDe(id, "sweep_mode"), modos.data()));
    std::string t = op.inicio.substr(0, 31);
    t.resize(32, '\0');
    confere(nc_put_var_text(id, varDe(id, "time_coverage_start"), t.data()));
    double lat = 0, lon = 0, altura = 0;
    if (!op.posicao.empty() && std::sscanf(op.posicao.c_str(), "%lf,%lf,%lf", &lat, &lon, &altura) >= 2) {
        confere(nc_put_var_double(id, varDe(id, "latitude"), &lat));
        confere(nc_put_var_double(id, varDe(id, "longitude"), &lon));
        confere(nc_put_var_double(id, varDe(id, "altitude"), &altura));
    }
}

int grava(const OpcoesCfRadial& op, const std::vector<const Campo*>& campos, const std::vector<double>& cena) {
    int id = -1;
    const int r = nc_create(op.arquivo.c_str(), NC_CLOBBER | (op.classico ? NC_64BIT_OFFSET : NC_NETCDF4), &id);
    if (r != NC_NOERR) {
        std::fprintf(stderr, "gerador: nao foi possivel criar '%s': %s\n", op.arquivo.c_str(), nc_strerror(r));
        return 1;
    }
    const std::vector<int> vars = define(id, op, campos);
    escreveGeometria(id, op);
    const std::size_t n = static_cast<std::size_t>(op.raios * op.nbins);
    std::vector<float> reais(n);
    std::vector<short> curtos(n);
    for (int i = 0; i < op.elevacoes; ++i) {
        const std::vector<double> v = valoresDaVarredura(op, cena, op.elevacoes - 1 - i);
        for (std::size_t k = 0; k < n; ++k) {
            const double bruto = std::floor((v[k] - DESLOCAMENTO) / ESCALA + 0.5);
            reais[k] = std::isnan(v[k]) ? PREENCHIMENTO : static_cast<float>(v[k]);
            curtos[k] = std::isnan(v[k]) ? PREENCHIMENTO_CURTO
                                         : static_cast<short>(bruto < -32767 ? -32767 : bruto > 32767 ? 32767 : bruto);
        }
        const std::size_t inicio[2] = {static_cast<std::size_t>(i * op.raios), 0};
        const std::size_t conta[2] = {static_cast<std::size_t>(op.raios), static_cast<std::size_t>(op.nbins)};
        for (int var : vars)
            confere(op.compactado ? nc_put_vara_short(id, var, inicio, conta, curtos.data())
                                  : nc_put_vara_float(id, var, inicio, conta, reais.data()));
    }
    confere(nc_close(id));
    if (falha != NC_NOERR) {
        std::fprintf(stderr, "gerador: nao foi possivel gravar '%s': %s\n", op.arquivo.c_str(), nc_strerror(falha));
        return 1;
    }
    return 0;
}


} // namespace

int principalCfRadial(int argc, char** argv, const std::function<std::vector<double>()>& cena) {
    OpcoesCfRadial op;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const char* prox = i + 1 < argc ? argv[i + 1] : nullptr;
        auto valor = [&](double minimo, double maximo) {
            double v = 0;
            if (!numero(prox, v) || v < minimo || v > maximo) {
                std::fprintf(stderr, "gerador: %s precisa de um numero de %g a %g\n", a.c_str(), minimo, maximo);
                std::exit(2);
            }
            ++i;
            return v;
        };
        auto textoDe = [&](std::string& destino) {
            if (!prox) {
                std::fprintf(stderr, "gerador: %s precisa de um valor\n", a.c_str());
                std::exit(2);
            }
            destino = prox;
            ++i;
        };
        if (a == "--cfradial") textoDe(op.arquivo);
        else if (a == "--help") return ajuda(stdout), 0;
        else if (a == "--elevacoes") op.elevacoes = static_cast<int>(valor(1, 100));
        else if (a == "--raios") op.raios = static_cast<long>(valor(1, 100000));
        else if (a == "--gate") op.gate = valor(5, 100000);
        else if (a == "--campo") textoDe(op.campo);
        else if (a == "--rhi") op.rhi = true;
        else if (a == "--compactado") op.compactado = true;
        else if (a == "--classico") op.classico = true;
        else if (a == "--posicao") textoDe(op.posicao);
        else if (a == "--inicio") textoDe(op.inicio);
        else if (a == "--instrumento") textoDe(op.instrumento);
        else if (a == "--eco") {
            Eco e{};
            if (!prox || std::sscanf(prox, "%lf,%lf,%lf", &e.azimute, &e.km, &e.valor) != 3) {
                std::fprintf(stderr, "gerador: --eco precisa de AZ,KM,VALOR\n");
                return 2;
            }
            op.ecos.push_back(e);
            ++i;
        } else if (a == "--semente" || a == "--cheia") {
            i += a == "--semente"; // the scene's options, read by the caller
        } else {
            std::fprintf(stderr, "gerador: opcao desconhecida: %s\n", a.c_str());
            ajuda(stderr);
            return 2;
        }
    }
    if (op.arquivo.empty()) {
        std::fprintf(stderr, "gerador: --cfradial precisa de um arquivo\n");
        return 2;
    }
    op.nbins = static_cast<long>(std::ceil(500000 / op.gate));
    if (static_cast<double>(op.raios) * op.nbins * op.elevacoes > 2e8) {
        std::fprintf(stderr, "gerador: volume grande demais (raios x celulas x elevacoes > 2e8)\n");
        return 2;
    }
    // The scene is reflectivity alone; echoes fill every field.
    std::vector<const Campo*> campos;
    for (const Campo& c : CAMPOS)
        if ((!op.ecos.empty() || c.nome == std::string("DBZ")) && (op.campo.empty() || op.campo == c.nome))
            campos.push_back(&c);
    if (campos.empty()) {
        std::fprintf(stderr, "gerador: nao ha campo '%s'%s\n", op.campo.c_str(), op.ecos.empty() ? " na cena (so DBZ)" : "");
        return 2;
    }
    return grava(op, campos, op.ecos.empty() ? cena() : std::vector<double>());
}
