// gerador --nexrad: writes a synthetic NEXRAD Level II (Archive II) volume:
// message 31 radials (or message 1 ones) in bzip2 records (or plain), the
// whole file gzipped or cut if asked, holding the synthetic scene or single
// echoes put at known azimuths and ranges in every moment.

#include "gerador_nexrad.h"
#include "gerador_numero.h"

#include <bzlib.h>
#include <zlib.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Eco {
    double azimute, km, valor;
};

struct OpcoesNexrad {
    std::string arquivo;
    std::string site = "KSIN";
    std::string data = "20240102", hora = "030400";
    double lat = -22.8, lon = -47.1, altura = 650;
    int elevacoes = 1;
    long portas = 0;  // 0: as many as the real ones
    long radiais = 0; // per sweep; 0: 360, or 720 with --super
    bool super = false, mensagem1 = false, semBzip2 = false, gzip = false, cortado = false, dividida = false;
    std::vector<Eco> ecos, dobrados;
    bool cena() const { return ecos.empty() && dobrados.empty(); } // no echo asked for: the scene
};

void ajuda(FILE* f) {
    std::fputs(
        "Uso: gerador --nexrad ARQUIVO [opcoes] (e --semente, --cheia da cena)\n"
        "Grava um volume NEXRAD Level II (Archive II) sintetico: a cena como REF, ou so\n"
        "os ecos de --eco em todos os momentos.\n"
        "  --eco AZ,KM,VALOR    um eco no azimute AZ (graus) e alcance KM: REF de VALOR dBZ,\n"
        "                       VEL e SW de VALOR m/s, ZDR, PHI e RHO de VALOR; repetivel\n"
        "  --dobrado AZ,KM      uma celula de velocidade dobrada em alcance (bruto 1)\n"
        "  --elevacoes N        varreduras (padrao 1) a 0.5, 1.5... graus; os ecos sobem\n"
        "                       10 a cada elevacao\n"
        "  --dividida           a primeira elevacao em dois cortes (REF, ZDR, PHI, RHO e\n"
        "                       depois REF de VALOR - 5, VEL, SW)\n"
        "  --super              720 radiais de 0.5 grau por varredura\n"
        "  --portas N           celulas por momento, no maximo (REF 1832, os outros 1192;\n"
        "                       na mensagem 1, 460 e 920)\n"
        "  --radiais N          radiais por varredura (padrao 360, 720 com --super), para\n"
        "                       arquivos pequenos (a resolucao gravada segue --super)\n"
        "  --mensagem1          radiais da mensagem 1: REF em celulas de 1 km, VEL e SW\n"
        "                       de 250 m\n"
        "  --sem-bzip2          mensagens sem compressao (como AR2V0001)\n"
        "  --gzip               o arquivo inteiro em gzip\n"
        "  --cortado            corta o arquivo gravado pela metade\n"
        "  --site KXXX          codigo ICAO (padrao KSIN)\n"
        "  --posicao LAT,LON,H  posicao do radar (padrao -22.8,-47.1,650)\n"
        "  --data AAAAMMDD --hora HHMMSS   inicio do volume, UTC (20240102, 030400)\n",
        f);
}

// ------------------------------------------------------------------ bytes

void poe16(std::string& s, std::size_t p, unsigned v) {
    s[p] = static_cast<char>(v >> 8 & 0xff);
    s[p + 1] = static_cast<char>(v & 0xff);
}
void poe32(std::string& s, std::size_t p, std::uint32_t v) {
    poe16(s, p, v >> 16);
    poe16(s, p + 2, v & 0xffff);
}
void poeReal(std::string& s, std::size_t p, double v) {
    const float f = static_cast<float>(v);
    std::uint32_t x = 0;
    std::memcpy(&x, &f, sizeof x);
    poe32(s, p, x);
}

// Days counted from 1970-01-01 = 1 of a civil date.
unsigned diaJuliano(int a, int m, int d) {
    a -= m <= 2;
    const long era = (a >= 0 ? a : a - 399) / 400;
    const long yoe = a - era * 400, doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return static_cast<unsigned>(era * 146097 + doe - 719468 + 1);
}

// ------------------------------------------------------------------ radials

// Moments of message 31 as written: word size and conversion, value = (raw - offset) / scale.
struct Momento {
    const char* nome;
    int bits;
    double escala, deslocamento;
    bool doppler; // of the Doppler cut in a split cut
};
const Momento MOMENTOS[] = {
    {"REF", 8, 2, 66, false},    {"VEL", 8, 2, 129, true},    {"SW ", 8, 2, 129, true},
    {"ZDR", 16, 16, 1024, false}, {"PHI", 16, 2.8361, 2, false}, {"RHO", 8, 2, 128, false},
};

