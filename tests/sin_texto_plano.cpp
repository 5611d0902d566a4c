// Checks that the built program holds the stored texts only enciphered: no
// ASCII-only literal of texts/ of twelve characters or more (shorter ones could
// turn up by chance) may stand in the binary as it is.
//   sin_texto_plano PROGRAM TEXTS_FOLDER

#include <filesystem>
#include <fstream>
#include <iostream>
#include <regex>
#include <sstream>

static std::string leer(const std::filesystem::path& ruta) {
    std::ostringstream s;
    s << std::ifstream(ruta, std::ios::binary).rdbuf();
    return s.str();
}

int main(int argc, char** argv) {
    if (argc != 3) {
        return 2;
    }
    const std::string binario = leer(argv[1]);
    const std::regex literal(R"re(u8"([ -!#-\[\]-~]{12,})")re"); // printable, no quote, no escape
    int revisados = 0;
    for (const auto& entrada : std::filesystem::directory_iterator(argv[2])) {
        const std::string codigo = leer(entrada.path());
        for (std::sregex_iterator m(codigo.begin(), codigo.end(), literal), fin; m != fin; ++m, ++revisados) {
            if (binario.find((*m)[1]) != std::string::npos) {
                std::cerr << "plain stored text in the program: " << (*m)[1] << '\n';
                return 1;
            }
        }
    }
    std::cout << revisados << " stored texts checked: none is plain in the program\n";
    return revisados < 50; // fewer: the search no longer finds the literals at all
}
