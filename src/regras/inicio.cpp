// Start-up: the command line, then the scan file read into the scan store
// (an ODIM_H5 file or a text scan, told apart by their first bytes) and the
// radar site.
#include "inicio.h"

#include <getopt.h>
#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "estado.h"
#include "leitura/formatos.h"
#include "leitura/odim.h"
#include "leitura/paleta_gr.h"
#include "leitura/varredura_texto.h"

namespace {

char NOME_PADRAO[] = "dados.dat";

const char* const USO =
    "uso: vorlane [opcoes] [arquivo-de-varredura [primeiro-raio]]\n"
    "     vorlane [opcoes] arquivo-ou-pasta...\n"
    "\n"
    "Mostra uma varredura de radar meteorologico: um arquivo de varredura em\n"
    "texto, ODIM_H5 (volume ou varredura polar), NEXRAD Level II (Archive II, tambem\n"
    "em gzip) ou CfRadial (NetCDF), reconhecido pelo conteudo. Sem arquivo,\n"
    "le 'dados.dat' da pasta atual.\n"
    "\n"
    "  primeiro-raio        (texto) celula de 250 m do primeiro valor de cada raio\n"
    "  --elevacao N         (ODIM_H5) a N-esima elevacao, da mais baixa (1, padrao)\n"
    "  --quantidade Q       (ODIM_H5) a grandeza Q (padrao: DBZH, senao TH, DBZV, TV,\n"
    "                       senao a primeira)\n"
    "  varios arquivos ou uma pasta formam uma serie no tempo (teclas . , Home End,\n"
    "  espaco para animar, + e - para a velocidade)\n"
    "  --seguir PASTA       abre as varreduras da pasta e mostra as que chegarem\n"
    "  --janela N           (--seguir) varreduras mantidas na serie (padrao 24)\n"
    "  --memoria MB         limite das varreduras guardadas de uma serie (padrao 512)\n"
    "  --local LAT,LON      onde esta o radar (graus), para o mapa de qualquer lugar\n"
    "  --paleta [Q=]ARQUIVO tabela de cores GR (.pal) para a grandeza Q (VRADH, ...)\n"
    "                       ou, sem Q, para o produto que o arquivo diz (Product:);\n"
    "                       pode repetir\n"
    "  --imagem ARQUIVO     grava a imagem da janela principal (.png ou .tif) sem\n"
    "                       abrir janela nem display, e termina; nunca substitui\n"
    "                       um arquivo que ja existe\n"
    "  --tamanho LxA        (--imagem) largura x altura em pixels, 16 a 8192 cada\n"
    "                       (padrao 640x640)\n"
    "  --help               mostra esta ajuda e termina\n"
    "  --version            mostra a versao e termina\n"
    "  --                   o que segue e arquivo, mesmo comecando com '-'\n"
    "\n"
    "Mapas: litoral, lagos, fronteiras e rios do GSHHG (P. Wessel e W. H. F. Smith,\n"
    "LGPL-3); cidades do GeoNames (geonames.org, CC BY 4.0), pela libgeonames.\n";

// An argument such as "-5" or "-.5" is a (negative) number, not an option.
bool pareceNumero(const char* s) { return s[0] == '-' && (s[1] == '.' || (s[1] >= '0' && s[1] <= '9')); }

bool existe(const char* nome) {
    struct stat st {};
    return stat(nome, &st) == 0;
}

bool ehPasta(const char* nome) {
    struct stat st {};
    return stat(nome, &st) == 0 && S_ISDIR(st.st_mode);
}

// "WxH", both whole numbers from 16 to 8192.
bool leTamanho(const char* texto, long& w, long& h) {
    const auto numero = [](const char*& p, long& n) {
        if (*p < '0' || *p > '9') return false;
        char* fim = nullptr;
        n = std::strtol(p, &fim, 10);
        p = fim;
        return n >= 16 && n <= 8192;
    };
    const char* p = texto;
    return numero(p, w) && *p++ == 'x' && numero(p, h) && *p == '\0';
}

// A whole number from 1 up, else 0.
long inteiroPositivo(const char* texto) {
    char* fim = nullptr;
    const long n = std::strtol(texto, &fim, 10);
    return fim == texto || *fim != '\0' || n < 1 ? 0 : n;
}

// The user's colour tables: "Q=FILE" (Q letters, digits and '_') or "FILE".
Resultado lePaletas(const std::vector<std::string>& argumentos, std::vector<PaletaDoUsuario>& paletas) {
    for (const std::string& argumento : argumentos) {
        PaletaDoUsuario u;
        std::string arquivo = argumento;
        const std::size_t igual = argumento.find('=');
        if (igual != std::string::npos && igual > 0 &&
            std::all_of(argumento.begin(), argumento.begin() + static_cast<long>(igual),
                        [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; })) {
            u.quantidade = argumento.substr(0, igual);
            arquivo = argumento.substr(igual + 1);
        }
        std::string erro, aviso;
        if (!lePaletaGr(arquivo, u.tabela, erro, aviso)) return Resultado::falha(erro);
        if (!aviso.empty()) std::fprintf(stderr, "vorlane: aviso: %s\n", aviso.c_str());
        u.tipo = u.quantidade.empty() ? grandezaDoProdutoGr(u.tabela.produto) : grandezaDe(u.quantidade);
        if (u.quantidade.empty() && u.tipo == Grandeza::OUTRA) {
            std::string motivo = "a tabela de cores '" + arquivo;
            motivo += "' nao diz de que produto e (Product: '" + u.tabela.produto;
            motivo += "'); use --paleta GRANDEZA=" + arquivo;
            return Resultado::falha(motivo);
        }
        paletas.push_back(std::move(u));
    }
    return Resultado::ok();
}

// Several scans, a folder or a followed folder: a series, shown from its
// oldest scan (a followed folder: its newest). Refused files are skipped with
// one warning each, printed once something can be shown; when nothing can,
// one line.
Resultado abreSerie(const LinhaDeComando& linha) {
    serie.limiteDeBytes = static_cast<std::size_t>(linha.memoriaMB) << 20;
    janelaDaSerie = static_cast<std::size_t>(linha.janela);
    std::vector<std::string> avisos;
    std::string primeiroErro;
    const auto recusa = [&](const std::string& motivo) {
        if (primeiroErro.empty()) primeiroErro = motivo;
        avisos.push_back(motivo);
    };
    for (const char* p : linha.posicionais) {
        std::string erro;
        std::vector<std::string> linhas;
        if (ehPasta(p)) {
            if (!serie.adicionaPasta(p, linhas, erro)) recusa(erro);
        } else if (!serie.adiciona(p, erro)) {
            recusa(erro);
        }
        for (const std::string& l : linhas) recusa(l);
    }
    if (!linha.seguir.empty()) {
        std::string erro;
        if (!seguidor.segue(linha.seguir, erro)) return Resultado::falha(erro);
        pastaSeguida = linha.seguir;
        std::vector<std::string> linhas;
        if (!serie.adicionaPasta(linha.seguir, linhas, erro)) return Resultado::falha(erro);
        for (const std::string& l : linhas) recusa(l);
        serie.limitaA(janelaDaSerie);
    }
    iniciaCidades();
    lugar = UNK;
    while (serie.tamanho() > 0) {
        std::string erro;
        if (serie.mostra(linha.seguir.empty() ? 0 : serie.tamanho() - 1, matriz, volume, lugar, erro)) break;
        recusa(erro);
    }
    if (serie.tamanho() == 0 && linha.seguir.empty()) {
        if (primeiroErro.empty())
            primeiroErro = std::string("nao ha varreduras em '") + linha.posicionais.front() + "'" +
                           (linha.posicionais.size() > 1 ? " nem nos outros argumentos" : "");
        return Resultado::falha(avisos.size() > 1 ? "nenhuma das varreduras pode ser lida (a primeira: " + primeiroErro + ")"
                                                  : primeiroErro);
    }
    if (sitioDaLinhaDeComando.conhecido) lugar = UNK;
    for (const std::string& a : avisos) std::fprintf(stderr, "vorlane: aviso: %s (ignorado)\n", a.c_str());
    for (const std::string& a : serie.avisos) std::fprintf(stderr, "%s\n", a.c_str());
    serie.avisos.clear();
    // --elevacao and --quantidade choose in the first scan shown.
    if (!volume.vazio() && (linha.elevacao > 1 || !linha.quantidade.empty())) {
        const std::size_t e = std::min(static_cast<std::size_t>(linha.elevacao - 1), volume.elevacoes.size() - 1);
        const long q = momentoDaElevacao(volume, e, linha.quantidade);
        std::string erro;
        if (q >= 0 && !mostraMomento(volume, e, static_cast<std::size_t>(q), matriz, erro))
            std::fprintf(stderr, "vorlane: aviso: %s\n", erro.c_str());
    }
    return Resultado::ok();
}

// A NEXRAD or CfRadial file: the whole volume read, then the tilt and
// quantity asked for (else the lowest tilt's reflectivity) shown.
Resultado abreVolume(const LinhaDeComando& linha, const char* nome, Formato formato, const char* primeiroRaio) {
    if (primeiroRaio)
        return Resultado::falha(std::string("primeiro raio '") + primeiroRaio + "' nao vale para '" + nome +
                                "': a geometria vem do arquivo");
    std::string erro;
    iniciaCidades();
    if (!leVolume(nome, formato, volume, erro)) return Resultado::falha(erro);
    if (linha.elevacao > static_cast<long>(volume.elevacoes.size()))
        return Resultado::falha(std::string("'") + nome + "' tem " + std::to_string(volume.elevacoes.size()) +
                                " elevacoes; --elevacao " + std::to_string(linha.elevacao) + " nao existe");
    const std::size_t e = static_cast<std::size_t>(linha.elevacao - 1);
    const long q = momentoDaElevacao(volume, e, linha.quantidade);
    if (q < 0 || (!linha.quantidade.empty() && volume.elevacoes[e].momentos[static_cast<std::size_t>(q)].quantidade != linha.quantidade))
        return Resultado::falha(std::string("a elevacao ") + std::to_string(linha.elevacao) + " de '" + nome + "' nao tem '" +
                                linha.quantidade + "'");
    if (!mostraMomento(volume, e, static_cast<std::size_t>(q), matriz, erro)) {
        volume = Volume();
        return Resultado::falha(erro);
    }
    lugar = UNK;
    return Resultado::ok();
}

} // namespace

