// NEXRAD Level II (Archive II) reading: the volume header, the records
// (bzip2 streams, inflated in parallel, or plain messages), radials of
// messages 31 and 1 gathered by elevation number, then the sweeps put into
// the volume store. Every size, offset and count is checked against the
// bytes there before use, and inflating is bounded.
//
// Index: bytes | inflating | messages | the store | entry points
#include "nexrad.h"

#include <bzlib.h>
#include <zlib.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

#include "projecao.h"
#include "volume.h"

namespace {

constexpr std::size_t MB = std::size_t(1) << 20;
constexpr std::size_t MAX_DESCOMPRIMIDO = 1024 * MB;   // all records (or a gzip file) inflated, at most
constexpr std::size_t MAX_REGISTRO = 64 * MB;          // one record inflated, at most (real ones: about 1 MB)
constexpr std::size_t MAX_ARQUIVO = 1024 * MB;         // bytes of a file read, at most
constexpr std::size_t MAX_REGISTROS = 100000;          // records of a volume (real ones: about 100)
constexpr std::size_t MAX_BYTES_DO_VOLUME = 1024 * MB; // raw values kept in all, at most
constexpr std::size_t MAX_RAIOS = 4000;                // rays kept per moment and sweep
constexpr long MAX_PORTAS = 4000;                      // gates kept per ray
constexpr double ALCANCE_MAXIMO = 500000;              // metres: gates starting beyond it are cut
constexpr std::size_t CABECALHO = 24;                  // the volume header
constexpr std::size_t CTM = 12;                        // legacy transport header of every message
constexpr std::size_t MENSAGEM = 16;                   // message header
constexpr std::size_t FAIXA = 2432;                    // fixed slot of the messages other than 31

// ------------------------------------------------------------------ bytes

unsigned u16(const unsigned char* p) { return unsigned(p[0]) << 8 | p[1]; }
std::uint32_t u32(const unsigned char* p) {
    return std::uint32_t(p[0]) << 24 | std::uint32_t(p[1]) << 16 | std::uint32_t(p[2]) << 8 | p[3];
}
int i16(const unsigned char* p) { return static_cast<std::int16_t>(static_cast<std::uint16_t>(u16(p))); }
double f32(const unsigned char* p) {
    const std::uint32_t x = u32(p);
    float f = 0;
    std::memcpy(&f, &x, sizeof f);
    return f;
}

// ------------------------------------------------------------------ inflating

enum class Falha { NENHUMA, CORTADO, DANIFICADO, GRANDE, TOTAL };

// One record: its bytes in the file and, for a bzip2 one, what they inflate to.
struct Registro {
    const unsigned char* dados = nullptr;
    std::size_t n = 0;
    bool bzip2 = false;
    std::vector<unsigned char> saida;
    Falha falha = Falha::NENHUMA;
};

// Inflates a record's bzip2 streams (one after another) into its output,
// stopping at MAX_REGISTRO or when all records together pass
// MAX_DESCOMPRIMIDO; what came out before a failure is kept.
void inflaBzip2(Registro& r, std::atomic<std::size_t>& total) {
    std::size_t lido = 0, feito = 0;
    Falha falha = Falha::NENHUMA;
    r.saida.resize(std::min(MAX_REGISTRO, std::max<std::size_t>(r.n * 8, 1 << 16)));
    while (lido < r.n && falha == Falha::NENHUMA) {
        if (r.n - lido < 3 || std::memcmp(r.dados + lido, "BZh", 3) != 0) break; // bytes after the streams
        bz_stream s{};
        if (BZ2_bzDecompressInit(&s, 0, 0) != BZ_OK) {
            falha = Falha::DANIFICADO;
            break;
        }
        for (int rc = BZ_OK; rc != BZ_STREAM_END && falha == Falha::NENHUMA;) {
            if (feito == r.saida.size()) {
                if (feito >= MAX_REGISTRO) {
                    falha = Falha::GRANDE;
                    break;
                }
                r.saida.resize(std::min(MAX_REGISTRO, feito * 2));
            }
            const unsigned entrada = static_cast<unsigned>(std::min<std::size_t>(r.n - lido, UINT_MAX / 2));
            const unsigned espaco = static_cast<unsigned>(std::min<std::size_t>(r.saida.size() - feito, UINT_MAX / 2));
            s.next_in = const_cast<char*>(reinterpret_cast<const char*>(r.dados + lido));
            s.avail_in = entrada;
            s.next_out = reinterpret_cast<char*>(r.saida.data() + feito);
            s.avail_out = espaco;
            rc = BZ2_bzDecompress(&s);
            const std::size_t usados = entrada - s.avail_in, produzidos = espaco - s.avail_out;
            lido += usados, feito += produzidos;
            if (total.fetch_add(produzidos) + produzidos > MAX_DESCOMPRIMIDO) falha = Falha::TOTAL;
            else if (rc != BZ_OK && rc != BZ_STREAM_END) falha = Falha::DANIFICADO;
            else if (rc == BZ_OK && usados == 0 && produzidos == 0) falha = Falha::CORTADO; // input ended mid-stream
        }
        BZ2_bzDecompressEnd(&s);
    }
    r.saida.resize(feito);
    if (falha != Falha::NENHUMA) r.falha = falha;
}

// tarefa(0), ..., tarefa(n - 1), spread over the processors when `varios`
// (else, and when no thread can be started, in this one).
template <class F>
void emParalelo(std::size_t n, bool varios, const F& tarefa) {
    std::atomic<std::size_t> proximo{0};
    const auto trabalha = [&] {
        for (std::size_t k = proximo.fetch_add(1); k < n; k = proximo.fetch_add(1)) tarefa(k);
    };
    const unsigned fios = varios && n > 1 ? std::min(8u, std::max(1u, std::thread::hardware_concurrency())) : 1;
    std::vector<std::thread> ajudantes;
    try {
        for (unsigned k = 1; k < fios; ++k) ajudantes.emplace_back(trabalha);
    } catch (const std::system_error&) {
        // fewer helpers: this thread does the rest
    }
    trabalha();
    for (std::thread& t : ajudantes) t.join();
}

// Every bzip2 record inflated (in parallel for a file of more than 1 MB).
void inflaTodos(std::vector<Registro>& registros) {
    std::atomic<std::size_t> total{0};
    std::size_t comprimidos = 0;
    for (const Registro& r : registros) comprimidos += r.bzip2 ? r.n : 0;
    emParalelo(registros.size(), comprimidos >= MB, [&](std::size_t k) {
        if (registros[k].bzip2) inflaBzip2(registros[k], total);
    });
}

// The records after the volume header: sized bzip2 streams, or (AR2V0001,
// and files already inflated) plain messages up to the end.
std::vector<Registro> registrosDe(const unsigned char* d, std::size_t n) {
    std::vector<Registro> lista;
    std::size_t p = CABECALHO;
    if (n - p < 7 || std::memcmp(d + p + 4, "BZh", 3) != 0) {
        lista.emplace_back();
        lista.back().dados = d + p, lista.back().n = n - p;
        return lista;
    }
    while (n - p >= 4 && lista.size() < MAX_REGISTROS) {
        const std::uint32_t bruto = u32(d + p);
        std::size_t tamanho = (bruto & 0x80000000u) ? std::size_t(~bruto) + 1 : bruto; // a negative size: its magnitude
        p += 4;
        const bool cortado = tamanho > n - p;
        if (cortado) tamanho = n - p;
        if (tamanho == 0) continue;
        lista.emplace_back();
        Registro& r = lista.back();
        r.dados = d + p, r.n = tamanho;
        r.bzip2 = tamanho >= 3 && std::memcmp(d + p, "BZh", 3) == 0;
        if (cortado) r.falha = Falha::CORTADO;
        p += tamanho;
    }
    return lista;
}

// ------------------------------------------------------------------ messages

constexpr int N_MOMENTOS = 7;
const char* const NOMES[N_MOMENTOS] = {"REF", "VEL", "SW ", "ZDR", "PHI", "RHO", "CFP"};
const char* const QUANTIDADES[N_MOMENTOS] = {"DBZH", "VRADH", "WRADH", "ZDR", "PHIDP", "RHOHV", "CFP"};

// One ray of a moment: its gates where the inflated bytes hold them.
struct Raio {
    const unsigned char* portas;
    long n;
    double inicio, fim; // azimuth span, degrees
};

// A moment of one elevation number: the geometry and conversion of its first
// ray (a ray that differs is left out) and its rays in the order received.
struct MomentoLido {
    bool presente = false;
    double escala = 1, deslocamento = 0, primeira = 0, espacamento = 0; // primeira: first gate's centre, m
    int bits = 8;
    std::vector<Raio> raios;
};

struct Corte {
    double somaAngulos = 0;
    long radiais = 0;
    double nyquist = 0; // m/s, from its first radial that gives it
    bool temNyquist = false;
    std::array<MomentoLido, N_MOMENTOS> momentos;
};

struct Lidos {
    std::array<Corte, 256> cortes; // by elevation number (1-based)
    bool temHora = false;
    unsigned data = 0;    // of the first radial: days, 1 = 1970-01-01
    std::uint32_t ms = 0; // and milliseconds of the day
    std::string sitio;    // ICAO of the first radial 31
    Sitio posicao;
};

// A gate block's geometry and conversion, checked.
struct Bloco {
    double escala, deslocamento, primeira, espacamento;
    int bits;
    const unsigned char* portas;
    long n;
};

void juntaRaio(Corte& c, int q, const Bloco& b, double azimute, double largura) {
    MomentoLido& m = c.momentos[q];
    if (!m.presente) {
        m.presente = true;
        m.escala = b.escala, m.deslocamento = b.deslocamento, m.primeira = b.primeira, m.espacamento = b.espacamento;
        m.bits = b.bits;
    } else if (m.escala != b.escala || m.deslocamento != b.deslocamento || m.primeira != b.primeira ||
               m.espacamento != b.espacamento || m.bits != b.bits) {
        return;
    }
    const double inicio = b.primeira - b.espacamento / 2;
    const double dentro = std::ceil((ALCANCE_MAXIMO - inicio) / b.espacamento);
    const long n = std::min({b.n, MAX_PORTAS, dentro > 0 ? static_cast<long>(dentro) : 0L});
    if (n > 0 && m.raios.size() < MAX_RAIOS)
        m.raios.push_back(Raio{b.portas, n, azimute - largura / 2, azimute + largura / 2});
}

bool valido(const Bloco& b) {
    return b.espacamento > 0 && (b.bits == 8 || b.bits == 16) && std::isfinite(b.escala) && b.escala != 0 &&
           std::isfinite(b.deslocamento) && b.n > 0;
}

void marcaHora(Lidos& l, unsigned data, std::uint32_t ms) {
    if (l.temHora) return;
    l.temHora = true, l.data = data, l.ms = ms;
}

// Message 31 from its data header `h` to `fim`: blocks found by the offsets.
void radial31(const unsigned char* h, const unsigned char* fim, Lidos& l) {
    if (fim - h < 32) return;
    const std::size_t resto = static_cast<std::size_t>(fim - h);
    const double azimute = f32(h + 12), elevacao = f32(h + 24);
    const unsigned numero = h[22];
    if (numero == 0 || !std::isfinite(azimute) || !std::isfinite(elevacao) || std::fabs(azimute) > 720 ||
        std::fabs(elevacao) > 90)
        return;
    const double largura = h[20] == 1 ? 0.5 : 1.0; // azimuth resolution code
    if (!l.temHora) l.sitio.assign(reinterpret_cast<const char*>(h), 4);
    marcaHora(l, u16(h + 8), u32(h + 4));
    Corte& c = l.cortes[numero];
    c.somaAngulos += elevacao, ++c.radiais;
    const std::size_t blocos = std::min<std::size_t>(u16(h + 30), (resto - 32) / 4);
    for (std::size_t k = 0; k < blocos; ++k) {
        const std::size_t o = u32(h + 32 + 4 * k);
        if (o < 32 || o > resto - 4) continue;
        const unsigned char* b = h + o;
        const std::size_t cabe = resto - o;
        if (std::memcmp(b, "RVOL", 4) == 0 && cabe >= 20 && !l.posicao.conhecido) {
            const double lat = f32(b + 8), lon = f32(b + 12);
            if (posicaoValida(lat, lon))
                l.posicao = Sitio{true, lat, lon > 180 ? lon - 360 : lon, double(i16(b + 16)) + u16(b + 18)};
        } else if (std::memcmp(b, "RRAD", 4) == 0 && cabe >= 18 && !c.temNyquist) {
            c.temNyquist = true, c.nyquist = u16(b + 16) * 0.01;
        } else if (b[0] == 'D' && cabe >= 28) {
            const int q = static_cast<int>(std::find_if(NOMES, NOMES + N_MOMENTOS,
                                                        [b](const char* x) { return std::memcmp(b + 1, x, 3) == 0; }) -
                                           NOMES);
            Bloco m{f32(b + 20), f32(b + 24), double(u16(b + 10)), double(u16(b + 12)), b[19], b + 28, long(u16(b + 8))};
            if (q < N_MOMENTOS && valido(m) && std::size_t(m.n) * (m.bits / 8) <= cabe - 28)
                juntaRaio(c, q, m, azimute, largura);
        }
    }
}

// Message 1 from its body `c` to `fim`: reflectivity, velocity and width at
// the offsets the body gives, fixed conversions.
void radial1(const unsigned char* c, const unsigned char* fim, Lidos& l) {
    if (fim - c < 62) return;
    const std::size_t resto = static_cast<std::size_t>(fim - c);
    const double angulo = 180.0 / 32768;
    const double azimute = u16(c + 8) * angulo;
    double elevacao = u16(c + 14) * angulo;
    if (elevacao > 180) elevacao -= 360;
    const unsigned numero = u16(c + 16);
    if (numero == 0 || numero > 255 || std::fabs(elevacao) > 90) return;
    marcaHora(l, u16(c + 4), u32(c));
    Corte& corte = l.cortes[numero];
    corte.somaAngulos += elevacao, ++corte.radiais;
    if (!corte.temNyquist) corte.temNyquist = true, corte.nyquist = i16(c + 60) * 0.01;
    const unsigned resolucao = u16(c + 42); // 2: 0.5 m/s, 4: 1 m/s
    struct Fixo {
        int q;
        unsigned deslocamentoDoDado, portas;
        int primeira, espacamento;
        double escala, deslocamento;
    };
    const Fixo fixos[] = {
        {0, u16(c + 36), u16(c + 26), i16(c + 18), i16(c + 22), 2.0, 66.0},
        {1, u16(c + 38), u16(c + 28), i16(c + 20), i16(c + 24), resolucao == 2 ? 2.0 : resolucao == 4 ? 1.0 : 0.0, 129.0},
        {2, u16(c + 40), u16(c + 28), i16(c + 20), i16(c + 24), 2.0, 129.0},
    };
    for (const Fixo& f : fixos) {
        Bloco b{f.escala, f.deslocamento, double(f.primeira), double(f.espacamento), 8, nullptr, long(f.portas)};
        if (f.deslocamentoDoDado == 0 || !valido(b) || f.deslocamentoDoDado + std::size_t(f.portas) > resto) continue;
        b.portas = c + f.deslocamentoDoDado;
        juntaRaio(corte, f.q, b, azimute, 1.0);
    }
}

// The messages of an inflated record (or of the plain bytes after the header).
void mensagens(const unsigned char* d, std::size_t n, Lidos& l) {
    std::size_t p = 0;
    while (n - p >= CTM + MENSAGEM) {
        const unsigned char* m = d + p;
        const unsigned tipo = m[CTM + 3];
        const std::size_t meias = u16(m + CTM); // size in halfwords, from the message header
        std::size_t comprimento = FAIXA;
        if (tipo == 31 && 2 * meias >= MENSAGEM) comprimento = CTM + 2 * meias;
        comprimento = std::min(comprimento, n - p);
        const unsigned char* fim = m + comprimento;
        if (tipo == 31) radial31(m + CTM + MENSAGEM, fim, l);
        else if (tipo == 1) radial1(m + CTM + MENSAGEM, fim, l);
        p += comprimento;
    }
}

// ------------------------------------------------------------------ the store

// "AAAAMMDD" of a day counted from 1970-01-01 = 1 (civil calendar).
std::string textoDaData(unsigned dia) {
    long z = static_cast<long>(dia) - 1 + 719468;
    const long era = z / 146097, doe = z - era * 146097;
    const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100), mp = (5 * doy + 2) / 153;
    const long d = doy - (153 * mp + 2) / 5 + 1, m = mp < 10 ? mp + 3 : mp - 9, a = yoe + era * 400 + (m <= 2);
    char texto[40];
    std::snprintf(texto, sizeof texto, "%04ld%02ld%02ld", a, m, d);
    return texto;
}

