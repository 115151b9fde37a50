// gerador --odim: writes a synthetic ODIM_H5 polar volume (HDF5) with the
// geometry, conversion and attribute forms asked for, holding the synthetic
// scene or single echoes put at known azimuths and ranges.

#include "gerador_odim.h"
#include "gerador_numero.h"

#include <hdf5.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Eco {
    double azimute, km, dbz;
};

struct OpcoesOdim {
    std::string arquivo;
    std::string objeto = "PVOL";
    std::string versao = "H5rad 2.2"; // empty: no version attribute
    std::string quantidade = "DBZH";
    std::string origem = "WMO:00000,NOD:xxsin,PLC:Sintetico";
    std::string data = "20240102", hora = "030400"; // /what/date and /what/time
    std::string posicao;                             // "lat,lon[,height]" for /where; empty: none
    int elevacoes = 1;
    long nrays = 360, nbins = 0; // 0: as many bins as 500 km need
    double rscale = 250, rstart = 0, astart = 0;
    double ganho = 0.5, deslocamento = -32, nodata = 255, undetect = 0;
    bool startaz = false, vetores = false, textosVariaveis = false, u16 = false;
    bool cortado = false, naoOdim = false, outraQuantidade = false, maisMomentos = false;
    std::vector<Eco> ecos;
};

void ajuda(FILE* f) {
    std::fputs(
        "Uso: gerador --odim ARQUIVO [opcoes] (e --semente, --cheia da cena)\n"
        "Grava um volume polar ODIM_H5 sintetico: a cena, ou so os ecos de --eco.\n"
        "  --objeto X           /what/object (PVOL, SCAN, COMP...; padrao PVOL)\n"
        "  --elevacoes N        varreduras (padrao 1) a 0.5, 1.5... graus, gravadas da mais\n"
        "                       alta a mais baixa; os ecos sobem 10 dBZ a cada elevacao\n"
        "  --nrays N            raios por varredura (padrao 360)\n"
        "  --nbins N            celulas por raio (padrao: as que cobrem 500 km)\n"
        "  --rscale M           metros por celula (padrao 250)\n"
        "  --rstart X           inicio da primeira celula, na unidade da versao (padrao 0)\n"
        "  --versao V           /what/version (padrao 'H5rad 2.2'; 'nenhuma' omite)\n"
        "  --ganho G --deslocamento O --nodata V --undetect V   conversao (0.5, -32, 255, 0)\n"
        "  --astart A           how/astart (padrao 0; omitido quando 0)\n"
        "  --startaz            how/startazA e stopazA por raio\n"
        "  --vetores            atributos como vetores de um elemento\n"
        "  --textos-variaveis   textos de tamanho variavel\n"
        "  --u16                valores brutos de 16 bits\n"
        "  --quantidade Q       grandeza (padrao DBZH); --outra-quantidade poe VRADH antes\n"
        "  --mais-momentos      mais cinco grandezas depois (VRADH, WRADH, ZDR, RHOHV, KDP),\n"
        "                       com os mesmos valores brutos (volumes do tamanho dos reais)\n"
        "  --eco AZ,KM,DBZ      um eco no azimute AZ (graus) e alcance KM; repetivel\n"
        "  --origem S           /what/source\n"
        "  --data AAAAMMDD --hora HHMMSS   /what/date e /what/time (20240102, 030400)\n"
        "  --posicao LAT,LON[,H]  /where/lat, lon e height do radar\n"
        "  --cortado            corta o arquivo gravado pela metade\n"
        "  --nao-odim           HDF5 sem /what\n",
        f);
}

// ------------------------------------------------------------------ attributes

hid_t espacoDeUm(const OpcoesOdim& op) {
    if (!op.vetores) return H5Screate(H5S_SCALAR);
    const hsize_t um = 1;
    return H5Screate_simple(1, &um, nullptr);
}

void atributoNumero(hid_t obj, const char* nome, double valor, const OpcoesOdim& op, bool inteiro = false) {
    const hid_t espaco = espacoDeUm(op);
    const hid_t a = H5Acreate2(obj, nome, inteiro ? H5T_STD_I64LE : H5T_IEEE_F64LE, espaco, H5P_DEFAULT, H5P_DEFAULT);
    if (inteiro) {
        const long long v = static_cast<long long>(valor);
        H5Awrite(a, H5T_NATIVE_LLONG, &v);
    } else {
        H5Awrite(a, H5T_NATIVE_DOUBLE, &valor);
    }
    H5Aclose(a);
    H5Sclose(espaco);
}