unsigned bruto(double valor, double escala, double deslocamento, int bits) {
    const double r = std::floor(valor * escala + deslocamento + 0.5), maximo = bits == 8 ? 255 : 65535;
    return static_cast<unsigned>(r < 2 ? 2 : r > maximo ? maximo : r); // 0 and 1 are codes
}

bool contemAzimute(double inicio, double largura, double az) {
    const double d = std::fmod(std::fmod(az - inicio, 360.0) + 360.0, 360.0);
    return d < largura;
}

// One sweep's radial: where it points and which of its moments are written.
struct Radial {
    int numero, degrau;  // elevation number (1-based), rank from the lowest sweep
    long k, n;           // radial k of n
    double largura;      // degrees
    bool superficie, doppler; // the cuts of a split cut (both: an ordinary sweep)
    unsigned status;
    std::uint32_t ms;
};

// Raw gates of a moment: the echoes (and folded gates) in their bins, or the
// scene's reflectivity at each bin's centre.
std::vector<unsigned> portasDe(const OpcoesNexrad& op, const std::vector<double>& cena, const Radial& r, const Momento& m,
                               long n, double primeira, double espacamento, double valorExtra) {
    std::vector<unsigned> v(static_cast<std::size_t>(n), 0);
    const double inicio = r.k * r.largura;
    for (long b = 0; b < n; ++b) {
        const double de = (primeira - espacamento / 2 + b * espacamento) / 1000, ate = de + espacamento / 1000;
        if (op.cena()) {
            const double porta = std::floor((de + ate) / 2 / 0.25);
            const long linha = static_cast<long>(std::floor(inicio + r.largura / 2)) % 360;
            if (porta < 0 || porta >= 2000) continue;
            const double x = cena[static_cast<std::size_t>(linha * 2000 + static_cast<long>(porta))];
            if (x > -999) v[static_cast<std::size_t>(b)] = bruto(x, m.escala, m.deslocamento, m.bits);
            continue;
        }
        for (const Eco& e : op.ecos)
            if (contemAzimute(inicio, r.largura, e.azimute) && e.km >= de && e.km < ate)
                v[static_cast<std::size_t>(b)] = bruto(e.valor + 10.0 * r.degrau + valorExtra, m.escala, m.deslocamento, m.bits);
        if (std::strcmp(m.nome, "VEL") == 0)
            for (const Eco& e : op.dobrados)
                if (contemAzimute(inicio, r.largura, e.azimute) && e.km >= de && e.km < ate) v[static_cast<std::size_t>(b)] = 1;
    }
    return v;
}

// The 12-byte transport header and the message header of a message of `tamanho` bytes after it.
std::string cabecalhoDeMensagem(std::size_t tamanho, unsigned tipo, unsigned data, std::uint32_t ms, unsigned sequencia) {
    std::string s(12 + 16, '\0');
    poe16(s, 12, static_cast<unsigned>(tamanho / 2));
    s[14] = 8, s[15] = static_cast<char>(tipo);
    poe16(s, 16, sequencia & 0xffff);
    poe16(s, 18, data);
    poe32(s, 20, ms);
    poe16(s, 24, 1), poe16(s, 26, 1);
    return s;
}