bool alfanumerico(const std::string& s) {
    return s.size() == 4 && std::all_of(s.begin(), s.end(), [](char c) {
               return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
           });
}

// A moment's geometry, conversion and codes into `g`, its raw values
// reserved from `orcamento` (past it, the moment is kept unread); false
// when it has no gate.
bool formaDoMomento(const MomentoLido& m, int q, double nyquist, const char* nome, MomentoGuardado& g,
                    std::size_t& orcamento) {
    long nbins = 0;
    for (const Raio& r : m.raios) nbins = std::max(nbins, r.n);
    if (nbins == 0) return false;
    g.quantidade = QUANTIDADES[q];
    g.nyquist = nyquist;
    VarreduraMedida& v = g.forma;
    v.nrays = static_cast<long>(m.raios.size()), v.nbins = nbins;
    v.rscale = m.espacamento, v.rstart = m.primeira - m.espacamento / 2;
    v.ganho = 1 / m.escala, v.deslocamento = -m.deslocamento / m.escala;
    v.temNaoDetectado = true, v.naoDetectado = 0;
    v.temDobrado = true, v.dobrado = 1;
    v.temSemDados = false;
    for (const Raio& r : m.raios) v.inicioAz.push_back(r.inicio), v.fimAz.push_back(r.fim);
    const std::size_t bytes = static_cast<std::size_t>(v.nrays) * static_cast<std::size_t>(nbins) * sizeof(std::uint16_t);
    if (bytes > orcamento) {
        g.erro = std::string(QUANTIDADES[q]) + " nao foi lido: o volume passa de " +
                 std::to_string(MAX_BYTES_DO_VOLUME / MB) + " MB";
        return true;
    }
    orcamento -= bytes;
    g.lido = true, g.arquivo = nome;
    return true;
}

