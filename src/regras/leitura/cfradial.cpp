// CfRadial 1.x reading: libnetcdf gives the file's arrays (DadosCfRadial),
// then the PPI sweeps and their fields go into the volume store. Every size
// is bounded before anything is read or allocated.
//
// Index: names and texts | mapping onto the volume | netCDF reading (a
// classic header checked first) | the HDF5 probe
#include "cfradial.h"

#include <netcdf.h>

#include <algorithm>
#include <cctype>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <limits>
#include <utility>

#include "hdf5id.h"
#include "volume.h"

namespace {

constexpr std::size_t MAX_VALORES = std::size_t(1) << 26;      // values of one field, at most
constexpr std::size_t MAX_LIDOS = std::size_t(1) << 27;        // values of all fields read, at most
constexpr std::size_t MAX_RAIOS = std::size_t(1) << 20;        // rays, and gates per ray
constexpr std::size_t MAX_VARREDURAS = std::size_t(1) << 16;
constexpr std::size_t MAX_CAMPOS = 256;
constexpr std::size_t MAX_BYTES_DO_VOLUME = std::size_t(1) << 30;
constexpr double NAN_ = std::numeric_limits<double>::quiet_NaN();

// ------------------------------------------------------------ names and texts

std::string maiusculas(std::string s) {
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}
std::string minusculas(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// Without surrounding blanks (some writers pad texts with spaces).
std::string aparado(const std::string& s) {
    const std::size_t a = s.find_first_not_of(" \t\r\n");
    if (a == std::string::npos) return "";
    return s.substr(a, s.find_last_not_of(" \t\r\n") - a + 1);
}

bool contem(const std::string& s, const char* t) { return s.find(t) != std::string::npos; }
bool comeca(const std::string& s, const char* t) { return s.compare(0, std::strlen(t), t) == 0; }
bool umDe(const std::string& s, std::initializer_list<const char*> nomes) {
    return std::any_of(nomes.begin(), nomes.end(), [&](const char* n) { return s == n; });
}

// The viewer's quantity for a field's name; any other keeps its own (upper case).
std::string quantidadeDoCampo(const std::string& nome) {
    const std::string s = maiusculas(nome);
    if (s == "KDP" || contem(s, "SPECIFIC_DIFFERENTIAL_PHASE")) return "KDP";
    if (umDe(s, {"PHIDP", "PHI", "UPHIDP"}) || contem(s, "DIFFERENTIAL_PHASE")) return "PHIDP";
    if (s == "ZDR" || contem(s, "DIFFERENTIAL_REFLECTIVITY")) return "ZDR";
    if (umDe(s, {"RHOHV", "RHO", "CC", "RHO_HV"}) || contem(s, "CROSS_CORRELATION")) return "RHOHV";
    if (umDe(s, {"WIDTH", "SW", "WRAD", "WRADH"}) || contem(s, "SPECTRUM_WIDTH")) return "WRADH";
    if (umDe(s, {"VEL", "VR", "VRAD", "VRADH", "V"}) || comeca(s, "VEL_") || contem(s, "VELOCITY")) return "VRADH";
    if (umDe(s, {"TH", "DBTH", "UZ", "TOTAL_POWER"}) || (contem(s, "TOT") && (comeca(s, "DBZ") || contem(s, "REFLECTIVITY"))))
        return "TH"; // total (unfiltered) reflectivity
    if (umDe(s, {"DBZ", "REF", "DZ", "CZ"}) || comeca(s, "DBZH") || comeca(s, "DBZ_") || contem(s, "REFLECTIVITY"))
        return "DBZH";
    return s;
}

// Sweep modes of a PPI (none given: taken as one).
bool ehPpi(const std::string& modo) {
    const std::string m = minusculas(aparado(modo));
    return m.empty() || contem(m, "ppi") || m == "azimuth_surveillance" || m == "sector";
}

// "AAAA-MM-DDTHH:MM:SS..." into "AAAAMMDD" and "HHMMSS"; false if malformed.
bool dataEHora(const std::string& texto, std::string& data, std::string& hora) {
    const std::string t = aparado(texto);
    const char* const FORMA = "dddd-dd-ddTdd:dd:dd";
    if (t.size() < std::strlen(FORMA)) return false;
    for (std::size_t k = 0; FORMA[k]; ++k) {
        const bool ok = FORMA[k] == 'd' ? std::isdigit(static_cast<unsigned char>(t[k])) != 0
                                        : (t[k] == FORMA[k] || (FORMA[k] == 'T' && t[k] == ' '));
        if (!ok) return false;
    }
    const auto n = [&](std::size_t k) { return (t[k] - '0') * 10 + (t[k + 1] - '0'); };
    if (n(5) < 1 || n(5) > 12 || n(8) < 1 || n(8) > 31 || n(11) > 23 || n(14) > 59 || n(17) > 60) return false;
    data = t.substr(0, 4) + t.substr(5, 2) + t.substr(8, 2);
    hora = t.substr(11, 2) + t.substr(14, 2) + t.substr(17, 2);
    return true;
}

// The site's name for the panel: printable ASCII, at most 40 characters.
std::string sitioLimpo(std::string s) {
    s.erase(std::remove_if(s.begin(), s.end(), [](char c) { return c < 32 || c > 126; }), s.end());
    return aparado(s).substr(0, 40);
}

// ------------------------------------------------------ mapping onto the volume

struct Ppi {
    std::size_t primeiro = 0, raios = 0; // its rays in the file
    double angulo = 0, largura = 0;      // degrees
};

// The PPI sweeps with rays, by ascending angle; the other modes in `outros`.
std::vector<Ppi> varredurasPpi(const DadosCfRadial& d, std::vector<std::string>& outros, bool& algumPpi) {
    std::size_t nv = std::min(d.inicioDaVarredura.size(), d.fimDaVarredura.size());
    const bool semIndices = nv == 0; // no sweep variables: one sweep of every ray
    nv = std::min(semIndices ? 1 : nv, MAX_VARREDURAS);
    const long ultimo = static_cast<long>(d.nTempo) - 1;
    std::vector<Ppi> lista;
    algumPpi = false;
    for (std::size_t s = 0; s < nv; ++s) {
        const std::string modo = s < d.modoDaVarredura.size() ? d.modoDaVarredura[s] : "";
        if (!ehPpi(modo)) {
            const std::string m = sitioLimpo(minusculas(modo));
            if (std::find(outros.begin(), outros.end(), m) == outros.end()) outros.push_back(m);
            continue;
        }
        algumPpi = true;
        long inicio = semIndices ? 0 : d.inicioDaVarredura[s], fim = semIndices ? ultimo : d.fimDaVarredura[s];
        inicio = std::max(inicio, 0L);
        fim = std::min(fim, ultimo); // an end past the rays (seen in real files)
        if (inicio > fim) continue;
        Ppi p;
        p.primeiro = static_cast<std::size_t>(inicio);
        p.raios = static_cast<std::size_t>(fim - inicio + 1);
        p.angulo = s < d.anguloFixo.size() ? d.anguloFixo[s] : NAN_;
        if (!std::isfinite(p.angulo)) { // the mean elevation of its rays
            double soma = 0;
            std::size_t n = 0;
            for (std::size_t k = p.primeiro; k < p.primeiro + p.raios && k < d.elevacao.size(); ++k)
                if (std::isfinite(d.elevacao[k])) soma += d.elevacao[k], ++n;
            p.angulo = n > 0 ? soma / static_cast<double>(n) : 0;
            if (!std::isfinite(p.angulo)) p.angulo = 0;
        }
        const double res = s < d.resolucaoAngular.size() ? d.resolucaoAngular[s] : NAN_;
        p.largura = std::isfinite(res) && res > 0 && res <= 360 ? res : 360.0 / static_cast<double>(p.raios);
        lista.push_back(p);
    }
    std::stable_sort(lista.begin(), lista.end(), [](const Ppi& a, const Ppi& b) { return a.angulo < b.angulo; });
    return lista;
}

// The raw values fit 16 bits exactly (else they are kept as doubles).
bool cabeEm16(const CampoCfRadial& c) {
    if (c.bits != 8 && c.bits != 16) return false;
    const double minimo = c.comSinal ? -32768 : 0, maximo = c.comSinal ? 32767 : 65535;
    return std::all_of(c.dados.begin(), c.dados.end(),
                       [&](double x) { return x >= minimo && x <= maximo && x == std::floor(x); });
}

// Sweep p of field c into `m`, within `orcamento` bytes.
void preencheMomento(const DadosCfRadial& d, const CampoCfRadial& c, bool curto, const Ppi& p, double rscale,
                     double rstart, MomentoGuardado& m, std::size_t& orcamento) {
    VarreduraMedida& v = m.forma;
    v.nrays = static_cast<long>(p.raios);
    v.nbins = static_cast<long>(d.nAlcance);
    v.rscale = rscale, v.rstart = rstart;
    v.ganho = std::isfinite(c.escala) ? c.escala : 1;
    v.deslocamento = std::isfinite(c.deslocamento) ? c.deslocamento : 0;
    v.temSemDados = c.temPreenchimento, v.semDados = c.preenchimento;
    const std::size_t n = p.raios * d.nAlcance;
    const std::size_t bytes = n * (curto ? sizeof(std::uint16_t) : sizeof(double)) + p.raios * 2 * sizeof(double);
    if (bytes > orcamento) {
        m.erro = "'" + m.quantidade + "' nao foi lido: o volume passa de " + std::to_string(MAX_BYTES_DO_VOLUME >> 20) + " MB";
        return;
    }
    orcamento -= bytes;
    v.inicioAz.resize(p.raios), v.fimAz.resize(p.raios);
    for (std::size_t k = 0; k < p.raios; ++k) {
        const std::size_t r = p.primeiro + k;
        const double az = r < d.azimute.size() ? d.azimute[r] : NAN_; // NaN: the mapping leaves it out
        v.inicioAz[k] = az - p.largura / 2, v.fimAz[k] = az + p.largura / 2;
    }
    const auto inicio = c.dados.begin() + static_cast<std::ptrdiff_t>(p.primeiro * d.nAlcance);
    if (curto) {
        m.comSinal = c.comSinal;
        m.curtos.resize(n);
        std::transform(inicio, inicio + static_cast<std::ptrdiff_t>(n), m.curtos.begin(), [&](double x) {
            return c.comSinal ? static_cast<std::uint16_t>(static_cast<std::int16_t>(x)) : static_cast<std::uint16_t>(x);
        });
    } else {
        m.reais.assign(inicio, inicio + static_cast<std::ptrdiff_t>(n));
    }
    m.lido = true;
}

// The mapping; `dono`, when given, is `d` itself, whose fields are freed
// once kept (the file's doubles and the volume are not held twice).
bool monta(const DadosCfRadial& d, const char* nome, Volume& volume, std::string& erro, DadosCfRadial* dono) {
    const std::string citado = std::string("'") + nome + "'";
    if (d.nTempo == 0 || d.nAlcance == 0 || d.nTempo > MAX_RAIOS || d.nAlcance > MAX_RAIOS ||
        d.nTempo * d.nAlcance > MAX_VALORES) {
        erro = citado + " tem " + std::to_string(d.nTempo) + " raios de " + std::to_string(d.nAlcance) +
               " celulas (de 1 a " + std::to_string(MAX_VALORES) + " valores)";
        return false;
    }
    double rscale = d.alcance.size() >= 2 ? d.alcance[1] - d.alcance[0] : NAN_;
    if (!(std::isfinite(rscale) && rscale > 0)) rscale = d.espacamento;
    if (!(std::isfinite(rscale) && rscale > 0 && rscale < 1e7)) {
        erro = citado + ": falta o espacamento das celulas (range)";
        return false;
    }
    const double centro = !d.alcance.empty() && std::isfinite(d.alcance[0]) ? d.alcance[0] : rscale / 2;
    const double rstart = centro - rscale / 2;

    std::vector<std::string> outros;
    bool algumPpi = false;
    const std::vector<Ppi> ppi = varredurasPpi(d, outros, algumPpi);
    if (ppi.empty()) {
        std::string tem;
        for (const std::string& m : outros) tem += (tem.empty() ? "" : ", ") + (m.empty() ? "?" : m);
        erro = algumPpi ? citado + ": as varreduras PPI nao tem raios (indices fora de 0.." + std::to_string(d.nTempo - 1) + ")"
                        : citado + " nao tem varreduras PPI (tem: " + tem + ")";
        return false;
    }
    // Fields of the right size, one per quantity (the first).
    std::vector<std::pair<std::size_t, std::string>> campos;
    for (std::size_t f = 0; f < d.campos.size() && campos.size() < MAX_CAMPOS; ++f) {
        const std::string q = quantidadeDoCampo(d.campos[f].nome);
        const bool repetido = std::any_of(campos.begin(), campos.end(), [&](const auto& c) { return c.second == q; });
        if (!repetido && !q.empty() && d.campos[f].dados.size() == d.nTempo * d.nAlcance) campos.emplace_back(f, q);
    }
    if (campos.empty()) {
        erro = citado + " nao tem campos de time x range";
        return false;
    }

    Volume lido;
    lido.nome = nome;
    if (!dataEHora(d.inicio, lido.data, lido.hora)) lido.data.clear(), lido.hora.clear();
    lido.sitio = sitioLimpo(d.sitio);
    if (d.temPosicao && posicaoValida(d.lat, d.lon))
        lido.posicao = Sitio{true, d.lat, d.lon > 180 ? d.lon - 360 : d.lon, std::isfinite(d.altitude) ? d.altitude : 0};
    const double nyquist = std::isfinite(d.nyquist) && d.nyquist > 0 ? d.nyquist : 0;
    lido.elevacoes.resize(ppi.size());
    for (std::size_t e = 0; e < ppi.size(); ++e) {
        lido.elevacoes[e].angulo = ppi[e].angulo;
        lido.elevacoes[e].momentos.resize(campos.size());
    }
    std::size_t orcamento = MAX_BYTES_DO_VOLUME;
    bool algum = false;
    for (std::size_t q = 0; q < campos.size(); ++q) {
        const CampoCfRadial& c = d.campos[campos[q].first];
        const bool curto = cabeEm16(c);
        for (std::size_t e = 0; e < ppi.size(); ++e) {
            MomentoGuardado& m = lido.elevacoes[e].momentos[q];
            m.quantidade = campos[q].second, m.arquivo = nome, m.nyquist = nyquist;
            preencheMomento(d, c, curto, ppi[e], rscale, rstart, m, orcamento);
            algum = algum || m.lido;
        }
        if (dono) std::vector<double>().swap(dono->campos[campos[q].first].dados);
    }
    if (!algum) {
        erro = citado + ": nenhum campo pode ser lido";
        return false;
    }
    lido.paletas = std::move(volume.paletas);
    volume = std::move(lido);
    return true;
}

// ------------------------------------------------------------- netCDF reading

struct Aberto {
    int id = -1;
    Aberto() = default;
    Aberto(const Aberto&) = delete;
    Aberto& operator=(const Aberto&) = delete;
    ~Aberto() {
        if (id >= 0) nc_close(id);
    }
};

bool numerico(nc_type t) {
    switch (t) {
    case NC_BYTE: case NC_UBYTE: case NC_SHORT: case NC_USHORT: case NC_INT: case NC_UINT:
    case NC_INT64: case NC_UINT64: case NC_FLOAT: case NC_DOUBLE: return true;
    default: return false;
    }
}

// Values of variable `var` (its dimensions' product), or SIZE_MAX past `maximo`.
std::size_t tamanho(int id, int var, std::size_t maximo) {
    int nd = 0;
    int dims[NC_MAX_VAR_DIMS];
    if (nc_inq_varndims(id, var, &nd) != NC_NOERR || nd < 0 || nd > 4 || nc_inq_vardimid(id, var, dims) != NC_NOERR)
        return SIZE_MAX;
    std::size_t n = 1;
    for (int k = 0; k < nd; ++k) {
        std::size_t comprimento = 0;
        if (nc_inq_dimlen(id, dims[k], &comprimento) != NC_NOERR) return SIZE_MAX;
        if (comprimento != 0 && n > maximo / comprimento) return SIZE_MAX;
        n *= comprimento;
    }
    return n;
}

bool atributoTexto(int id, int var, const char* nome, std::string& texto) {
    nc_type tipo = NC_NAT;
    std::size_t n = 0;
    if (nc_inq_att(id, var, nome, &tipo, &n) != NC_NOERR) return false;
    if (tipo == NC_CHAR && n <= (std::size_t(1) << 20)) {
        std::string s(n, '\0');
        if (n > 0 && nc_get_att_text(id, var, nome, &s[0]) != NC_NOERR) return false;
        texto = s.substr(0, std::strlen(s.c_str()));
        return true;
    }
    if (tipo == NC_STRING && n >= 1 && n <= (std::size_t(1) << 16)) {
        std::vector<char*> p(n, nullptr);
        if (nc_get_att_string(id, var, nome, p.data()) != NC_NOERR) return false;
        texto = p[0] ? p[0] : "";
        nc_free_string(n, p.data());
        return true;
    }
    return false;
}

bool atributoNumero(int id, int var, const char* nome, double& valor) {
    nc_type tipo = NC_NAT;
    std::size_t n = 0;
    if (nc_inq_att(id, var, nome, &tipo, &n) != NC_NOERR || n != 1 || !numerico(tipo)) return false;
    return nc_get_att_double(id, var, nome, &valor) == NC_NOERR;
}

// Numeric variable `nome` of at most `maximo` values, its _FillValue as NaN.
bool leNumeros(int id, const char* nome, std::vector<double>& v, std::size_t maximo = MAX_RAIOS) {
    int var = -1;
    nc_type tipo = NC_NAT;
    if (nc_inq_varid(id, nome, &var) != NC_NOERR || nc_inq_vartype(id, var, &tipo) != NC_NOERR || !numerico(tipo))
        return false;
    const std::size_t n = tamanho(id, var, maximo);
    if (n > maximo) return false;
    v.assign(n, 0.0);
    if (n > 0 && nc_get_var_double(id, var, v.data()) != NC_NOERR) return false;
    double fill = 0;
    if (atributoNumero(id, var, "_FillValue", fill)) std::replace(v.begin(), v.end(), fill, NAN_);
    return true;
}

// The first finite value of variable `nome` (a scalar, or one per ray).
bool leUm(int id, const char* nome, double& valor) {
    std::vector<double> v;
    if (!leNumeros(id, nome, v)) return false;
    const auto k = std::find_if(v.begin(), v.end(), [](double x) { return std::isfinite(x); });
    if (k == v.end()) return false;
    valor = *k;
    return true;
}

// Rows of a char variable (rows x length; one row when 0 or 1-D) or of a string one.
bool leTextos(int id, const char* nome, std::vector<std::string>& linhas) {
    int var = -1, nd = 0;
    nc_type tipo = NC_NAT;
    int dims[NC_MAX_VAR_DIMS];
    if (nc_inq_varid(id, nome, &var) != NC_NOERR || nc_inq_var(id, var, nullptr, &tipo, &nd, dims, nullptr) != NC_NOERR)
        return false;
    const std::size_t n = tamanho(id, var, std::size_t(1) << 20);
    if (n > (std::size_t(1) << 20)) return false;
    linhas.clear();
    if (tipo == NC_CHAR && nd <= 2) {
        std::size_t comprimento = n;
        if (nd == 2 && nc_inq_dimlen(id, dims[1], &comprimento) != NC_NOERR) return false;
        std::string s(n, '\0');
        if (n > 0 && nc_get_var_text(id, var, &s[0]) != NC_NOERR) return false;
        for (std::size_t k = 0; comprimento > 0 && k < n; k += comprimento) {
            const std::string linha = s.substr(k, comprimento);
            linhas.push_back(linha.substr(0, std::strlen(linha.c_str())));
        }
        return true;
    }
    if (tipo == NC_STRING && nd <= 1) {
        std::vector<char*> p(n, nullptr);
        if (n > 0 && nc_get_var_string(id, var, p.data()) != NC_NOERR) return false;
        for (char* x : p) linhas.emplace_back(x ? x : "");
        if (n > 0) nc_free_string(n, p.data());
        return true;
    }
    return false;
}

// Every numeric (time, range) variable, in the file's order, within the bounds.
void leCampos(int id, int dimTempo, int dimAlcance, DadosCfRadial& d) {
    int nvars = 0;
    if (nc_inq_nvars(id, &nvars) != NC_NOERR) return;
    std::size_t lidos = 0;
    const std::size_t n = d.nTempo * d.nAlcance;
    for (int var = 0; var < nvars && d.campos.size() < MAX_CAMPOS; ++var) {
        char nome[NC_MAX_NAME + 1] = {};
        int nd = 0;
        nc_type tipo = NC_NAT;
        int dims[NC_MAX_VAR_DIMS];
        if (nc_inq_var(id, var, nome, &tipo, &nd, dims, nullptr) != NC_NOERR || nd != 2 || dims[0] != dimTempo ||
            dims[1] != dimAlcance || !numerico(tipo) || n > MAX_LIDOS - lidos)
            continue;
        CampoCfRadial c;
        c.nome = nome;
        c.dados.resize(n);
        if (nc_get_var_double(id, var, c.dados.data()) != NC_NOERR) continue; // cut or damaged: left out
        lidos += n;
        atributoNumero(id, var, "scale_factor", c.escala);
        atributoNumero(id, var, "add_offset", c.deslocamento);
        c.temPreenchimento = atributoNumero(id, var, "_FillValue", c.preenchimento) ||
                             atributoNumero(id, var, "missing_value", c.preenchimento);
        if (!c.temPreenchimento && (tipo == NC_FLOAT || tipo == NC_DOUBLE)) // unwritten cells hold the default
            c.temPreenchimento = true, c.preenchimento = tipo == NC_FLOAT ? double(NC_FILL_FLOAT) : NC_FILL_DOUBLE;
        c.bits = tipo == NC_BYTE || tipo == NC_UBYTE ? 8 : tipo == NC_SHORT || tipo == NC_USHORT ? 16 : 0;
        c.comSinal = tipo == NC_BYTE || tipo == NC_SHORT;
        std::string semSinal;
        if (c.comSinal && atributoTexto(id, var, "_Unsigned", semSinal) && minusculas(semSinal) == "true") {
            // Classic files store unsigned counts as signed types.
            const double volta = c.bits == 8 ? 256 : 65536;
            for (double& x : c.dados) x += x < 0 ? volta : 0;
            if (c.preenchimento < 0) c.preenchimento += volta;
            c.comSinal = false;
        }
        d.campos.push_back(std::move(c));
    }
}

constexpr std::uint64_t MARCA_DIMENSOES = 10, MARCA_VARIAVEIS = 11, MARCA_ATRIBUTOS = 12; // list tags

// Reads a classic header field by field, each count and length checked
// against what is left of the file.
struct Cabecalho {
    std::ifstream f;
    std::uint64_t tamanho = 0, posicao = 0;
    bool ok = true;
    std::uint64_t resta() const { return tamanho - posicao; }
    std::uint64_t inteiro(int bytes) {
        unsigned char b[8] = {};
        if (!ok || resta() < static_cast<std::uint64_t>(bytes) || !f.read(reinterpret_cast<char*>(b), bytes)) {
            ok = false;
            return 0;
        }
        posicao += static_cast<std::uint64_t>(bytes);
        std::uint64_t v = 0;
        for (int k = 0; k < bytes; ++k) v = v << 8 | b[k];
        return v;
    }
    void pula(std::uint64_t n) { // n bytes padded to 4
        n += (4 - n % 4) % 4;
        if (!ok || n > resta()) {
            ok = false;
            return;
        }
        posicao += n;
        f.seekg(static_cast<std::streamoff>(posicao));
    }
};

// A classic netCDF header (CDF-1, 2 or 5) whose counts and lengths all fit
// in the file: libnetcdf trusts them, and a damaged one makes it allocate
// gigabytes or crash.
bool cabecalhoClassicoValido(const char* nome) {
    Cabecalho c;
    c.f.open(nome, std::ios::binary | std::ios::ate);
    if (!c.f) return false;
    c.tamanho = static_cast<std::uint64_t>(c.f.tellg());
    c.f.seekg(0);
    c.inteiro(3);
    const int versao = static_cast<int>(c.inteiro(1)), largura = versao == 5 ? 8 : 4;
    const std::uint64_t maiorTipo = versao == 5 ? 11 : 6;
    c.inteiro(largura); // numrecs
    const auto lista = [&](std::uint64_t marca, const std::function<void()>& item) {
        const std::uint64_t m = c.inteiro(4), n = c.inteiro(largura);
        if (m == 0 && n == 0) return;
        if (m != marca || n > c.resta() / 12) c.ok = false; // no item takes fewer than 12 bytes
        for (std::uint64_t k = 0; k < n && c.ok; ++k) item();
    };
    const auto leNome = [&] {
        const std::uint64_t n = c.inteiro(largura);
        if (n == 0 || n > NC_MAX_NAME) c.ok = false;
        c.pula(n);
    };
    static const int BYTES[] = {1, 1, 2, 4, 4, 8, 1, 2, 4, 8, 8}; // nc_type 1..11
    const auto atributo = [&] {
        leNome();
        const std::uint64_t tipo = c.inteiro(4), n = c.inteiro(largura);
        const bool valido = tipo >= 1 && tipo <= maiorTipo && n <= c.resta() / static_cast<std::uint64_t>(BYTES[tipo - 1]);
        if (valido) c.pula(n * static_cast<std::uint64_t>(BYTES[tipo - 1]));
        else c.ok = false;
    };
    std::vector<std::uint64_t> comprimentos; // of the dimensions (0: the record one)
    lista(MARCA_DIMENSOES, [&] { leNome(), comprimentos.push_back(c.inteiro(largura)); });
    lista(MARCA_ATRIBUTOS, atributo);
    lista(MARCA_VARIAVEIS, [&] {
        leNome();
        const std::uint64_t nd = c.inteiro(largura);
        if (nd > NC_MAX_VAR_DIMS) c.ok = false;
        bool registro = false;
        for (std::uint64_t k = 0; k < nd && c.ok; ++k) {
            const std::uint64_t d = c.inteiro(largura);
            if (d >= comprimentos.size()) c.ok = false;
            else registro = registro || comprimentos[d] == 0;
        }
        lista(MARCA_ATRIBUTOS, atributo);
        const std::uint64_t tipo = c.inteiro(4);
        if (tipo < 1 || tipo > maiorTipo) c.ok = false;
        const std::uint64_t bytes = c.inteiro(largura), desde = c.inteiro(versao == 1 ? 4 : 8);
        // The data of a fixed-size variable lies in the file (else it was cut).
        if (!registro && bytes != 0xFFFFFFFFu && (desde > c.tamanho || bytes > c.tamanho - desde)) c.ok = false;
    });
    return c.ok;
}

bool abre(const char* nome, Aberto& a, std::string& erro) {
    char inicio[4] = {};
    std::ifstream(nome, std::ios::binary).read(inicio, sizeof inicio);
    if (std::memcmp(inicio, "CDF", 3) == 0 && !cabecalhoClassicoValido(nome)) {
        erro = std::string("'") + nome + "': arquivo netCDF cortado ou danificado";
        return false;
    }
    const int r = nc_open(nome, NC_NOWRITE, &a.id);
    if (r == NC_NOERR) return true;
    a.id = -1;
    erro = std::string("'") + nome + "': nao foi possivel ler como netCDF (" + nc_strerror(r) + ")";
    return false;
}

bool nomeiaCfRadial(const std::string& convencoes) {
    const std::string c = minusculas(convencoes);
    return contem(c, "cf/radial") || contem(c, "cf-radial");
}

// A one-string attribute of an HDF5 object, fixed or variable length ("" if none).
std::string textoHdf5(hid_t obj, const char* nome) {
    if (H5Aexists(obj, nome) <= 0) return "";
    Atributo a(H5Aopen(obj, nome, H5P_DEFAULT));
    Tipo tipo(a.valido() ? H5Aget_type(a) : -1);
    Espaco espaco(a.valido() ? H5Aget_space(a) : -1);
    if (!tipo.valido() || H5Tget_class(tipo) != H5T_STRING || !espaco.valido() ||
        H5Sget_simple_extent_npoints(espaco) != 1)
        return "";
    Tipo memoria(H5Tcopy(H5T_C_S1));
    if (H5Tis_variable_str(tipo) > 0) {
        char* p = nullptr;
        if (H5Tset_size(memoria, H5T_VARIABLE) < 0 || H5Aread(a, memoria, &p) < 0) return "";
        std::string t = p ? p : "";
        H5free_memory(p);
        return t;
    }
    const std::size_t n = H5Tget_size(tipo);
    if (n == 0 || n > (std::size_t(1) << 16)) return "";
    std::vector<char> b(n + 1, '\0');
    if (H5Tset_size(memoria, n) < 0 || H5Aread(a, memoria, b.data()) < 0) return "";
    return std::string(b.data(), strnlen(b.data(), n));
}

} // namespace

// HDF5 is looked at through its own library: opening only the root group is
// cheaper than libnetcdf reading every object (ODIM files come this way too).
bool pareceCfRadial(const char* nome) {
    std::ifstream f(nome, std::ios::binary);
    char c[8] = {};
    if (!f.read(c, sizeof c)) return false;
    if (std::memcmp(c, "CDF", 3) == 0 && (c[3] == 1 || c[3] == 2 || c[3] == 5)) return true;
    if (std::memcmp(c, "\x89HDF\r\n\x1a\n", 8) != 0) return false;
    H5Eset_auto2(H5E_DEFAULT, nullptr, nullptr);
    const Arquivo arquivo(H5Fopen(nome, H5F_ACC_RDONLY, H5P_DEFAULT));
    const Grupo raiz(arquivo.valido() ? H5Gopen2(arquivo, "/", H5P_DEFAULT) : -1);
    if (!raiz.valido()) return false;
    if (!nomeiaCfRadial(textoHdf5(raiz, "Conventions")) && !nomeiaCfRadial(textoHdf5(raiz, "Sub_conventions")))
        return false;
    if (H5Lexists(raiz, "what", H5P_DEFAULT) <= 0) return true;
    const Grupo oQue(H5Gopen2(raiz, "what", H5P_DEFAULT)); // ODIM's /what/object: not CfRadial, whatever it says
    return !(oQue.valido() && H5Aexists(oQue, "object") > 0);
}

bool montaCfRadial(const DadosCfRadial& d, const char* nome, Volume& volume, std::string& erro) {
    return monta(d, nome, volume, erro, nullptr);
}

bool leCfRadial(const char* nome, Volume& volume, std::string& erro) {
    Aberto a;
    if (!abre(nome, a, erro)) return false;
    const std::string citado = std::string("'") + nome + "'";
    const int id = a.id;
    int dimTempo = -1, dimAlcance = -1;
    DadosCfRadial d;
    if (nc_inq_dimid(id, "time", &dimTempo) != NC_NOERR || nc_inq_dimid(id, "range", &dimAlcance) != NC_NOERR ||
        nc_inq_dimlen(id, dimTempo, &d.nTempo) != NC_NOERR || nc_inq_dimlen(id, dimAlcance, &d.nAlcance) != NC_NOERR) {
        erro = citado + " nao e CfRadial (faltam as dimensoes time e range)";
        return false;
    }
    if (d.nTempo == 0 || d.nAlcance == 0 || d.nTempo > MAX_RAIOS || d.nAlcance > MAX_RAIOS ||
        d.nTempo * d.nAlcance > MAX_VALORES)
        return montaCfRadial(d, nome, volume, erro); // its line on the sizes
    leNumeros(id, "range", d.alcance);
    int var = -1;
    if (nc_inq_varid(id, "range", &var) == NC_NOERR) atributoNumero(id, var, "meters_between_gates", d.espacamento);
    leNumeros(id, "azimuth", d.azimute);
    leNumeros(id, "elevation", d.elevacao);
    leNumeros(id, "fixed_angle", d.anguloFixo, MAX_VARREDURAS);
    leNumeros(id, "ray_angle_res", d.resolucaoAngular, MAX_VARREDURAS);
    std::vector<double> inicios, fins;
    if (leNumeros(id, "sweep_start_ray_index", inicios, MAX_VARREDURAS) &&
        leNumeros(id, "sweep_end_ray_index", fins, MAX_VARREDURAS)) {
        // Indices as longs, held in -1..1e15; a missing one makes its sweep empty.
        const auto indice = [](double x, long faltando) {
            return std::isnan(x) ? faltando : static_cast<long>(std::min(std::max(x, -1.0), 1e15));
        };
        for (double x : inicios) d.inicioDaVarredura.push_back(indice(x, LONG_MAX));
        for (double x : fins) d.fimDaVarredura.push_back(indice(x, -1));
    }
    leTextos(id, "sweep_mode", d.modoDaVarredura);
    d.temPosicao = leUm(id, "latitude", d.lat) && leUm(id, "longitude", d.lon);
    if (!leUm(id, "altitude", d.altitude)) d.altitude = 0;
    if (!leUm(id, "nyquist_velocity", d.nyquist)) d.nyquist = 0;
    std::vector<std::string> textos;
    if (leTextos(id, "time_coverage_start", textos) && !textos.empty()) d.inicio = textos[0];
    if (d.inicio.empty()) atributoTexto(id, NC_GLOBAL, "time_coverage_start", d.inicio);
    std::string unidades; // "seconds since 2023-08-01T20:00:00Z"
    if (d.inicio.empty() && nc_inq_varid(id, "time", &var) == NC_NOERR && atributoTexto(id, var, "units", unidades) &&
        unidades.find("since ") != std::string::npos)
        d.inicio = unidades.substr(unidades.find("since ") + 6);
    if (!atributoTexto(id, NC_GLOBAL, "instrument_name", d.sitio) || sitioLimpo(d.sitio).empty())
        atributoTexto(id, NC_GLOBAL, "site_name", d.sitio);
    std::vector<std::string> outros;
    bool algumPpi = false;
    if (!varredurasPpi(d, outros, algumPpi).empty()) leCampos(id, dimTempo, dimAlcance, d); // an RHI: no field read
    return monta(d, nome, volume, erro, &d);
}
