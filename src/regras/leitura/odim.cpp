// ODIM_H5 reading: the HDF5 calls that find the sweep and the quantity, read
// their attributes and data, and hand them to the mapping rules. The
// library's own error printing is off: every failure becomes one line.
//
// Index: attributes | the file's sweeps | reading
#include "odim.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <utility>
#include <vector>

#include "hdf5id.h"
#include "mapeamento.h"
#include "matriz.h"
#include "volume.h"

namespace {


// The group `nome` inside `pai`, if it exists and is a group.
Grupo abreGrupo(hid_t pai, const char* nome) {
    if (pai < 0 || H5Lexists(pai, nome, H5P_DEFAULT) <= 0) return Grupo();
    return Grupo(H5Gopen2(pai, nome, H5P_DEFAULT)); // fails on anything but a group
}

// ------------------------------------------------------------------ attributes

// Attribute `nome` of `obj` with `n` elements (a scalar or a one-element
// array counts as one), or an invalid handle.
Atributo abreAtributo(hid_t obj, const char* nome, hssize_t n) {
    if (obj < 0 || H5Aexists(obj, nome) <= 0) return Atributo();
    Atributo a(H5Aopen(obj, nome, H5P_DEFAULT));
    if (!a.valido()) return a;
    Espaco espaco(H5Aget_space(a));
    if (!espaco.valido() || H5Sget_simple_extent_npoints(espaco) != n) return Atributo();
    return a;
}

bool numerico(hid_t atributo) {
    Tipo t(H5Aget_type(atributo));
    const H5T_class_t c = t.valido() ? H5Tget_class(t) : H5T_NO_CLASS;
    return c == H5T_INTEGER || c == H5T_FLOAT;
}

bool leNumeros(hid_t obj, const char* nome, std::vector<double>& valores, hssize_t n) {
    Atributo a = abreAtributo(obj, nome, n);
    if (!a.valido() || !numerico(a)) return false;
    valores.assign(static_cast<std::size_t>(n), 0.0);
    return H5Aread(a, H5T_NATIVE_DOUBLE, valores.data()) >= 0;
}

bool leNumero(hid_t obj, const char* nome, double& valor) {
    std::vector<double> v;
    if (!leNumeros(obj, nome, v, 1)) return false;
    valor = v[0];
    return true;
}

// A string attribute, fixed-length (null-padded or not) or variable-length.
bool leTexto(hid_t obj, const char* nome, std::string& texto) {
    Atributo a = abreAtributo(obj, nome, 1);
    if (!a.valido()) return false;
    Tipo tipo(H5Aget_type(a));
    if (!tipo.valido() || H5Tget_class(tipo) != H5T_STRING) return false;
    Tipo memoria(H5Tcopy(H5T_C_S1));
    if (H5Tis_variable_str(tipo) > 0) {
        char* p = nullptr;
        if (H5Tset_size(memoria, H5T_VARIABLE) < 0 || H5Aread(a, memoria, &p) < 0) return false;
        texto = p ? p : "";
        H5free_memory(p);
        return true;
    }
    const std::size_t tamanho = H5Tget_size(tipo);
    if (tamanho == 0 || tamanho > (1u << 20)) return false;
    std::vector<char> bytes(tamanho + 1, '\0');
    if (H5Tset_size(memoria, tamanho) < 0 || H5Aread(a, memoria, bytes.data()) < 0) return false;
    texto.assign(bytes.data(), strnlen(bytes.data(), tamanho));
    return true;
}

// The first of the groups that has a numeric attribute `nome`.
bool leNumeroDe(std::initializer_list<hid_t> grupos, const char* nome, double& valor) {
    for (hid_t g : grupos)
        if (leNumero(g, nome, valor)) return true;
    return false;
}

// ------------------------------------------------------------ the file's sweeps

struct Dado {
    int indice;             // M of /datasetN/dataM
    std::string quantidade; // what/quantity
};

struct Varredura {
    int indice;        // N of /datasetN
    double elevacao;   // where/elangle, degrees
    std::vector<Dado> dados;
};

constexpr int MAX_GRUPOS = 10000; // datasetN and dataM looked for, at most

std::string nomeNumerado(const char* prefixo, int n) { return prefixo + std::to_string(n); }

std::vector<Varredura> varreduras(hid_t arquivo) {
    std::vector<Varredura> lista;
    for (int n = 1; n <= MAX_GRUPOS; ++n) {
        Grupo conjunto = abreGrupo(arquivo, nomeNumerado("dataset", n).c_str());
        if (!conjunto.valido()) break;
        Varredura v{n, 0, {}};
        Grupo onde = abreGrupo(conjunto, "where");
        if (!leNumero(onde, "elangle", v.elevacao)) continue;
        Grupo oQue = abreGrupo(conjunto, "what");
        for (int m = 1; m <= MAX_GRUPOS; ++m) {
            Grupo dado = abreGrupo(conjunto, nomeNumerado("data", m).c_str());
            if (!dado.valido()) break;
            Dado d{m, {}};
            Grupo oQueDoDado = abreGrupo(dado, "what");
            if (leTexto(oQueDoDado, "quantity", d.quantidade) || leTexto(oQue, "quantity", d.quantidade))
                v.dados.push_back(d);
        }
        lista.push_back(v);
    }
    std::stable_sort(lista.begin(), lista.end(),
                     [](const Varredura& a, const Varredura& b) { return a.elevacao < b.elevacao; });
    return lista;
}

const Dado* escolheDado(const Varredura& v, const std::string& pedida) {
    static const char* const PADRAO[] = {"DBZH", "TH", "DBZV", "TV"};
    for (const char* q : PADRAO) {
        if (!pedida.empty() && pedida != q) continue;
        for (const Dado& d : v.dados)
            if (d.quantidade == q) return &d;
    }
    if (!pedida.empty()) {
        for (const Dado& d : v.dados)
            if (d.quantidade == pedida) return &d;
        return nullptr;
    }
    return v.dados.empty() ? nullptr : &v.dados.front(); // no reflectivity: the first moment
}

std::string quantidades(const Varredura& v) {
    std::string lista;
    for (const Dado& d : v.dados) lista += (lista.empty() ? "" : ", ") + d.quantidade;
    return lista.empty() ? "nenhuma" : lista;
}

// The value of `chave` in an ODIM source text ("NOD:bewid,PLC:Wideumont"),
// items separated by ',' or ';'.
std::string itemDaOrigem(const std::string& origem, const std::string& chave) {
    std::size_t k = 0;
    while (k <= origem.size()) {
        std::size_t fim = origem.find_first_of(",;", k);
        if (fim == std::string::npos) fim = origem.size();
        const std::string item = origem.substr(k, fim - k);
        if (item.size() > chave.size() && item.compare(0, chave.size(), chave) == 0 && item[chave.size()] == ':')
            return item.substr(chave.size() + 1);
        k = fim + 1;
    }
    return "";
}

// The site's name for the panel: printable ASCII, at most 40 characters.
std::string sitioDaOrigem(const std::string& origem) {
    for (const char* chave : {"NOD", "PLC", "RAD", "WMO"}) {
        std::string valor = itemDaOrigem(origem, chave);
        valor.erase(std::remove_if(valor.begin(), valor.end(), [](char c) { return c < 32 || c > 126; }),
                    valor.end());
        if (!valor.empty()) return valor.substr(0, 40);
    }
    return "";
}

// ODIM up to version 2.3 gives rstart in km, from 2.4 in metres; a file that
// says neither is taken as km.
bool rstartEmMetros(hid_t arquivo, hid_t oQue) {
    std::string texto;
    int maior = 0, menor = 0;
    if (leTexto(oQue, "version", texto) && std::sscanf(texto.c_str(), "H5rad %d.%d", &maior, &menor) == 2)
        return maior > 2 || (maior == 2 && menor >= 4);
    if (leTexto(arquivo, "Conventions", texto) && std::sscanf(texto.c_str(), "ODIM_H5/V%d_%d", &maior, &menor) == 2)
        return maior > 2 || (maior == 2 && menor >= 4);
    return false;
}

// ---------------------------------------------------------------------- reading

constexpr hsize_t MAX_VALORES = hsize_t(1) << 24; // raw values of one sweep read, at most

// Raw values a volume keeps in all, at most: beyond it the remaining
// moments are left unread (a hostile file of many huge sweeps).
constexpr std::size_t MAX_BYTES_DO_VOLUME = std::size_t(1) << 30;

// Geometry, conversion and values of /datasetN/dataM into `guardado`, raw
// values compactly; `orcamento` is what the volume may still take, in bytes.
bool leVarredura(hid_t arquivo, const Varredura& escolhida, const Dado& dado, MomentoGuardado& guardado,
                 std::size_t& orcamento, std::string& erro) {
    VarreduraMedida& v = guardado.forma;
    const std::string caminho = nomeNumerado("/dataset", escolhida.indice) + nomeNumerado("/data", dado.indice);
    Grupo raiz(H5Gopen2(arquivo, "/", H5P_DEFAULT));
    Grupo conjunto = abreGrupo(arquivo, nomeNumerado("dataset", escolhida.indice).c_str());
    Grupo grupoDoDado = abreGrupo(conjunto, nomeNumerado("data", dado.indice).c_str());
    Grupo onde = abreGrupo(conjunto, "where"), como = abreGrupo(conjunto, "how"), comoGeral = abreGrupo(raiz, "how");
    Grupo oQue = abreGrupo(grupoDoDado, "what"), oQueDoConjunto = abreGrupo(conjunto, "what"),
          oQueGeral = abreGrupo(raiz, "what");

    if (!grupoDoDado.valido() || H5Lexists(grupoDoDado, "data", H5P_DEFAULT) <= 0) {
        erro = "falta " + caminho + "/data";
        return false;
    }
    Conjunto dados(H5Dopen2(grupoDoDado, "data", H5P_DEFAULT));
    Espaco espaco(dados.valido() ? H5Dget_space(dados) : -1);
    Tipo tipo(dados.valido() ? H5Dget_type(dados) : -1);
    hsize_t dims[2] = {0, 0};
    if (!espaco.valido() || H5Sget_simple_extent_ndims(espaco) != 2 || H5Sget_simple_extent_dims(espaco, dims, nullptr) != 2 ||
        !tipo.valido() || (H5Tget_class(tipo) != H5T_INTEGER && H5Tget_class(tipo) != H5T_FLOAT)) {
        erro = caminho + "/data nao e uma tabela numerica de raios por celulas";
        return false;
    }
    if (dims[0] == 0 || dims[1] == 0 || dims[0] > MAX_VALORES / dims[1]) {
        erro = caminho + "/data tem " + std::to_string(dims[0]) + " x " + std::to_string(dims[1]) +
               " valores (de 1 a " + std::to_string(MAX_VALORES) + ")";
        return false;
    }
    v.nrays = static_cast<long>(dims[0]);
    v.nbins = static_cast<long>(dims[1]);
    const std::size_t n = static_cast<std::size_t>(dims[0] * dims[1]);
    // Integers of up to 16 bits (the usual raw counts) are kept exactly in 16.
    const bool curto = H5Tget_class(tipo) == H5T_INTEGER && H5Tget_size(tipo) <= 2;
    const std::size_t bytes = n * (curto ? sizeof(std::uint16_t) : sizeof(double));
    if (bytes > orcamento) {
        erro = caminho + "/data nao foi lido: o volume passa de " + std::to_string(MAX_BYTES_DO_VOLUME >> 20) + " MB";
        return false;
    }
    herr_t lido;
    if (curto) {
        guardado.comSinal = H5Tget_sign(tipo) == H5T_SGN_2;
        guardado.curtos.assign(n, 0);
        lido = H5Dread(dados, guardado.comSinal ? H5T_NATIVE_INT16 : H5T_NATIVE_UINT16, H5S_ALL, H5S_ALL, H5P_DEFAULT,
                       guardado.curtos.data());
    } else {
        guardado.reais.assign(n, 0.0);
        lido = H5Dread(dados, H5T_NATIVE_DOUBLE, H5S_ALL, H5S_ALL, H5P_DEFAULT, guardado.reais.data());
    }
    if (lido < 0) {
        guardado.curtos.clear(), guardado.reais.clear();
        erro = "nao foi possivel ler " + caminho + "/data (arquivo cortado ou danificado?)";
        return false;
    }
    orcamento -= bytes;

    if (!leNumero(onde, "rscale", v.rscale) || !(v.rscale > 0)) {
        erro = nomeNumerado("/dataset", escolhida.indice) + "/where sem rscale positivo";
        return false;
    }
    if (!leNumero(onde, "rstart", v.rstart)) v.rstart = 0;
    if (!rstartEmMetros(arquivo, oQueGeral)) v.rstart *= 1000;

    leNumeroDe({oQue, oQueDoConjunto, oQueGeral}, "gain", v.ganho);
    leNumeroDe({oQue, oQueDoConjunto, oQueGeral}, "offset", v.deslocamento);
    v.temSemDados = leNumeroDe({oQue, oQueDoConjunto, oQueGeral}, "nodata", v.semDados);
    v.temNaoDetectado = leNumeroDe({oQue, oQueDoConjunto, oQueGeral}, "undetect", v.naoDetectado);

    if (!leNumeroDe({como, comoGeral}, "NI", guardado.nyquist) || !std::isfinite(guardado.nyquist)) guardado.nyquist = 0;

    const hssize_t raios = static_cast<hssize_t>(v.nrays);
    if (!(leNumeros(como, "startazA", v.inicioAz, raios) && leNumeros(como, "stopazA", v.fimAz, raios)) &&
        !(leNumeros(comoGeral, "startazA", v.inicioAz, raios) && leNumeros(comoGeral, "stopazA", v.fimAz, raios))) {
        v.inicioAz.clear();
        v.fimAz.clear();
        if (!leNumeroDe({como, comoGeral}, "astart", v.astart)) v.astart = 0;
    }
    return true;
}

} // namespace