void atributoNumeros(hid_t obj, const char* nome, const std::vector<double>& valores) {
    const hsize_t n = valores.size();
    const hid_t espaco = H5Screate_simple(1, &n, nullptr);
    const hid_t a = H5Acreate2(obj, nome, H5T_IEEE_F64LE, espaco, H5P_DEFAULT, H5P_DEFAULT);
    H5Awrite(a, H5T_NATIVE_DOUBLE, valores.data());
    H5Aclose(a);
    H5Sclose(espaco);
}

void atributoTexto(hid_t obj, const char* nome, const std::string& texto, const OpcoesOdim& op) {
    const hid_t tipo = H5Tcopy(H5T_C_S1);
    const hid_t espaco = espacoDeUm(op);
    if (op.textosVariaveis) {
        H5Tset_size(tipo, H5T_VARIABLE);
        const hid_t a = H5Acreate2(obj, nome, tipo, espaco, H5P_DEFAULT, H5P_DEFAULT);
        const char* p = texto.c_str();
        H5Awrite(a, tipo, &p);
        H5Aclose(a);
    } else {
        H5Tset_size(tipo, texto.size() + 1);
        H5Tset_strpad(tipo, H5T_STR_NULLTERM);
        const hid_t a = H5Acreate2(obj, nome, tipo, espaco, H5P_DEFAULT, H5P_DEFAULT);
        H5Awrite(a, tipo, texto.c_str());
        H5Aclose(a);
    }
    H5Sclose(espaco);
    H5Tclose(tipo);
}

hid_t grupo(hid_t pai, const std::string& nome) { return H5Gcreate2(pai, nome.c_str(), H5P_DEFAULT, H5P_DEFAULT, H5P_DEFAULT); }

// ---------------------------------------------------------------------- sweeps

// Span of ray k as the file states it, degrees.
double inicioDoRaio(const OpcoesOdim& op, long k) { return op.astart + 360.0 * k / op.nrays; }

bool contemAzimute(double inicio, double largura, double az) {
    const double d = std::fmod(std::fmod(az - inicio, 360.0) + 360.0, 360.0);
    return d < largura;
}

// Raw value of a physical one (rounded, held in the type's range).
double bruto(const OpcoesOdim& op, double fisico) {
    const double r = std::floor((fisico - op.deslocamento) / op.ganho + 0.5);
    const double maximo = op.u16 ? 65535 : 255;
    return r < 0 ? 0 : r > maximo ? maximo : r;
}

// nrays x nbins raw values: the echoes alone, or the scene sampled at each
// bin's centre.
std::vector<double> brutos(const OpcoesOdim& op, const std::vector<double>& cena, double fatorRstart, int degrau) {
    std::vector<double> v(static_cast<size_t>(op.nrays * op.nbins), op.undetect);
    const double largura = 360.0 / op.nrays;
    const double inicioM = op.rstart * fatorRstart;
    for (long k = 0; k < op.nrays; ++k) {
        const double inicio = inicioDoRaio(op, k);
        for (long b = 0; b < op.nbins; ++b) {
            double& x = v[static_cast<size_t>(k * op.nbins + b)];
            const double de = (inicioM + b * op.rscale) / 1000, ate = de + op.rscale / 1000;
            if (!op.ecos.empty()) {
                for (const Eco& e : op.ecos)
                    if (contemAzimute(inicio, largura, e.azimute) && e.km >= de && e.km < ate)
                        x = bruto(op, e.dbz + 10.0 * degrau);
                continue;
            }
            // The scene's row and gate at the bin's centre (any astart, rstart).
            const double porta = std::floor((de + ate) / 2 / 0.25);
            if (!(porta >= 0 && porta < 2000)) continue;
            double linha = std::fmod(std::floor(inicio + largura / 2 + 0.5), 360.0);
            if (linha < 0) linha += 360;
            const double val = cena[static_cast<size_t>(linha) % 360 * 2000 + static_cast<size_t>(porta)];
            if (val > -999) x = bruto(op, val);
        }
    }
    return v;
}

// /datasetN/dataM: its quantity, the options' conversion when asked for,
// and the raw values, nrays x nbins of `tipo`.
void escreveDado(hid_t conjunto, int m, const std::string& quantidade, bool comConversao, hid_t tipo,
                 const std::vector<double>& valores, const OpcoesOdim& op) {
    const hid_t dado = grupo(conjunto, "data" + std::to_string(m));
    const hid_t oQueDoDado = grupo(dado, "what");
    atributoTexto(oQueDoDado, "quantity", quantidade, op);
    if (comConversao) {
        atributoNumero(oQueDoDado, "gain", op.ganho, op);
        atributoNumero(oQueDoDado, "offset", op.deslocamento, op);
        atributoNumero(oQueDoDado, "nodata", op.nodata, op);
        atributoNumero(oQueDoDado, "undetect", op.undetect, op);
    }
    H5Gclose(oQueDoDado);
    const hsize_t dims[2] = {static_cast<hsize_t>(op.nrays), static_cast<hsize_t>(op.nbins)};
    const hid_t espaco = H5Screate_simple(2, dims, nullptr);
    const hid_t d = H5Dcreate2(dado, "data", tipo, espaco, H5P_DEFAULT, H5P_DEFAULT, H5P_DEFAULT);
    H5Dwrite(d, H5T_NATIVE_DOUBLE, H5S_ALL, H5S_ALL, H5P_DEFAULT, valores.data());
    H5Dclose(d);
    H5Sclose(espaco);
    H5Gclose(dado);
}