// The raw values of a moment formed so: ray after ray, shorter ones padded with raw 0.
void copiaPortas(const MomentoLido& m, MomentoGuardado& g) {
    const std::size_t nbins = static_cast<std::size_t>(g.forma.nbins);
    g.curtos.reserve(m.raios.size() * nbins);
    for (const Raio& r : m.raios) {
        const unsigned char* p = r.portas;
        const std::size_t n = static_cast<std::size_t>(r.n);
        if (m.bits == 8) {
            g.curtos.insert(g.curtos.end(), p, p + n);
        } else {
            for (std::size_t b = 0; b < n; ++b) g.curtos.push_back(static_cast<std::uint16_t>(u16(p + 2 * b)));
        }
        g.curtos.insert(g.curtos.end(), nbins - n, 0);
    }
}

// One sweep per elevation angle: a split cut (two elevation numbers within
// 0.1 degree) gives one, its moments from both, the first of each kept.
struct Agrupado {
    double angulo;
    std::vector<std::pair<int, std::size_t>> momentos; // moment, elevation number
};

std::vector<Agrupado> agrupa(const Lidos& l) {
    std::vector<Agrupado> grupos;
    for (std::size_t e = 1; e < l.cortes.size(); ++e) {
        const Corte& c = l.cortes[e];
        if (c.radiais == 0) continue;
        const double angulo = c.somaAngulos / c.radiais;
        auto g = std::find_if(grupos.begin(), grupos.end(),
                              [angulo](const Agrupado& a) { return std::fabs(a.angulo - angulo) <= 0.1; });
        for (int q = 0; q < N_MOMENTOS; ++q) {
            if (c.momentos[q].raios.empty()) continue;
            if (g == grupos.end()) grupos.push_back(Agrupado{angulo, {}}), g = grupos.end() - 1;
            if (std::none_of(g->momentos.begin(), g->momentos.end(), [q](const auto& x) { return x.first == q; }))
                g->momentos.emplace_back(q, e);
        }
    }
    for (Agrupado& g : grupos) std::sort(g.momentos.begin(), g.momentos.end());
    std::stable_sort(grupos.begin(), grupos.end(), [](const Agrupado& a, const Agrupado& b) { return a.angulo < b.angulo; });
    return grupos;
}

