// Checks that the built program holds the stored texts only enciphered: no
// ASCII-only literal of texts/ (the same bytes in UTF-8 and in Windows-1252)
// may stand in the binary as it is.
//
//   sin_texto_plano PROGRAM TEXTS_FOLDER

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

// Short literals could turn up in the binary by chance; escapes are not the
// bytes they stand for.
bool buscable(const std::string& t) {
    if (t.size() < 12 || t.find('\\') != std::string::npos) {
        return false;
    }
    for (const char c : t) {
        if (c < ' ' || c > '~') {
            return false;
        }
    }
    return true;
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
            const std::string texto = (*m)[1];
            if (!buscable(texto)) {
                continue;
            }
            ++revisados;
            if (binario.find(texto) != std::string::npos) {
                std::cerr << "plain stored text in the program: \"" << texto << "\" ("
                          << entrada.path().filename().string() << ")\n";
                return 1;
            }
        }
    }
    // Fewer would mean the search no longer finds the literals at all.
    if (revisados < 50) {
        std::cerr << "only " << revisados << " texts checked\n";
        return 1;
    }
    std::cout << revisados << " stored texts checked: none is plain in the program\n";
    return 0;
}