Resultado leLinhaDeComando(int argc, char** argv, LinhaDeComando& linha) {
    linha = LinhaDeComando{};
    // getopt_long would take a negative number for options: it is handed a
    // stand-in that reads as an argument ("\x01" and the argument's index),
    // and given back afterwards.
    std::vector<char*> args(argv, argv + argc);
    std::vector<std::string> marcas;
    marcas.reserve(args.size()); // stand-ins keep their addresses
    for (std::size_t k = 1; k < args.size() && std::strcmp(args[k], "--") != 0; ++k)
        if (pareceNumero(args[k])) {
            marcas.push_back("\x01" + std::to_string(k));
            args[k] = marcas.back().data();
        }
    args.push_back(nullptr);
    auto original = [argv](const char* s) -> const char* { return s[0] == '\x01' ? argv[std::atoi(s + 1)] : s; };

    enum { ELEVACAO = 1000, QUANTIDADE, PALETA, MEMORIA, SEGUIR, JANELA, LOCAL, IMAGEM, TAMANHO, AJUDA, VERSAO };
    static const option OPCOES[] = {{"elevacao", required_argument, nullptr, ELEVACAO},
                                    {"quantidade", required_argument, nullptr, QUANTIDADE},
                                    {"paleta", required_argument, nullptr, PALETA},
                                    {"memoria", required_argument, nullptr, MEMORIA},
                                    {"seguir", required_argument, nullptr, SEGUIR},
                                    {"janela", required_argument, nullptr, JANELA},
                                    {"local", required_argument, nullptr, LOCAL},
                                    {"imagem", required_argument, nullptr, IMAGEM},
                                    {"tamanho", required_argument, nullptr, TAMANHO},
                                    {"help", no_argument, nullptr, AJUDA},
                                    {"version", no_argument, nullptr, VERSAO},
                                    {nullptr, 0, nullptr, 0}};
    bool temTamanho = false;
    opterr = 0;
    optind = 1;
    const int n = static_cast<int>(args.size()) - 1;
    for (int c; (c = getopt_long(n, args.data(), ":", OPCOES, nullptr)) != -1;) {
        switch (c) {
        case ELEVACAO:
            linha.elevacao = inteiroPositivo(original(optarg));
            if (linha.elevacao == 0)
                return Resultado::falha(std::string("--elevacao '") + original(optarg) +
                                        "' invalida: use um numero inteiro de 1 em diante");
            linha.temOpcaoOdim = true;
            break;
        case QUANTIDADE:
            linha.quantidade = original(optarg);
            linha.temOpcaoOdim = true;
            break;
        case PALETA: linha.paletas.emplace_back(original(optarg)); break;
        case MEMORIA:
        case JANELA: {
            const long n = inteiroPositivo(original(optarg));
            if (n == 0 || n > 1000000)
                return Resultado::falha(std::string(c == MEMORIA ? "--memoria '" : "--janela '") + original(optarg) +
                                        "' invalida: use um numero inteiro de 1 a 1000000");
            (c == MEMORIA ? linha.memoriaMB : linha.janela) = n;
            break;
        }
        case SEGUIR: linha.seguir = original(optarg); break;
        case LOCAL: {
            const char* texto = original(optarg);
            char* fim = nullptr;
            linha.latitude = std::strtod(texto, &fim);
            const bool virgula = fim != texto && *fim == ',';
            const char* resto = virgula ? fim + 1 : fim;
            linha.longitude = virgula ? std::strtod(resto, &fim) : 0;
            if (!virgula || fim == resto || *fim != '\0' || !posicaoValida(linha.latitude, linha.longitude) ||
                linha.longitude > 180)
                return Resultado::falha(std::string("--local '") + texto +
                                        "' invalido: use LAT,LON em graus (-90..90, -180..180), ex. -22.12,-51.38");
            linha.temLocal = true;
            break;
        }
        case IMAGEM:
            linha.imagem = original(optarg);
            linha.formatoImagem = formatoDaImagem(linha.imagem);
            if (linha.formatoImagem == FormatoDaImagem::NENHUM)
                return Resultado::falha("--imagem '" + linha.imagem + "' invalida: use um nome terminado em .png ou .tif");
            break;
        case TAMANHO:
            if (!leTamanho(original(optarg), linha.larguraDaImagem, linha.alturaDaImagem))
                return Resultado::falha(std::string("--tamanho '") + original(optarg) +
                                        "' invalido: use LARGURAxALTURA, de 16 a 8192 pixels cada, ex. 640x640");
            temTamanho = true;
            break;
        case AJUDA: linha.acao = LinhaDeComando::AJUDA; return Resultado::ok();
        case VERSAO: linha.acao = LinhaDeComando::VERSAO; return Resultado::ok();
        case ':':
            return Resultado::falha(std::string("a opcao '") + args[optind - 1] + "' precisa de um valor; veja vorlane --help");
        default: {
            const char* opcao = args[optind - 1];
            if (optopt != 0 && std::strncmp(opcao, "--", 2) != 0)
                return Resultado::falha(std::string("opcao desconhecida '-") + static_cast<char>(optopt) +
                                        "'; veja vorlane --help");
            return Resultado::falha(std::string("opcao desconhecida '") + opcao + "'; veja vorlane --help");
        }
        }
    }
    if (linha.imagem.empty() && temTamanho) return Resultado::falha("--tamanho vale so com --imagem");
    if (!linha.imagem.empty() && !linha.seguir.empty())
        return Resultado::falha("--imagem grava uma imagem e termina: nao vale com --seguir");
    for (int k = optind; k < n; ++k) linha.posicionais.push_back(original(args[k]));
    // Two arguments are a scan and its first gate unless the second is a
    // file or folder; more are a series of files (a number among them,
    // with no such file, is a mistake).
    if (linha.posicionais.size() > 2)
        for (const char* p : linha.posicionais)
            if (pareceNumero(p) || (p[0] >= '0' && p[0] <= '9' && !existe(p)))
                return Resultado::falha(
                    "argumentos demais; uso: vorlane [opcoes] [arquivo-de-varredura [primeiro-raio]] (veja vorlane --help)");
    return Resultado::ok();
}