const char* motivo(const std::vector<Registro>& registros) {
    for (const Registro& r : registros) switch (r.falha) {
        case Falha::NENHUMA: break;
        case Falha::CORTADO: return " (arquivo cortado?)";
        case Falha::DANIFICADO: return " (dados bzip2 danificados)";
        case Falha::GRANDE: return " (um registro bzip2 passa de 64 MB descomprimido)";
        case Falha::TOTAL: return " (o volume passa de 1024 MB descomprimido)";
        }
    return "";
}

// Inflates a gzip file's content (members one after another), at most
// MAX_DESCOMPRIMIDO; a damaged or cut end keeps what came before it.
bool inflaGzip(const std::vector<unsigned char>& entrada, std::vector<unsigned char>& saida) {
    z_stream z{};
    if (inflateInit2(&z, 16 + MAX_WBITS) != Z_OK) return false;
    std::size_t lido = 0, feito = 0;
    saida.resize(std::min(MAX_DESCOMPRIMIDO, std::max<std::size_t>(entrada.size() * 8, 1 << 16)));
    bool cabe = true;
    for (;;) {
        if (feito == saida.size()) {
            if (feito >= MAX_DESCOMPRIMIDO) {
                cabe = false;
                break;
            }
            saida.resize(std::min(MAX_DESCOMPRIMIDO, feito * 2));
        }
        const uInt tem = static_cast<uInt>(std::min<std::size_t>(entrada.size() - lido, 1u << 30));
        const uInt espaco = static_cast<uInt>(std::min<std::size_t>(saida.size() - feito, 1u << 30));
        z.next_in = const_cast<Bytef*>(entrada.data() + lido), z.avail_in = tem;
        z.next_out = saida.data() + feito, z.avail_out = espaco;
        const int rc = inflate(&z, Z_NO_FLUSH);
        lido += tem - z.avail_in, feito += espaco - z.avail_out;
        if (rc == Z_STREAM_END) {
            if (entrada.size() - lido < 2 || entrada[lido] != 0x1f || entrada[lido + 1] != 0x8b) break;
            inflateReset(&z); // another member
        } else if (rc != Z_OK) {
            break;
        }
    }
    inflateEnd(&z);
    saida.resize(feito);
    return cabe;
}

} // namespace

