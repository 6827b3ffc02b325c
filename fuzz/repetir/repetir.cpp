// Runs every file of the given folders through a fuzz target once, without fuzzing: the corpus
// check of the normal test suite. Prints the number of files; a crash fails the test.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

int main(int argc, char** argv) {
    if (LLVMFuzzerInitialize) LLVMFuzzerInitialize(&argc, &argv);
    std::vector<std::filesystem::path> arquivos;
    for (int k = 1; k < argc; ++k) {
        const std::filesystem::path pasta(argv[k]);
        if (std::filesystem::is_regular_file(pasta)) {
            arquivos.push_back(pasta);
            continue;
        }
        if (!std::filesystem::is_directory(pasta)) {
            std::fprintf(stderr, "no such corpus: %s\n", argv[k]);
            return 2;
        }
        for (const auto& e : std::filesystem::directory_iterator(pasta))
            if (e.is_regular_file()) arquivos.push_back(e.path());
    }
    std::sort(arquivos.begin(), arquivos.end());
    for (const auto& a : arquivos) {
        std::ifstream f(a, std::ios::binary);
        const std::vector<char> bytes((std::istreambuf_iterator<char>(f)),
                                      std::istreambuf_iterator<char>());
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
    std::printf("%zu corpus files run\n", arquivos.size());
    return arquivos.empty() ? 1 : 0;
}