std::string mensagem31(const OpcoesNexrad& op, const std::vector<double>& cena, const Radial& r, unsigned data) {
    const double azimute = (r.k + 0.5) * r.largura, elevacao = 0.5 + r.degrau;
    std::string corpo(72, '\0'); // data header: 10 offsets, fewer blocks
    std::vector<std::uint32_t> deslocamentos;
    const auto bloco = [&](const std::string& b) { deslocamentos.push_back(static_cast<std::uint32_t>(corpo.size())), corpo += b; };
    std::string vol(44, '\0');
    std::memcpy(&vol[0], "RVOL", 4), poe16(vol, 4, 44), vol[6] = 1;
    poeReal(vol, 8, op.lat), poeReal(vol, 12, op.lon);
    poe16(vol, 16, static_cast<unsigned>(std::lround(op.altura) - 10) & 0xffff), poe16(vol, 18, 10); // site + feedhorn
    poe16(vol, 40, 212);
    bloco(vol);
    std::string elv(12, '\0');
    std::memcpy(&elv[0], "RELV", 4), poe16(elv, 4, 12);
    bloco(elv);
    std::string rad(28, '\0');
    std::memcpy(&rad[0], "RRAD", 4), poe16(rad, 4, 28), poe16(rad, 6, 1175), poe16(rad, 16, 2850);
    bloco(rad);
    for (const Momento& m : MOMENTOS) {
        const bool pedido = op.cena() ? std::strcmp(m.nome, "REF") == 0
                                            : (m.doppler ? r.doppler : r.superficie) || std::strcmp(m.nome, "REF") == 0;
        if (!pedido) continue;
        const bool ref = std::strcmp(m.nome, "REF") == 0;
        const long n = op.portas > 0 ? std::min(op.portas, ref ? 1832L : 1192L) : ref ? 1832 : 1192;
        const std::vector<unsigned> v = portasDe(op, cena, r, m, n, 2125, 250, ref && !r.superficie ? -5 : 0);
        std::string b(28, '\0');
        b[0] = 'D', std::memcpy(&b[1], m.nome, 3);
        poe16(b, 8, static_cast<unsigned>(n)), poe16(b, 10, 2125), poe16(b, 12, 250), poe16(b, 14, 16), poe16(b, 16, 40);
        b[19] = static_cast<char>(m.bits);
        poeReal(b, 20, m.escala), poeReal(b, 24, m.deslocamento);
        for (unsigned x : v) {
            if (m.bits == 16) b += static_cast<char>(x >> 8);
            b += static_cast<char>(x & 0xff);
        }
        bloco(b);
    }
    if (corpo.size() % 2) corpo += '\0';
    std::memcpy(&corpo[0], op.site.data(), 4);
    poe32(corpo, 4, r.ms), poe16(corpo, 8, data), poe16(corpo, 10, static_cast<unsigned>(r.k + 1));
    poeReal(corpo, 12, azimute);
    poe16(corpo, 18, static_cast<unsigned>(corpo.size()));
    corpo[20] = static_cast<char>(op.super ? 1 : 2);
    corpo[21] = static_cast<char>(r.status), corpo[22] = static_cast<char>(r.numero), corpo[23] = 1;
    poeReal(corpo, 24, elevacao);
    poe16(corpo, 30, static_cast<unsigned>(deslocamentos.size()));
    for (std::size_t k = 0; k < deslocamentos.size(); ++k) poe32(corpo, 32 + 4 * k, deslocamentos[k]);
    return cabecalhoDeMensagem(16 + corpo.size(), 31, data, r.ms, static_cast<unsigned>(r.k)) + corpo;
}

// Message 1 in its 2432-byte slot: reflectivity of 1 km gates, velocity and width of 250 m.
std::string mensagem1(const OpcoesNexrad& op, const std::vector<double>& cena, const Radial& r, unsigned data) {
    const double codigo = 32768.0 / 180;
    const long nRef = op.portas > 0 ? std::min(op.portas, 460L) : 460;
    const long nDop = op.portas > 0 ? std::min(op.portas, 920L) : 920;
    std::string c(2404, '\0');
    poe32(c, 0, r.ms), poe16(c, 4, data), poe16(c, 6, 1175);
    // Coded down, so that the ray's span still holds its whole-degree start.
    poe16(c, 8, static_cast<unsigned>(std::floor((r.k + 0.5) * r.largura * codigo)) & 0xffff);
    poe16(c, 10, static_cast<unsigned>(r.k + 1)), poe16(c, 12, r.status);
    poe16(c, 14, static_cast<unsigned>(std::lround((0.5 + r.degrau) * codigo))), poe16(c, 16, static_cast<unsigned>(r.numero));
    poe16(c, 18, 500), poe16(c, 20, 125), poe16(c, 22, 1000), poe16(c, 24, 250); // first gates' centres, spacings
    poe16(c, 26, static_cast<unsigned>(nRef)), poe16(c, 28, static_cast<unsigned>(nDop)), poe16(c, 30, 1);
    const unsigned ref = 100, vel = ref + static_cast<unsigned>(nRef), sw = vel + static_cast<unsigned>(nDop);
    poe16(c, 36, ref), poe16(c, 38, vel), poe16(c, 40, sw), poe16(c, 42, 2), poe16(c, 44, 21), poe16(c, 60, 2850);
    const Momento fixos[] = {{"REF", 8, 2, 66, false}, {"VEL", 8, 2, 129, true}, {"SW ", 8, 2, 129, true}};
    const unsigned inicios[] = {ref, vel, sw};
    for (int q = 0; q < 3; ++q) {
        if (q > 0 && op.cena()) break;
        const std::vector<unsigned> v =
            portasDe(op, cena, r, fixos[q], q == 0 ? nRef : nDop, q == 0 ? 500 : 125, q == 0 ? 1000 : 250, 0);
        for (std::size_t b = 0; b < v.size(); ++b) c[inicios[q] + b] = static_cast<char>(v[b]);
    }
    return cabecalhoDeMensagem(2416, 1, data, r.ms, static_cast<unsigned>(r.k)) + c;
}