// ------------------------------------------------------------------ entry points

bool comecaComoNexrad(const char* nome) {
    gzFile f = gzopen(nome, "rb"); // plain files are read as they are
    if (!f) return false;
    char inicio[4] = {};
    const bool sim = gzread(f, inicio, sizeof inicio) == 4 && std::memcmp(inicio, "AR2V", 4) == 0;
    gzclose(f);
    return sim;
}

bool leNexradDeBytes(const unsigned char* dados, std::size_t n, const char* nome, Volume& volume, std::string& erro) {
    const std::string citado = std::string("'") + nome + "'";
    if (n < 4 || std::memcmp(dados, "AR2V", 4) != 0) {
        erro = citado + ": nao e um volume NEXRAD Archive II (nao comeca com AR2V)";
        return false;
    }
    if (n < CABECALHO) {
        erro = citado + ": volume NEXRAD cortado no cabecalho";
        return false;
    }
    std::vector<Registro> registros = registrosDe(dados, n);
    inflaTodos(registros);
    auto l = std::make_unique<Lidos>();
    for (const Registro& r : registros)
        if (r.bzip2) mensagens(r.saida.data(), r.saida.size(), *l);
        else mensagens(r.dados, r.n, *l);

    Volume lido;
    std::size_t orcamento = MAX_BYTES_DO_VOLUME;
    std::vector<const MomentoLido*> origens; // of each moment kept, in order
    for (const Agrupado& g : agrupa(*l)) {
        ElevacaoGuardada e;
        e.angulo = g.angulo;
        for (const auto& [q, numero] : g.momentos) {
            const Corte& c = l->cortes[numero];
            e.momentos.emplace_back();
            if (formaDoMomento(c.momentos[q], q, c.nyquist, nome, e.momentos.back(), orcamento))
                origens.push_back(&c.momentos[q]);
            else
                e.momentos.pop_back();
        }
        if (!e.momentos.empty()) lido.elevacoes.push_back(std::move(e));
    }
    std::vector<MomentoGuardado*> destinos;
    for (ElevacaoGuardada& e : lido.elevacoes)
        for (MomentoGuardado& m : e.momentos) destinos.push_back(&m);
    const bool algum = MAX_BYTES_DO_VOLUME > orcamento;
    emParalelo(destinos.size(), MAX_BYTES_DO_VOLUME - orcamento > 4 * MB, [&](std::size_t k) {
        if (destinos[k]->lido) copiaPortas(*origens[k], *destinos[k]);
    });
    if (!algum) {
        erro = citado + ": nenhuma radial NEXRAD legivel" + motivo(registros);
        return false;
    }
    lido.nome = nome;
    if (l->temHora && l->ms < 86400000u) {
        char hora[16];
        const unsigned s = l->ms / 1000;
        std::snprintf(hora, sizeof hora, "%02u%02u%02u", s / 3600, s / 60 % 60, s % 60);
        lido.data = textoDaData(l->data), lido.hora = hora;
    }
    const std::string doCabecalho(reinterpret_cast<const char*>(dados) + 20, 4);
    lido.sitio = alfanumerico(doCabecalho) ? doCabecalho : alfanumerico(l->sitio) ? l->sitio : "";
    lido.posicao = l->posicao;
    lido.paletas = std::move(volume.paletas);
    volume = std::move(lido);
    return true;
}

