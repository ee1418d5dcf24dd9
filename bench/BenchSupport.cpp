#include "BenchSupport.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>

namespace orvela::bench {

ScratchDir::ScratchDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "orvela-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("no scratch directory");
    path_ = pattern;
}

ScratchDir::~ScratchDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

std::filesystem::path ScratchDir::write(const std::string& relative,
                                        const std::string& bytes) const {
    std::filesystem::path file = path_ / relative;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << bytes;
    return file;
}

} // namespace orvela::bench