// ------------------------------------------------------------------ the file

std::string bzip2(const std::string& s) {
    std::string saida(s.size() + s.size() / 100 + 1024, '\0');
    unsigned n = static_cast<unsigned>(saida.size());
    if (BZ2_bzBuffToBuffCompress(&saida[0], &n, const_cast<char*>(s.data()), static_cast<unsigned>(s.size()), 9, 0, 30) != BZ_OK)
        return std::string();
    saida.resize(n);
    return saida;
}

std::string gzip(const std::string& s) {
    z_stream z{};
    std::string saida(compressBound(static_cast<uLong>(s.size())) + 64, '\0');
    deflateInit2(&z, 6, Z_DEFLATED, 16 + MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(s.data()));
    z.avail_in = static_cast<uInt>(s.size());
    z.next_out = reinterpret_cast<Bytef*>(&saida[0]);
    z.avail_out = static_cast<uInt>(saida.size());
    deflate(&z, Z_FINISH);
    saida.resize(z.total_out);
    deflateEnd(&z);
    return saida;
}

// Every radial message of the volume, sweep after sweep from the lowest.
std::vector<std::string> radiais(const OpcoesNexrad& op, const std::vector<double>& cena, unsigned data, std::uint32_t ms0) {
    std::vector<std::string> lista;
    const long n = op.radiais > 0 ? op.radiais : op.super ? 720 : 360;
    int numero = 0;
    for (int degrau = 0; degrau < op.elevacoes; ++degrau)
        for (int corte = 0; corte < (op.dividida && degrau == 0 ? 2 : 1); ++corte) {
            ++numero;
            const bool dividido = op.dividida && degrau == 0;
            for (long k = 0; k < n; ++k) {
                const bool ultimo = degrau == op.elevacoes - 1 && (!op.dividida || degrau > 0 || corte == 1);
                unsigned status = k == 0 ? (numero == 1 ? 3 : 0) : k == n - 1 ? (ultimo ? 4 : 2) : 1;
                const std::uint32_t ms = static_cast<std::uint32_t>((ms0 + lista.size() * 50) % 86400000);
                const Radial r{numero, degrau, k, n, 360.0 / n, !dividido || corte == 0, !dividido || corte == 1, status, ms};
                lista.push_back(op.mensagem1 ? mensagem1(op, cena, r, data) : mensagem31(op, cena, r, data));
            }
        }
    return lista;
}

int grava(const OpcoesNexrad& op, const std::vector<double>& cena) {
    int a = 0, m = 0, d = 0, hh = 0, mm = 0, ss = 0;
    if (std::sscanf(op.data.c_str(), "%4d%2d%2d", &a, &m, &d) != 3 || std::sscanf(op.hora.c_str(), "%2d%2d%2d", &hh, &mm, &ss) != 3) {
        std::fprintf(stderr, "gerador: --data AAAAMMDD e --hora HHMMSS\n");
        return 2;
    }
    const unsigned data = diaJuliano(a, m, d);
    const std::uint32_t ms = static_cast<std::uint32_t>(((hh * 60 + mm) * 60 + ss) * 1000);
    std::string arquivo(24, '\0');
    std::memcpy(&arquivo[0], op.semBzip2 ? "AR2V0001.001" : "AR2V0006.001", 12);
    poe32(arquivo, 12, data), poe32(arquivo, 16, ms);
    std::memcpy(&arquivo[20], op.site.data(), 4);
    // The metadata record: a few fixed-slot messages of other types.
    std::string metadados;
    for (unsigned tipo : {15u, 13u, 18u, 3u, 5u, 2u})
        metadados += cabecalhoDeMensagem(2416, tipo, data, ms, 0) + std::string(2404, '\0');
    std::vector<std::string> registros{metadados};
    const std::vector<std::string> lista = radiais(op, cena, data, ms);
    for (std::size_t k = 0; k < lista.size(); ++k) {
        if (k % 120 == 0) registros.emplace_back();
        registros.back() += lista[k];
    }
    for (std::size_t k = 0; k < registros.size(); ++k) {
        if (op.semBzip2) {
            arquivo += registros[k];
            continue;
        }
        const std::string z = bzip2(registros[k]);
        std::string tamanho(4, '\0');
        const std::int32_t t = static_cast<std::int32_t>(z.size());
        poe32(tamanho, 0, static_cast<std::uint32_t>(k + 1 == registros.size() ? -t : t)); // the last one negative
        arquivo += tamanho + z;
    }
    if (op.gzip) arquivo = gzip(arquivo);
    if (op.cortado) arquivo.resize(arquivo.size() / 2);
    FILE* f = std::fopen(op.arquivo.c_str(), "wb");
    const bool ok = f && std::fwrite(arquivo.data(), 1, arquivo.size(), f) == arquivo.size();
    if (f && std::fclose(f) != 0) return 1;
    if (!ok) {
        std::fprintf(stderr, "gerador: nao foi possivel gravar '%s'\n", op.arquivo.c_str());
        return 1;
    }
    return 0;
}