FormatoDaImagem formatoDaImagem(const std::string& nome) {
    std::string extensao = nome.substr(std::min(nome.size(), nome.find_last_of('.')));
    std::transform(extensao.begin(), extensao.end(), extensao.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extensao == ".png") return FormatoDaImagem::PNG;
    if (extensao == ".tif" || extensao == ".tiff") return FormatoDaImagem::TIFF;
    return FormatoDaImagem::NENHUM;
}

Resultado inciaMatriz(int argc, char** argv) {
    LinhaDeComando linha;
    return inciaMatriz(argc, argv, linha);
}

Resultado inciaMatriz(int argc, char** argv, LinhaDeComando& linha) {
    const Resultado lida = leLinhaDeComando(argc, argv, linha);
    if (!lida.segue) return lida;
    switch (linha.acao) {
    case LinhaDeComando::AJUDA: return Resultado::termina(USO);
    case LinhaDeComando::VERSAO: return Resultado::termina(std::string("vorlane ") + VORLANE_VERSAO + "\n");
    case LinhaDeComando::ABRE: break;
    }
    // Found before the scan is read; the writer's exclusive creation still
    // guards against a file that appears meanwhile.
    if (!linha.imagem.empty() && existe(linha.imagem.c_str()))
        return Resultado::falha("a imagem '" + linha.imagem + "' ja existe: um arquivo nunca e substituido");
    const Resultado paletas = lePaletas(linha.paletas, volume.paletas);
    if (!paletas.segue) return paletas;
    if (linha.temLocal) sitioDaLinhaDeComando = Sitio{true, linha.latitude, linha.longitude, 0};
    const std::vector<const char*>& p = linha.posicionais;
    if (!linha.seguir.empty() || p.size() > 2 || (p.size() == 2 && existe(p[1])) || (p.size() == 1 && ehPasta(p[0])))
        return abreSerie(linha);
    const char* nome = linha.posicionais.empty() ? NOME_PADRAO : linha.posicionais[0];
    const char* primeiroRaio = linha.posicionais.size() > 1 ? linha.posicionais[1] : nullptr;
    const Formato formato = formatoDoArquivo(nome);
    if (formato == Formato::NEXRAD || formato == Formato::CFRADIAL) return abreVolume(linha, nome, formato, primeiroRaio);
    if (formato == Formato::ODIM) {
        if (primeiroRaio)
            return Resultado::falha(std::string("primeiro raio '") + primeiroRaio + "' nao vale para o arquivo ODIM_H5 '" + nome +
                  "': a geometria vem do arquivo");
        OpcoesOdim opcoes;
        opcoes.elevacao = linha.elevacao;
        opcoes.quantidade = linha.quantidade;
        std::string erro;
        iniciaCidades();
        if (!leOdim(nome, opcoes, volume, matriz, erro)) return Resultado::falha(erro);
        lugar = UNK;
        return Resultado::ok();
    }
    if (linha.temOpcaoOdim)
        return Resultado::falha(std::string("--elevacao e --quantidade valem so para arquivos ODIM_H5; '") + nome +
              "' e uma varredura em texto");
    // A first gate from the name only matters when no argument replaces it.
    if (!matriz.setNome(nome) && !primeiroRaio)
        return Resultado::falha(std::string("o nome '") + nome + "' indica um primeiro raio fora da faixa de 0 a 1999");
    if (primeiroRaio) {
        switch (matriz.setRaioInicial(primeiroRaio)) {
        case 1:
            return Resultado::falha(std::string("primeiro raio invalido '") + primeiroRaio +
                                    "': use apenas digitos, '.' e '-'");
        case 2: return Resultado::falha(std::string("primeiro raio '") + primeiroRaio + "' fora da faixa de 0 a 1999");
        default: break;
        }
    }
    const Resultado lido = matriz.Faz();
    if (!lido.segue) return lido;
    for (const std::string& aviso : textosDosAvisos(nome, matriz.getAvisos())) std::fprintf(stderr, "%s\n", aviso.c_str());
    volume.produto = produtoDe("DBZH", 0, 0, 1, volume.paletas); // the user's reflectivity table, if any
    if (linha.temLocal) lugar = UNK; // a map of the given place instead of the built-in one
    lugar = lugarDoCodigo(matriz.getLocal());
    return Resultado::ok();
}
