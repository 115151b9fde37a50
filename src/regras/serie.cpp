// The series: adding files in time order, reading and keeping scans within
// the bound, showing one with the tilt and quantity kept.
#include "serie.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>

#include "leitura/formatos.h"
#include "leitura/odim.h"
#include "leitura/varredura_texto.h"

long long instanteUtc(const std::string& data, const std::string& hora) {
    int a, me, d, h = 0, mi = 0, s = 0;
    if (data.size() < 8 || std::sscanf(data.c_str(), "%4d%2d%2d", &a, &me, &d) != 3) return 0;
    if (hora.size() >= 6 && std::sscanf(hora.c_str(), "%2d%2d%2d", &h, &mi, &s) != 3) h = mi = s = 0;
    if (me < 1 || me > 12 || d < 1 || d > 31 || h < 0 || h > 23 || mi < 0 || mi > 59 || s < 0 || s > 60) return 0;
    std::tm t{};
    t.tm_year = a - 1900, t.tm_mon = me - 1, t.tm_mday = d, t.tm_hour = h, t.tm_min = mi, t.tm_sec = s;
    return static_cast<long long>(timegm(&t));
}

namespace {

// A text scan's time from its name: the date and time fields, Brasilia time (UTC - 3).
long long instanteDoNome(const char* nome) {
    const NomeVarredura n = interpretaNome(nome);
    const std::string ano = n.data[2];
    const std::string data = (ano[0] > '5' ? "19" : "20") + ano + n.data[1] + n.data[0];
    const long long t = instanteUtc(data, std::string(n.hora[0]) + n.hora[1] + n.hora[2]);
    return t == 0 ? 0 : t + 3 * 3600;
}

} // namespace

bool Serie::adiciona(const std::string& nome, std::string& erro) {
    // A file already in the series (rewritten, or listed again): read anew.
    for (std::size_t k = 0; k < itens.size(); ++k) {
        EscaneamentoDaSerie& e = *itens[k];
        if (std::none_of(e.arquivos.begin(), e.arquivos.end(), [&](const char* a) { return nome == a; })) continue;
        if (k == mostrado) incompleto = true;
        else e.volume = Volume(), e.texto.reset(), e.lido = false, e.bytes = 0;
        return true;
    }
    nomes.push_back(nome);
    const char* p = nomes.back().c_str();
    auto novo = std::make_unique<EscaneamentoDaSerie>();
    struct stat st {};
    if (stat(p, &st) != 0 || !S_ISREG(st.st_mode)) {
        erro = std::string("nao foi possivel abrir o arquivo de varredura '") + p + "'";
        nomes.pop_back();
        return false;
    }
    const Formato formato = formatoDoArquivo(p);
    if (formato != Formato::TEXTO) {
        CabecalhoOdim c;
        if (formato == Formato::ODIM) {
            if (!sondaOdim(p, c, erro)) {
                nomes.pop_back();
                return false;
            }
        } else { // no cheap header: the volume is read now, and kept
            if (!leVolume(p, formato, novo->volume, erro)) {
                nomes.pop_back();
                return false;
            }
            c.data = novo->volume.data, c.hora = novo->volume.hora, c.origem = "NOD:" + novo->volume.sitio;
            novo->lido = true, novo->bytes = bytesDoVolume(novo->volume), novo->uso = ++usos;
            maiorLido = std::max(maiorLido, novo->bytes);
        }
        novo->odim = true;
        novo->instante = instanteUtc(c.data, c.hora);
        novo->chave = c.data + "|" + c.hora;
        novo->origem = c.origem;
        for (std::size_t k = 0; k < itens.size(); ++k) {
            EscaneamentoDaSerie& e = *itens[k];
            if (!e.odim || e.chave != novo->chave || !mesmoRadar(e.origem, novo->origem)) continue;
            // Another quantity of that scan: it is read again when next shown.
            if (std::none_of(e.arquivos.begin(), e.arquivos.end(), [&](const char* a) { return std::strcmp(a, p) == 0; }))
                e.arquivos.push_back(p);
            if (k == mostrado) incompleto = true;
            else e.volume = Volume(), e.lido = false, e.bytes = 0;
            return true;
        }
    } else {
        novo->instante = instanteDoNome(p);
    }
    novo->arquivos.push_back(p);
    const auto depois = std::upper_bound(itens.begin(), itens.end(), novo->instante,
                                         [](long long t, const auto& e) { return t < e->instante; });
    const std::size_t k = static_cast<std::size_t>(depois - itens.begin());
    itens.insert(depois, std::move(novo));
    if (mostrado != SEM_ESCANEAMENTO && k <= mostrado) ++mostrado;
    return true;
}

