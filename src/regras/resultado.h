// What a step of start-up gives back: go on, or end the process. Readers
// and the command line return one instead of ending the process, so a
// caller may skip a file that fails; only main turns it into an exit.
#ifndef VORLANE_RESULTADO_H
#define VORLANE_RESULTADO_H

#include <string>
#include <utility>

struct Resultado {
    bool segue = true; // false: the process ends with `status`
    int status = 0; // 0 for --help and --version, 1 for a failure
    std::string mensagem; // a failure's one line (without "vorlane: "), or the text for stdout

    static Resultado ok() { return {}; }
    static Resultado falha(std::string linha) { return {false, 1, std::move(linha)}; }
    static Resultado termina(std::string saida) { return {false, 0, std::move(saida)}; }
};

#endif
