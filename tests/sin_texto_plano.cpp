// Checks that the built program holds the stored texts only enciphered: no
// ASCII-only literal of texts/ (the same bytes in UTF-8 and in Windows-1252)
// may stand in the binary as it is.
//
//   sin_texto_plano PROGRAM TEXTS_FOLDER

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <regex>
#include <string>

namespace {
std::string leer(const std::filesystem::path& ruta) {
    std::ifstream f(ruta, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}
} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "uso: sin_texto_plano PROGRAMA CARPETA_DE_TEXTOS\n";
        return 2;
    }
    const std::string binario = leer(argv[1]);
    const std::regex literal(R"re(u8"([^"\n]+)")re");
    int revisados = 0;
    for (const auto& entrada : std::filesystem::directory_iterator(argv[2])) {
        const std::string codigo = leer(entrada.path());
        for (std::sregex_iterator m(codigo.begin(), codigo.end(), literal), fin; m != fin; ++m) {
            // Short literals could turn up in the binary by chance; escapes are
            // not the bytes they stand for.
            const std::string t = (*m)[1];
            if (t.size() < 12 ||
                std::any_of(t.begin(), t.end(), [](char c) { return c < ' ' || c > '~' || c == '\\'; })) {
                continue;
            }
            ++revisados;
            if (binario.find(t) != std::string::npos) {
                std::cerr << "plain stored text in the program: \"" << t << "\" ("
                          << entrada.path().filename() << ")\n";
                return 1;
            }
        }
    }
    // Fewer would mean the search no longer finds the literals at all.
    std::cout << revisados << " stored texts checked\n";
    return revisados < 50 ? 1 : 0;
}