bool comecaComoHdf5(const char* nome) {
    static const char ASSINATURA[8] = {'\x89', 'H', 'D', 'F', '\r', '\n', '\x1a', '\n'};
    std::ifstream f(nome, std::ios::binary);
    char inicio[8] = {};
    return f.read(inicio, sizeof inicio) && std::memcmp(inicio, ASSINATURA, sizeof inicio) == 0;
}

namespace {

// The sweeps of `lista` in `volume`, each with its moments named and not read yet.
void esqueleto(const std::vector<Varredura>& lista, Volume& volume) {
    volume.elevacoes.assign(lista.size(), ElevacaoGuardada());
    for (std::size_t e = 0; e < lista.size(); ++e) {
        volume.elevacoes[e].angulo = lista[e].elevacao;
        for (const Dado& d : lista[e].dados) {
            volume.elevacoes[e].momentos.emplace_back();
            volume.elevacoes[e].momentos.back().quantidade = d.quantidade;
        }
    }
}

} // namespace

bool leOdim(const char* nome, const OpcoesOdim& opcoes, Matriz& m, std::string& erro) {
    Volume volume;
    return leOdim(nome, opcoes, volume, m, erro);
}

namespace {

// An ODIM_H5 polar file opened and checked: its sweeps, date, time and site.
struct Aberto {
    Arquivo arquivo;
    std::vector<Varredura> lista;
    std::string data, hora, sitio, origem;
    Sitio posicao;
};

bool abre(const char* nome, Aberto& a, std::string& erro) {
    H5Eset_auto2(H5E_DEFAULT, nullptr, nullptr);
    const std::string arquivoCitado = std::string("'") + nome + "'";
    a.arquivo = Arquivo(H5Fopen(nome, H5F_ACC_RDONLY, H5P_DEFAULT));
    if (!a.arquivo.valido()) {
        erro = "nao foi possivel ler o arquivo HDF5 " + arquivoCitado + " (cortado ou danificado?)";
        return false;
    }
    Grupo raiz(H5Gopen2(a.arquivo, "/", H5P_DEFAULT));
    Grupo oQue = abreGrupo(raiz, "what");
    std::string objeto;
    if (!leTexto(oQue, "object", objeto)) {
        erro = arquivoCitado + " e HDF5 mas nao ODIM_H5 (falta /what/object)";
        return false;
    }
    if (objeto != "PVOL" && objeto != "SCAN") {
        erro = arquivoCitado + " e um objeto ODIM_H5 '" + objeto +
               "'; o visualizador abre volumes e varreduras polares (PVOL, SCAN)";
        return false;
    }
    a.lista = varreduras(raiz);
    if (a.lista.empty()) {
        erro = arquivoCitado + " nao tem varreduras (/datasetN com where/elangle)";
        return false;
    }
    // The site from the source; date and time of the file, else of the lowest sweep.
    Grupo conjunto = abreGrupo(raiz, nomeNumerado("dataset", a.lista.front().indice).c_str());
    Grupo oQueDoConjunto = abreGrupo(conjunto, "what");
    if (!leTexto(oQue, "date", a.data)) leTexto(oQueDoConjunto, "startdate", a.data);
    if (!leTexto(oQue, "time", a.hora)) leTexto(oQueDoConjunto, "starttime", a.hora);
    leTexto(oQue, "source", a.origem);
    a.sitio = sitioDaOrigem(a.origem);
    Grupo onde = abreGrupo(raiz, "where");
    double lat = 0, lon = 0, altura = 0;
    if (leNumero(onde, "lat", lat) && leNumero(onde, "lon", lon) && posicaoValida(lat, lon)) {
        if (!leNumero(onde, "height", altura) || !std::isfinite(altura)) altura = 0;
        a.posicao = Sitio{true, lat, lon > 180 ? lon - 360 : lon, altura};
    }
    return true;
}

} // namespace

