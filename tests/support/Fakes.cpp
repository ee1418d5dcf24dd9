#include "Fakes.h"

#include <fstream>
#include <random>

namespace orvela::testing {

TempContent::TempContent() {
    std::random_device rd;
    root_ = std::filesystem::temp_directory_path() /
            ("orvela-test-" + std::to_string(rd()) + std::to_string(rd()));
    std::filesystem::create_directories(root_ / "DATA");
    std::filesystem::create_directories(root_ / "PROGRAM");
    std::filesystem::create_directories(root_ / "RESULTAT");
}

TempContent::~TempContent() {
    std::error_code ec;
    std::filesystem::permissions(root_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(root_, ec);
}

std::filesystem::path TempContent::write(const std::string& relative,
                                         const std::vector<std::string>& utf8Lines) {
    std::string bytes;
    for (const std::string& l : utf8Lines) bytes += AnsiText::fromUtf8(l).bytes() + "\r\n";
    return writeRaw(relative, bytes);
}

std::filesystem::path TempContent::writeRaw(const std::string& relative, const std::string& bytes) {
    std::filesystem::path p = root_ / relative;
    std::filesystem::create_directories(p.parent_path());
    std::ofstream out(p, std::ios::binary);
    out << bytes;
    return p;
}

} // namespace orvela::testing
