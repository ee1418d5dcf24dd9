#pragma once
// Outside programs in tests: the content tool (core tests only) and pdftotext.

#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace orvela::testing {

struct CommandRun {
    int status = -1; // the exit status; -1 when the command did not end normally
    std::string out; // standard output
    std::string err; // standard error
};

inline std::string shellQuoted(const std::string& arg) {
    std::string q = "'";
    for (char c : arg)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

inline std::string readStream(FILE* f) {
    std::string out;
    char buf[4096];
    for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, f)) > 0;)
        out.append(buf, n);
    return out;
}

// Runs a shell command line, keeping its standard output and standard error apart.
inline CommandRun runCommand(const std::string& commandLine) {
    CommandRun run;
    char errFile[] = "/tmp/orvela-stderr-XXXXXX";
    const int fd = mkstemp(errFile);
    if (fd < 0) return run;
    close(fd);
    if (FILE* p = popen((commandLine + " 2>" + shellQuoted(errFile)).c_str(), "r")) {
        run.out = readStream(p);
        const int st = pclose(p);
        run.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    }
    if (FILE* e = std::fopen(errFile, "rb")) {
        run.err = readStream(e);
        std::fclose(e);
    }
    unlink(errFile);
    return run;
}

#ifdef ORVELA_CONTENT_TOOL
// Runs orvela-content, with standard input from the file `input` when one is given.
inline CommandRun contentTool(const std::vector<std::string>& args, const std::string& input = {}) {
    std::string cmd = shellQuoted(ORVELA_CONTENT_TOOL);
    for (const std::string& a : args)
        cmd += " " + shellQuoted(a);
    if (!input.empty()) cmd += " <" + shellQuoted(input);
    return runCommand(cmd);
}
#endif

inline bool havePdfToText() {
    return std::system("command -v pdftotext >/dev/null 2>&1") == 0;
}

// A PDF file read back with pdftotext -layout: its pages, each the list of its non-empty lines
// with the spaces at both ends trimmed.
inline std::vector<std::vector<std::string>> pdfPages(const std::string& file) {
    const std::string text =
        runCommand("pdftotext -layout -enc UTF-8 " + shellQuoted(file) + " -").out + "\n";
    std::vector<std::vector<std::string>> pages(1);
    std::string line;
    for (char c : text) {
        if (c != '\n' && c != '\f') {
            line += c;
            continue;
        }
        const std::size_t a = line.find_first_not_of(' ');
        if (a != std::string::npos)
            pages.back().push_back(line.substr(a, line.find_last_not_of(' ') - a + 1));
        line.clear();
        if (c == '\f') pages.emplace_back();
    }
    while (!pages.empty() && pages.back().empty())
        pages.pop_back();
    return pages;
}

// The index of the first line of a page that contains `part` (or is `part` when `whole`); -1 when
// there is none.
inline int lineWith(const std::vector<std::string>& page, const std::string& part,
                    bool whole = false) {
    for (std::size_t i = 0; i < page.size(); ++i)
        if (whole ? page[i] == part : page[i].find(part) != std::string::npos)
            return static_cast<int>(i);
    return -1;
}

} // namespace orvela::testing