// Sweep n of the file; `degrau` is its rank from the lowest (0), which
// raises its echoes by 10 dBZ a step so a test can tell the sweeps apart.
void escreveVarredura(hid_t arquivo, int n, int degrau, const OpcoesOdim& op, const std::vector<double>& cena,
                      double fatorRstart) {
    const double elevacao = 0.5 + degrau;
    const hid_t conjunto = grupo(arquivo, "dataset" + std::to_string(n));
    const hid_t onde = grupo(conjunto, "where");
    atributoNumero(onde, "elangle", elevacao, op);
    atributoNumero(onde, "nbins", static_cast<double>(op.nbins), op, true);
    atributoNumero(onde, "nrays", static_cast<double>(op.nrays), op, true);
    atributoNumero(onde, "rscale", op.rscale, op);
    atributoNumero(onde, "rstart", op.rstart, op);
    atributoNumero(onde, "a1gate", 0, op, true);
    H5Gclose(onde);
    const hid_t oQue = grupo(conjunto, "what");
    atributoTexto(oQue, "product", "SCAN", op);
    atributoTexto(oQue, "startdate", "20240102", op);
    atributoTexto(oQue, "starttime", "030405", op);
    H5Gclose(oQue);
    if (op.startaz || op.astart != 0) {
        const hid_t como = grupo(conjunto, "how");
        if (op.startaz) {
            std::vector<double> inicios, fins;
            for (long k = 0; k < op.nrays; ++k) {
                inicios.push_back(std::fmod(inicioDoRaio(op, k) + 360, 360));
                fins.push_back(std::fmod(inicioDoRaio(op, k + 1) + 360, 360));
            }
            atributoNumeros(como, "startazA", inicios);
            atributoNumeros(como, "stopazA", fins);
        } else {
            atributoNumero(como, "astart", op.astart, op);
        }
        H5Gclose(como);
    }
    int m = 1;
    const std::vector<double> v = brutos(op, cena, fatorRstart, degrau);
    if (op.outraQuantidade) // a velocity field first, so the choice must look past it
        escreveDado(conjunto, m++, "VRADH", false, H5T_STD_U8LE, std::vector<double>(v.size(), 200), op);
    escreveDado(conjunto, m++, op.quantidade, true, op.u16 ? H5T_STD_U16LE : H5T_STD_U8LE, v, op);
    if (op.maisMomentos)
        for (const char* q : {"VRADH", "WRADH", "ZDR", "RHOHV", "KDP"})
            escreveDado(conjunto, m++, q, true, op.u16 ? H5T_STD_U16LE : H5T_STD_U8LE, v, op);
    H5Gclose(conjunto);
}

// ODIM up to 2.3 states rstart in km, from 2.4 in metres (no version: km).
double fatorDoRstart(const std::string& versao) {
    int maior = 0, menor = 0;
    if (std::sscanf(versao.c_str(), "H5rad %d.%d", &maior, &menor) == 2 && (maior > 2 || (maior == 2 && menor >= 4)))
        return 1;
    return 1000;
}

int grava(const OpcoesOdim& op, const std::vector<double>& cena) {
    const hid_t arquivo = H5Fcreate(op.arquivo.c_str(), H5F_ACC_TRUNC, H5P_DEFAULT, H5P_DEFAULT);
    if (arquivo < 0) {
        std::fprintf(stderr, "gerador: nao foi possivel criar '%s'\n", op.arquivo.c_str());
        return 1;
    }
    if (!op.naoOdim) {
        atributoTexto(arquivo, "Conventions", "ODIM_H5/V2_2", op);
        const hid_t oQue = grupo(arquivo, "what");
        atributoTexto(oQue, "object", op.objeto, op);
        if (!op.versao.empty()) atributoTexto(oQue, "version", op.versao, op);
        atributoTexto(oQue, "date", op.data, op);
        atributoTexto(oQue, "time", op.hora, op);
        atributoTexto(oQue, "source", op.origem, op);
        H5Gclose(oQue);
        double lat = 0, lon = 0, altura = 0;
        if (!op.posicao.empty() && std::sscanf(op.posicao.c_str(), "%lf,%lf,%lf", &lat, &lon, &altura) >= 2) {
            const hid_t onde = grupo(arquivo, "where");
            atributoNumero(onde, "lat", lat, op);
            atributoNumero(onde, "lon", lon, op);
            atributoNumero(onde, "height", altura, op);
            H5Gclose(onde);
        }
    }
    const double fator = fatorDoRstart(op.versao);
    for (int n = 1; n <= op.elevacoes; ++n) escreveVarredura(arquivo, n, op.elevacoes - n, op, cena, fator);
    H5Fclose(arquivo);
    if (op.cortado) {
        FILE* f = std::fopen(op.arquivo.c_str(), "rb");
        long tamanho = 0;
        if (f && std::fseek(f, 0, SEEK_END) == 0) tamanho = std::ftell(f);
        if (f) std::fclose(f);
        if (truncate(op.arquivo.c_str(), tamanho / 2) != 0) return 1;
    }
    return 0;
}

