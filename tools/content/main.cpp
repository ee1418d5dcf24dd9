// orvela-content: a tool for teachers who write their own exercises.
//
//   orvela-content scramble [FILE]     scramble item lines (standard input without FILE)
//   orvela-content unscramble [FILE]   unscramble them again
//   orvela-content count FILE          the number of items as the program counts them, then the
//                                      file's header lines
//   orvela-content --help | --version
// Further command families live in their own files and are declared in Commands.h.

#include "AnsiText.h"
#include "Commands.h"
#include "DataFile.h"
#include "Scrambling.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>

using namespace orvela;

namespace {

const char* const kUsage =
    "Användning:\n"
    "  orvela-content scramble [FIL]     kryptera raderna (standard in utan FIL)\n"
    "  orvela-content unscramble [FIL]   dekryptera raderna\n"
    "  orvela-content count FIL          antal uppgifter, sedan rubrikraderna\n"
    "  orvela-content judge FIL UPPGIFT SVAR [LÄGE]\n"
    "                                    bedöm ett svar som programmet gör\n"
    "  orvela-content lint ROT [--only TYP,TYP...]\n"
    "                                    kontrollera innehållet mot menyerna\n"
    "  orvela-content diagnosis list KATALOG\n"
    "                                    visa alla diagnoser i KATALOG/FDIAG.DIA\n"
    "  orvela-content diagnosis export KATALOG\n"
    "                                    diagnoserna som CSV (UTF-8)\n"
    "  orvela-content diagnosis import KATALOG FIL\n"
    "                                    lägg till eller ersätt elever från en CSV-fil\n"
    "  orvela-content diagnosis report KATALOG [--pdf FIL]\n"
    "                                    klassöversikten som text (och som PDF)\n"
    "  orvela-content levels FIL         nivåerna i en nivåfil (FXACT.STE)\n"
    "  orvela-content records FIL        rekordtabellen i en rekordfil (.FNR)\n"
    "  orvela-content --help             visa den här hjälpen\n"
    "  orvela-content --version          visa versionen\n";

int usage() {
    std::cerr << kUsage;
    return 2;
}

int cannotRead(const char* path) {
    std::cerr << "orvela-content: filen " << path << " finns inte eller kan inte läsas\n";
    return 1;
}

// Transforms every line of the input; each keeps its own line end (CR LF or LF).
int transformLines(int argc, char** argv, AnsiText (*transform)(const AnsiText&)) {
    std::ifstream file;
    std::istream* in = &std::cin;
    if (argc >= 3) {
        file.open(argv[2], std::ios::binary);
        if (!file) return cannotRead(argv[2]);
        in = &file;
    }
    std::string line;
    while (std::getline(*in, line)) {
        bool cr = !line.empty() && line.back() == '\r';
        if (cr) line.pop_back();
        std::string out = transform(AnsiText(line)).bytes();
        out += cr ? "\r\n" : "\n";
        std::fwrite(out.data(), 1, out.size(), stdout);
    }
    if (in->bad()) return cannotRead(argc >= 3 ? argv[2] : "(standard in)");
    return 0;
}

int count(const char* path) {
    DataFileHeader header;
    std::optional<int> items = scanDataFile(path, true, header);
    if (!items) return cannotRead(path);
    std::cout << *items << "\n";
    for (int k = 0; k < header.headingCount; ++k)
        std::cout << "$" << header.headings[k].toUtf8() << "\n";
    if (header.hasInstruction) std::cout << "$§" << header.instruction.toUtf8() << "\n";
    if (header.hasWorksheetNote) std::cout << "$%" << header.worksheetNote.toUtf8() << "\n";
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) return usage();
    std::string cmd = argv[1];
    if (cmd == "--help" || cmd == "-h" || cmd == "help") {
        std::cout << kUsage;
        return 0;
    }
    if (cmd == "--version") {
        std::cout << "orvela-content " << ORVELA_VERSION << "\n";
        return 0;
    }
    if (cmd == "scramble") return transformLines(argc, argv, &kryptrad);
    if (cmd == "unscramble") return transformLines(argc, argv, &dekryptrad);
    if (cmd == "count" && argc == 3) return count(argv[2]);
    if (cmd == "diagnosis") return tool::diagnosis(argc, argv);
    if (cmd == "judge") return tool::judge(argc, argv);
    if (cmd == "lint") return tool::lint(argc, argv);
    if (cmd == "records") return tool::records(argc, argv);
    if (cmd == "levels") return tool::levels(argc, argv);
    // (further commands above this line)
    return usage();
}