bool Serie::adicionaPasta(const std::string& pasta, std::vector<std::string>& linhas, std::string& erro) {
    DIR* d = opendir(pasta.c_str());
    if (d == nullptr) {
        erro = "nao foi possivel ler a pasta '" + pasta + "': " + std::strerror(errno);
        return false;
    }
    std::vector<std::string> arquivos;
    while (const dirent* e = readdir(d)) {
        if (e->d_name[0] == '.') continue;
        const std::string caminho = pasta + "/" + e->d_name;
        struct stat st {};
        if (stat(caminho.c_str(), &st) == 0 && S_ISREG(st.st_mode)) arquivos.push_back(caminho);
    }
    closedir(d);
    std::sort(arquivos.begin(), arquivos.end());
    for (const std::string& a : arquivos) {
        std::string motivo;
        if (!adiciona(a, motivo)) linhas.push_back(motivo);
    }
    return true;
}

bool Serie::carrega(EscaneamentoDaSerie& e, std::string& erro) {
    if (e.odim) {
        Volume junto;
        bool algum = false;
        for (const char* a : e.arquivos) {
            Volume um;
            std::string motivo;
            if (!leVolume(a, formatoDoArquivo(a), um, motivo)) {
                if (erro.empty()) erro = motivo;
                avisos.push_back("vorlane: aviso: " + motivo);
                continue;
            }
            if (!algum) junto = std::move(um);
            else juntaVolume(junto, std::move(um));
            algum = true;
        }
        if (!algum) {
            if (!avisos.empty()) avisos.pop_back(); // that line is the failure's
            return false;
        }
        erro.clear();
        e.volume = std::move(junto);
        e.bytes = bytesDoVolume(e.volume);
    } else {
        auto m = std::make_unique<Matriz>();
        const char* nome = e.arquivos.front();
        if (!m->setNome(nome)) {
            erro = std::string("o nome '") + nome + "' indica um primeiro raio fora da faixa de 0 a 1999";
            return false;
        }
        const Resultado r = m->Faz();
        if (!r.segue) {
            erro = r.mensagem;
            return false;
        }
        for (const std::string& aviso : textosDosAvisos(nome, m->getAvisos())) avisos.push_back(aviso);
        e.texto = std::move(m);
        e.bytes = sizeof(Matriz);
    }
    e.lido = true;
    e.uso = ++usos;
    maiorLido = std::max(maiorLido, e.bytes);
    return true;
}

std::size_t Serie::bytesGuardados() const {
    std::size_t n = 0;
    for (const auto& e : itens) n += e->lido ? e->bytes : 0;
    return n;
}

void Serie::libera(std::size_t manter) {
    while (bytesGuardados() > limiteDeBytes) {
        EscaneamentoDaSerie* velho = nullptr;
        for (std::size_t k = 0; k < itens.size(); ++k) {
            EscaneamentoDaSerie& e = *itens[k];
            if (!e.lido || k == manter || k == mostrado) continue;
            if (velho == nullptr || e.uso < velho->uso) velho = &e;
        }
        if (velho == nullptr) return; // only what is shown is left
        velho->volume = Volume(), velho->texto.reset(), velho->lido = false, velho->bytes = 0;
    }
}

void Serie::remove(std::size_t k) {
    itens.erase(itens.begin() + static_cast<long>(k));
    if (mostrado == k) mostrado = SEM_ESCANEAMENTO;
    else if (mostrado != SEM_ESCANEAMENTO && mostrado > k) --mostrado;
}