// v held in [minimo, maximo] (an integer option's value out of range stays out of it).
double limitado(double v, double minimo, double maximo) { return v < minimo ? minimo : v > maximo ? maximo : v; }


} // namespace

int principalOdim(int argc, char** argv, const std::function<std::vector<double>()>& cena) {
    OpcoesOdim op;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const char* prox = i + 1 < argc ? argv[i + 1] : nullptr;
        double v = 0;
        auto valor = [&](double& destino) {
            if (!numero(prox, v)) {
                std::fprintf(stderr, "gerador: %s precisa de um numero\n", a.c_str());
                std::exit(2);
            }
            destino = v;
            ++i;
        };
        auto texto = [&](std::string& destino) {
            if (!prox) {
                std::fprintf(stderr, "gerador: %s precisa de um valor\n", a.c_str());
                std::exit(2);
            }
            destino = prox;
            ++i;
        };
        double n = 0;
        if (a == "--odim") texto(op.arquivo);
        else if (a == "--help") return ajuda(stdout), 0;
        else if (a == "--objeto") texto(op.objeto);
        else if (a == "--versao") texto(op.versao), op.versao = op.versao == "nenhuma" ? "" : op.versao;
        else if (a == "--quantidade") texto(op.quantidade);
        else if (a == "--origem") texto(op.origem);
        else if (a == "--data") texto(op.data);
        else if (a == "--posicao") texto(op.posicao);
        else if (a == "--hora") texto(op.hora);
        else if (a == "--elevacoes") valor(n), op.elevacoes = static_cast<int>(limitado(n, 0, 101));
        else if (a == "--nrays") valor(n), op.nrays = static_cast<long>(limitado(n, 0, 100001));
        else if (a == "--nbins") valor(n), op.nbins = static_cast<long>(limitado(n, -1, 100001));
        else if (a == "--rscale") valor(op.rscale);
        else if (a == "--rstart") valor(op.rstart);
        else if (a == "--astart") valor(op.astart);
        else if (a == "--ganho") valor(op.ganho);
        else if (a == "--deslocamento") valor(op.deslocamento);
        else if (a == "--nodata") valor(op.nodata);
        else if (a == "--undetect") valor(op.undetect);
        else if (a == "--startaz") op.startaz = true;
        else if (a == "--vetores") op.vetores = true;
        else if (a == "--textos-variaveis") op.textosVariaveis = true;
        else if (a == "--u16") op.u16 = true;
        else if (a == "--cortado") op.cortado = true;
        else if (a == "--nao-odim") op.naoOdim = true;
        else if (a == "--outra-quantidade") op.outraQuantidade = true;
        else if (a == "--mais-momentos") op.maisMomentos = true;
        else if (a == "--eco") {
            Eco e{};
            if (!prox || std::sscanf(prox, "%lf,%lf,%lf", &e.azimute, &e.km, &e.dbz) != 3) {
                std::fprintf(stderr, "gerador: --eco precisa de AZ,KM,DBZ\n");
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
    if (op.arquivo.empty() || op.elevacoes < 1 || op.elevacoes > 100 || op.nrays < 1 || op.nrays > 100000 ||
        op.nbins < 0 || op.nbins > 100000 || !(op.rscale > 0) || !(op.ganho != 0)) {
        std::fprintf(stderr, "gerador: opcoes ODIM fora da faixa\n");
        return 2;
    }
    if (op.nbins == 0) op.nbins = static_cast<long>(limitado(std::ceil(500000 / op.rscale), 0, 100001));
    if (op.nbins > 100000) {
        std::fprintf(stderr, "gerador: mais de 100000 celulas por raio\n");
        return 2;
    }
    H5Eset_auto2(H5E_DEFAULT, nullptr, nullptr);
    return grava(op, op.ecos.empty() ? cena() : std::vector<double>());
}