bool siteValido(const std::string& s) {
    if (s.size() != 4) return false;
    for (char c : s)
        if (!((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))) return false;
    return true;
}

} // namespace

int principalNexrad(int argc, char** argv, const std::function<std::vector<double>()>& cena) {
    OpcoesNexrad op;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const char* prox = i + 1 < argc ? argv[i + 1] : nullptr;
        const auto texto = [&](std::string& destino) {
            if (!prox) {
                std::fprintf(stderr, "gerador: %s precisa de um valor\n", a.c_str());
                std::exit(2);
            }
            destino = prox;
            ++i;
        };
        const auto inteiro = [&](double minimo, double maximo) {
            double v = 0;
            if (!numero(prox, v) || v < minimo || v > maximo || v != std::floor(v)) {
                std::fprintf(stderr, "gerador: %s precisa de um inteiro de %g a %g\n", a.c_str(), minimo, maximo);
                std::exit(2);
            }
            ++i;
            return v;
        };
        if (a == "--nexrad") texto(op.arquivo);
        else if (a == "--help") return ajuda(stdout), 0;
        else if (a == "--site") {
            texto(op.site);
            for (char& c : op.site) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
        }
        else if (a == "--data") texto(op.data);
        else if (a == "--hora") texto(op.hora);
        else if (a == "--elevacoes") op.elevacoes = static_cast<int>(inteiro(1, 50));
        else if (a == "--portas") op.portas = static_cast<long>(inteiro(1, 1832));
        else if (a == "--radiais") op.radiais = static_cast<long>(inteiro(1, 3600));
        else if (a == "--super") op.super = true;
        else if (a == "--dividida") op.dividida = true;
        else if (a == "--mensagem1") op.mensagem1 = true;
        else if (a == "--sem-bzip2") op.semBzip2 = true;
        else if (a == "--gzip") op.gzip = true;
        else if (a == "--cortado") op.cortado = true;
        else if (a == "--posicao") {
            if (!prox || std::sscanf(prox, "%lf,%lf,%lf", &op.lat, &op.lon, &op.altura) != 3) {
                std::fprintf(stderr, "gerador: --posicao precisa de LAT,LON,H\n");
                return 2;
            }
            ++i;
        } else if (a == "--eco" || a == "--dobrado") {
            Eco e{};
            const bool eco = a == "--eco";
            if (!prox || std::sscanf(prox, "%lf,%lf,%lf", &e.azimute, &e.km, &e.valor) != (eco ? 3 : 2)) {
                std::fprintf(stderr, "gerador: %s precisa de %s\n", a.c_str(), eco ? "AZ,KM,VALOR" : "AZ,KM");
                return 2;
            }
            (eco ? op.ecos : op.dobrados).push_back(e);
            ++i;
        } else if (a == "--semente" || a == "--cheia") {
            i += a == "--semente"; // the scene's options, read by the caller
        } else {
            std::fprintf(stderr, "gerador: opcao desconhecida: %s\n", a.c_str());
            ajuda(stderr);
            return 2;
        }
    }
    if (op.arquivo.empty() || !siteValido(op.site) || (op.super && op.mensagem1)) {
        std::fprintf(stderr, "gerador: --nexrad ARQUIVO, --site de 4 letras maiusculas ou digitos, "
                             "--super sem --mensagem1\n");
        return 2;
    }
    return grava(op, op.cena() ? cena() : std::vector<double>());
}
