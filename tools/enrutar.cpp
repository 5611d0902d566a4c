// enrutar: the topic code and the answer Velmo gives to each question read
// from standard input, one question per line, UTF-8, with or without its
// closing "?". Text after a tab is ignored, and so are blank lines and lines
// starting with "#", so the corpus of questions can be fed as it is.
//
//   enrutar [--semilla N | --transcripcion] [--fecha AAAA-MM-DD] [--hora HH:MM] < preguntas
//
// Each answer line is the code, a tab and the answer label, UTF-8. The
// questions are asked one after another in one run, as a user would. With
// --transcripcion each is asked in a run of its own, seeded from the question
// itself, and its line starts with the question and the seed: the approved
// transcript (tests/datos/respuestas.tsv) is made so, and a new question
// changes only its own line.

#include "tools/Consulta.h"
#include "util/Ansi.h"

#include <charconv>
#include <chrono>
#include <cstdint>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

namespace {

using namespace auguron;

template <typename T> std::optional<T> numero(std::string_view s) {
    T n{};
    const auto [fin, error] = std::from_chars(s.data(), s.data() + s.size(), n);
    if (error != std::errc{} || fin != s.data() + s.size()) {
        return std::nullopt;
    }
    return n;
}

std::optional<std::chrono::sys_days> fecha(std::string_view s) {
    if (s.size() != 10 || s[4] != '-' || s[7] != '-') {
        return std::nullopt;
    }
    const auto a = numero<int>(s.substr(0, 4));
    const auto m = numero<unsigned>(s.substr(5, 2));
    const auto d = numero<unsigned>(s.substr(8, 2));
    if (!a || !m || !d) {
        return std::nullopt;
    }
    const std::chrono::year_month_day f{std::chrono::year{*a}, std::chrono::month{*m}, std::chrono::day{*d}};
    return f.ok() ? std::optional{std::chrono::sys_days{f}} : std::nullopt;
}

std::optional<double> hora(std::string_view s) {
    const std::size_t dos = s.find(':');
    if (dos == std::string_view::npos) {
        return std::nullopt;
    }
    const auto h = numero<int>(s.substr(0, dos));
    const auto m = numero<int>(s.substr(dos + 1));
    if (!h || !m || *h < 0 || *h > 23 || *m < 0 || *m > 59) {
        return std::nullopt;
    }
    return *h * 3600.0 + *m * 60.0;
}

// FNV-1a, 64 bits: a question's own seed.
std::uint64_t semillaDe(std::string_view texto) {
    std::uint64_t h = 0xCBF29CE484222325ULL;
    for (const char c : texto) {
        h = (h ^ static_cast<unsigned char>(c)) * 0x100000001B3ULL;
    }
    return h;
}

int uso() {
    std::cerr
        << "uso: enrutar [--semilla N | --transcripcion] [--fecha AAAA-MM-DD] [--hora HH:MM] < preguntas\n";
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    std::uint64_t semilla = 1;
    std::chrono::sys_days dia{std::chrono::year{2026} / 12 / 6};
    double segundos = 12 * 3600.0;
    bool transcripcion = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view opcion = argv[i];
        if (opcion == "--transcripcion") {
            transcripcion = true;
            continue;
        }
        if (i + 1 >= argc) {
            return uso();
        }
        const std::string_view valor = argv[++i];
        if (opcion == "--semilla") {
            const auto n = numero<std::uint64_t>(valor);
            if (!n) {
                return uso();
            }
            semilla = *n;
        } else if (opcion == "--fecha") {
            const auto f = fecha(valor);
            if (!f) {
                return uso();
            }
            dia = *f;
        } else if (opcion == "--hora") {
            const auto h = hora(valor);
            if (!h) {
                return uso();
            }
            segundos = *h;
        } else {
            return uso();
        }
    }

    std::optional<Consulta> consulta;
    std::string linea;
    while (std::getline(std::cin, linea)) {
        linea = linea.substr(0, linea.find('\t'));
        if (!linea.empty() && linea.back() == '\r') {
            linea.pop_back();
        }
        if (linea.empty() || linea.front() == '#') {
            continue;
        }
        if (transcripcion) {
            consulta.emplace(semillaDe(linea), dia, segundos);
            std::cout << linea << '\t' << semillaDe(linea) << '\t';
        } else if (!consulta) {
            consulta.emplace(semilla, dia, segundos);
        }
        const Consulta::Respuesta r = consulta->preguntar(ansi::deUtf8(linea));
        std::cout << r.tema << '\t' << ansi::aUtf8(r.rotulo) << '\n';
    }
    return 0;
}