bool sondaOdim(const char* nome, CabecalhoOdim& cabecalho, std::string& erro) {
    Aberto a;
    if (!abre(nome, a, erro)) return false;
    cabecalho = CabecalhoOdim{a.data, a.hora, a.sitio, a.origem, {}};
    for (const Varredura& v : a.lista)
        for (const Dado& d : v.dados)
            if (std::find(cabecalho.quantidades.begin(), cabecalho.quantidades.end(), d.quantidade) ==
                cabecalho.quantidades.end())
                cabecalho.quantidades.push_back(d.quantidade);
    return true;
}

bool mesmoRadar(const std::string& a, const std::string& b) {
    if (a.empty() && b.empty()) return true;
    for (const char* chave : {"WMO", "NOD", "RAD", "PLC"}) {
        const std::string x = itemDaOrigem(a, chave), y = itemDaOrigem(b, chave);
        if (!x.empty() && x == y) return true;
    }
    return false;
}

bool leOdimInteiro(const char* nome, Volume& volume, std::string& erro) {
    Aberto a;
    if (!abre(nome, a, erro)) return false;
    Volume lido;
    esqueleto(a.lista, lido);
    lido.data = a.data, lido.hora = a.hora, lido.sitio = a.sitio, lido.nome = nome, lido.posicao = a.posicao;
    std::size_t orcamento = MAX_BYTES_DO_VOLUME;
    bool algum = false;
    for (std::size_t e = 0; e < a.lista.size(); ++e)
        for (std::size_t q = 0; q < a.lista[e].dados.size(); ++q) {
            MomentoGuardado& guardado = lido.elevacoes[e].momentos[q];
            guardado.lido = leVarredura(a.arquivo, a.lista[e], a.lista[e].dados[q], guardado, orcamento, guardado.erro);
            if (guardado.lido) guardado.arquivo = nome;
            algum = algum || guardado.lido;
        }
    if (!algum) {
        erro = std::string("'") + nome + "': nenhuma grandeza pode ser lida";
        return false;
    }
    lido.paletas = std::move(volume.paletas);
    volume = std::move(lido);
    return true;
}