bool Serie::mostra(std::size_t k, Matriz& m, Volume& v, lugarCidade& lugar, std::string& erro) {
    if (k >= itens.size()) return false;
    EscaneamentoDaSerie& e = *itens[k];
    if (k == mostrado) return true;
    erro.clear();
    if (!e.lido && !carrega(e, erro)) {
        remove(k);
        return false;
    }
    // What the user looks at: the tilt nearest in angle, the same quantity.
    const bool tinha = !v.vazio();
    const double angulo = tinha ? v.elevacoes[v.elevacao].angulo : 0;
    const std::string quantidade = tinha ? v.elevacoes[v.elevacao].momentos[v.momento].quantidade : "";
    if (e.odim) {
        Volume& novo = e.volume;
        novo.paletas = v.paletas;
        const std::size_t perto = elevacaoMaisProxima(novo, angulo);
        bool mostrou = false;
        // The nearest tilt first, then the others; the kept quantity, else the tilt's default.
        for (std::size_t passo = 0; passo < novo.elevacoes.size() && !mostrou; ++passo) {
            const std::size_t el = (perto + passo) % novo.elevacoes.size();
            const long q = momentoDaElevacao(novo, el, quantidade);
            if (q >= 0 && novo.elevacoes[el].momentos[static_cast<std::size_t>(q)].lido)
                mostrou = mostraMomento(novo, el, static_cast<std::size_t>(q), m, erro);
        }
        if (!mostrou) {
            if (erro.empty()) erro = std::string("'") + e.arquivos.front() + "': nada que mostrar";
            remove(k);
            return false;
        }
        if (mostrado != SEM_ESCANEAMENTO && itens[mostrado]->odim) itens[mostrado]->volume = std::move(v);
        v = std::move(novo);
        novo = Volume();
        lugar = UNK;
    } else {
        m.copiaDe(*e.texto);
        Volume vazio;
        vazio.paletas = v.paletas;
        vazio.produto = produtoDe("DBZH", 0, 0, 1, vazio.paletas);
        if (mostrado != SEM_ESCANEAMENTO && itens[mostrado]->odim) itens[mostrado]->volume = std::move(v);
        v = std::move(vazio);
        lugar = lugarDoCodigo(m.getLocal());
    }
    mostrado = k;
    e.uso = ++usos;
    libera(k);
    return true;
}

bool Serie::releMostrado(Matriz& m, Volume& v, lugarCidade& lugar, std::string& erro) {
    incompleto = false;
    if (mostrado == SEM_ESCANEAMENTO) return false;
    const std::size_t k = mostrado;
    EscaneamentoDaSerie& e = *itens[k];
    Volume antigo = std::move(v); // the shown scan, as read before
    v = Volume();
    v.paletas = antigo.paletas;
    if (!antigo.vazio()) { // keep the tilt and quantity through an empty stand-in
        v.elevacoes.push_back(antigo.elevacoes[antigo.elevacao]);
        v.elevacoes[0].momentos = {antigo.elevacoes[antigo.elevacao].momentos[antigo.momento]};
    }
    mostrado = SEM_ESCANEAMENTO;
    e.lido = false, e.bytes = 0;
    if (mostra(k, m, v, lugar, erro)) return true;
    return false;
}

bool Serie::leAdiante(std::string& erro) {
    if (mostrado == SEM_ESCANEAMENTO) return false;
    for (std::size_t d = 1; d < itens.size(); ++d) {
        const std::size_t j = (mostrado + d) % itens.size();
        if (itens[j]->lido) continue;
        if (bytesGuardados() + maiorLido > limiteDeBytes) return false; // no room
        erro.clear();
        if (!carrega(*itens[j], erro)) remove(j);
        return true;
    }
    return false;
}

void Serie::limitaA(std::size_t n) {
    while (n > 0 && itens.size() > n) remove(0);
}

std::string textoQuadro(const Serie& s) {
    if (s.tamanho() < 2 || s.atual() == Serie::SEM_ESCANEAMENTO) return "";
    char linha[64];
    std::snprintf(linha, sizeof linha, "Quadro %zu/%zu", s.atual() + 1, s.tamanho());
    return linha;
}