bool leNexrad(const char* nome, Volume& volume, std::string& erro) {
    const std::string citado = std::string("'") + nome + "'";
    std::ifstream f(nome, std::ios::binary);
    f.seekg(0, std::ios::end);
    const std::streamoff tamanho = f ? static_cast<std::streamoff>(f.tellg()) : -1;
    if (tamanho < 0) {
        erro = citado + ": nao foi possivel ler o arquivo";
        return false;
    }
    if (static_cast<std::size_t>(tamanho) > MAX_ARQUIVO) {
        erro = citado + ": arquivo NEXRAD de mais de " + std::to_string(MAX_ARQUIVO / MB) + " MB";
        return false;
    }
    std::vector<unsigned char> dados(static_cast<std::size_t>(tamanho));
    f.seekg(0);
    if (!f.read(reinterpret_cast<char*>(dados.data()), tamanho)) {
        erro = citado + ": nao foi possivel ler o arquivo";
        return false;
    }
    if (dados.size() >= 2 && dados[0] == 0x1f && dados[1] == 0x8b) {
        std::vector<unsigned char> conteudo;
        if (!inflaGzip(dados, conteudo)) {
            erro = citado + ": o conteudo gzip passa de " + std::to_string(MAX_DESCOMPRIMIDO / MB) + " MB";
            return false;
        }
        dados = std::move(conteudo);
    }
    return leNexradDeBytes(dados.data(), dados.size(), nome, volume, erro);
}