bool leOdim(const char* nome, const OpcoesOdim& opcoes, Volume& volume, Matriz& m, std::string& erro) {
    Aberto a;
    if (!abre(nome, a, erro)) return false;
    const std::string arquivoCitado = std::string("'") + nome + "'";
    const std::vector<Varredura>& lista = a.lista;
    if (opcoes.elevacao < 1 || opcoes.elevacao > static_cast<long>(lista.size())) {
        erro = arquivoCitado + " tem " + std::to_string(lista.size()) + " elevac" +
               (lista.size() == 1 ? "ao" : "oes") + "; --elevacao " + std::to_string(opcoes.elevacao) + " nao existe";
        return false;
    }
    const std::size_t indice = static_cast<std::size_t>(opcoes.elevacao - 1);
    const Varredura& escolhida = lista[indice];
    const Dado* dado = escolheDado(escolhida, opcoes.quantidade);
    if (dado == nullptr) {
        char elevacao[32];
        std::snprintf(elevacao, sizeof elevacao, "%g", escolhida.elevacao);
        erro = "a elevacao de " + std::string(elevacao) + " graus de " + arquivoCitado + " nao tem " +
               (opcoes.quantidade.empty() ? std::string("grandezas") : "'" + opcoes.quantidade + "'") +
               " (tem: " + quantidades(escolhida) + ")";
        return false;
    }
    Volume lido;
    lido.paletas = volume.paletas;
    esqueleto(lista, lido);
    lido.data = a.data, lido.hora = a.hora, lido.sitio = a.sitio, lido.nome = nome, lido.posicao = a.posicao;

    // The chosen moment first: a failure there is the file's, and it is
    // shown before the others are read. A moment that cannot be read keeps
    // its line (stepping passes over it).
    std::size_t orcamento = MAX_BYTES_DO_VOLUME;
    const std::size_t qEscolhido = static_cast<std::size_t>(dado - escolhida.dados.data());
    const auto le = [&](std::size_t e, std::size_t q) {
        MomentoGuardado& guardado = lido.elevacoes[e].momentos[q];
        guardado.lido = leVarredura(a.arquivo, lista[e], lista[e].dados[q], guardado, orcamento, guardado.erro);
        if (guardado.lido) guardado.arquivo = nome;
    };
    le(indice, qEscolhido);
    if (!mostraMomento(lido, indice, qEscolhido, m, erro)) return false;
    for (std::size_t e = 0; e < lista.size(); ++e)
        for (std::size_t q = 0; q < lista[e].dados.size(); ++q)
            if (e != indice || q != qEscolhido) le(e, q);
    volume = std::move(lido);
    return true;
}
