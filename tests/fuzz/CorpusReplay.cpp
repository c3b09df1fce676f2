// Replays the seed corpus of a fuzz target, as libFuzzer does with files given on its command line, so
// that every build runs the targets: a failed check or a sanitizer report ends the program. A corpus
// folder without files fails, so a wrong path cannot pass as an empty run.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace {

std::vector<std::filesystem::path> corpusFiles(const std::filesystem::path& folder)
{
    std::vector<std::filesystem::path> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        if (entry.is_regular_file()) files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::vector<std::uint8_t> fileBytes(const std::filesystem::path& path)
{
    std::ifstream stream(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s CORPUS_FOLDER...\n", argv[0]);
        return 2;
    }
    if (LLVMFuzzerInitialize) LLVMFuzzerInitialize(&argc, &argv);
    for (int i = 1; i < argc; ++i) {
        const auto files = corpusFiles(argv[i]);
        if (files.empty()) {
            std::fprintf(stderr, "no corpus files in %s\n", argv[i]);
            return 1;
        }
        for (const auto& file : files) {
            // Printed first, so the input a crash ends on is the last name in the log.
            std::printf("%s\n", file.filename().c_str());
            std::fflush(stdout);
            const std::vector<std::uint8_t> bytes = fileBytes(file);
            LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
        }
        std::printf("%zu inputs of %s replayed\n", files.size(), argv[i]);
    }
    return 0;
}
