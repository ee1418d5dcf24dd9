// Start-up probe: starts the program with --exit-when-shown and two yardsticks the same way, each
// N times in alternation, on an offscreen screen of a given size, and reports for each the median
// wall time (fork to exit) and the median peak memory (maximum resident set size from wait4).
// The yardsticks are plain Qt Widgets programs: the same window (what the program's main window
// shows on that screen: bar, menu, title, buttons and start pictures at the program's sizes) and
// the bare window (ten 20 px buttons on a navy panel, whatever the screen). The target is the
// ratio program/same window in time and memory; the ratio to the bare window is reported too.
//
// Exit status: 0 when every run succeeded (whether or not the target is met), 1 on bad
// arguments, 2 when a child failed.

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Options {
    std::string program;
    std::string contentRoot;
    std::string minimal;
    std::string sameWindow;
    std::vector<std::string> programArgs;
    int runs = 10;
    int warmup = 1;
    int width = 1920;
    int height = 1080;
    double target = 1.2;
    bool verbose = false;
};

struct Sample {
    double wallMs = 0;
    double cpuMs = 0;
    long maxRssKb = 0;
};

struct Subject {
    std::string name;
    std::vector<std::string> argv;
    std::vector<Sample> samples;
};

void usage() {
    std::cerr << "usage: orvela-bench-startup --program PATH --minimal PATH\n"
                 "           [--same-window PATH] [--runs N]\n"
                 "           [--warmup N] [--size WxH] [--target RATIO] [--verbose]\n"
                 "           [--content-root DIR]\n"
                 "  --program PATH       the program (<build>/content/PROGRAM/orvela)\n"
                 "  --minimal PATH       the bare window (orvela-bench-minimal)\n"
                 "  --same-window PATH   the same window (orvela-bench-same-window)\n"
                 "  --runs N             measured runs of each, alternating (default 10)\n"
                 "  --warmup N           unmeasured runs of each first (default 1)\n"
                 "  --size WxH           offscreen screen size (default 1920x1080)\n"
                 "  --target RATIO       allowed ratio program/same window (default 1.2)\n"
                 "  --content-root DIR   passed on to the program\n"
                 "  --verbose            print every run\n";
}

bool parse(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto value = [&]() -> const char* { return i + 1 < argc ? argv[++i] : nullptr; };
        const char* v = nullptr;
        if (a == "--verbose") {
            o.verbose = true;
            continue;
        }
        if (a == "--help" || a == "-h") return false;
        v = value();
        if (v == nullptr) {
            std::cerr << "missing value for " << a << "\n";
            return false;
        }
        if (a == "--program") {
            o.program = v;
        } else if (a == "--minimal") {
            o.minimal = v;
        } else if (a == "--same-window") {
            o.sameWindow = v;
        } else if (a == "--runs") {
            o.runs = std::atoi(v);
        } else if (a == "--warmup") {
            o.warmup = std::atoi(v);
        } else if (a == "--target") {
            o.target = std::atof(v);
        } else if (a == "--content-root") {
            o.contentRoot = v;
            o.programArgs.push_back("--content-root");
            o.programArgs.push_back(v);
        } else if (a == "--size") {
            if (std::sscanf(v, "%dx%d", &o.width, &o.height) != 2) {
                std::cerr << "bad size " << v << "\n";
                return false;
            }
        } else {
            std::cerr << "unknown option " << a << "\n";
            return false;
        }
    }
    if (o.program.empty() || o.minimal.empty() || o.runs < 1 || o.warmup < 0 || o.width < 1 ||
        o.height < 1 || o.target <= 0)
        return false;
    return true;
}

// A temporary file that is removed again when the probe ends.
struct TempFile {
    std::string path;
    explicit TempFile(const std::string& suffix) {
        std::string pattern = "/tmp/orvela-bench-XXXXXX" + suffix;
        std::vector<char> buf(pattern.begin(), pattern.end());
        buf.push_back('\0');
        const int fd = mkstemps(buf.data(), static_cast<int>(suffix.size()));
        if (fd >= 0) {
            close(fd);
            path = buf.data();
        }
    }
    ~TempFile() {
        if (!path.empty()) unlink(path.c_str());
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
};

double msSince(std::chrono::steady_clock::time_point t0) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0)
        .count();
}

double ms(const timeval& t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; }

std::string readAll(const std::string& path) {
    std::ifstream in(path);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Runs argv once with the given QPA setting; the child's output goes to errFile.
bool runOnce(const std::vector<std::string>& argv, const std::string& qpa,
             const std::string& errFile, Sample& out, std::string& failure) {
    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);

    const auto t0 = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid < 0) {
        failure = std::string("fork: ") + std::strerror(errno);
        return false;
    }
    if (pid == 0) {
        setenv("QT_QPA_PLATFORM", qpa.c_str(), 1);
        const int fd = open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (fd >= 0) {
            dup2(fd, STDOUT_FILENO);
            dup2(fd, STDERR_FILENO);
            close(fd);
        }
        execv(args[0], args.data());
        std::fprintf(stderr, "exec %s: %s\n", args[0], std::strerror(errno));
        _exit(127);
    }
    int status = 0;
    rusage ru{};
    pid_t r;
    do {
        r = wait4(pid, &status, 0, &ru);
    } while (r < 0 && errno == EINTR);
    out.wallMs = msSince(t0);
    if (r < 0) {
        failure = std::string("wait4: ") + std::strerror(errno);
        return false;
    }
    out.cpuMs = ms(ru.ru_utime) + ms(ru.ru_stime);
    out.maxRssKb = ru.ru_maxrss; // kilobytes on Linux
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::ostringstream s;
        if (WIFEXITED(status))
            s << "exit status " << WEXITSTATUS(status);
        else if (WIFSIGNALED(status))
            s << "killed by signal " << WTERMSIG(status);
        s << "\n" << readAll(errFile);
        failure = s.str();
        return false;
    }
    return true;
}

// The number of start pictures for wide screens ("FRAS*.BMP", any letter case) in the content's
// BILD directory: without them the program skips the picture loading of a real start.
int startPictureCount(const std::filesystem::path& root) {
    namespace fs = std::filesystem;
    std::error_code ec;
    int n = 0;
    for (const fs::directory_entry& d : fs::directory_iterator(root, ec)) {
        std::string name = d.path().filename().string();
        for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if (name != "BILD") continue;
        for (const fs::directory_entry& f : fs::directory_iterator(d.path(), ec)) {
            std::string file = f.path().filename().string();
            for (char& c : file)
                c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            if (file.starts_with("FRAS") && file.ends_with(".BMP")) ++n;
        }
    }
    return n;
}

// The one-minute load average, or 0 when unknown.
double loadAverage() {
    std::ifstream in("/proc/loadavg");
    double load = 0;
    in >> load;
    return load;
}

template <typename T> double median(std::vector<T> v) {
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? static_cast<double>(v[n / 2])
                 : (static_cast<double>(v[n / 2 - 1]) + static_cast<double>(v[n / 2])) / 2.0;
}

struct Summary {
    double wallMs, wallMin, wallMax, cpuMs, rssMiB, rssMin, rssMax;
};

Summary summarize(const std::vector<Sample>& s) {
    std::vector<double> wall, cpu, rss;
    for (const Sample& x : s) {
        wall.push_back(x.wallMs);
        cpu.push_back(x.cpuMs);
        rss.push_back(static_cast<double>(x.maxRssKb) / 1024.0);
    }
    return {median(wall), *std::min_element(wall.begin(), wall.end()),
            *std::max_element(wall.begin(), wall.end()), median(cpu), median(rss),
            *std::min_element(rss.begin(), rss.end()), *std::max_element(rss.begin(), rss.end())};
}

} // namespace

int main(int argc, char** argv) {
    Options o;
    if (!parse(argc, argv, o)) {
        usage();
        return 1;
    }

    TempFile screen(".json");
    TempFile errors(".log");
    if (screen.path.empty() || errors.path.empty()) {
        std::cerr << "cannot create temporary files in /tmp\n";
        return 2;
    }
    {
        std::ofstream json(screen.path);
        json << R"({"screens":[{"name":"s","x":0,"y":0,"width":)" << o.width
             << R"(,"height":)" << o.height
             << R"(,"logicalDpi":96,"logicalBaseDpi":96,"dpr":1}]})" << "\n";
    }
    const std::string qpa = "offscreen:configfile=" + screen.path;

    std::cout << "Start-up to first paint, " << o.width << "x" << o.height << " offscreen, "
              << o.runs << " runs each (alternating) after " << o.warmup << " warm-up run"
              << (o.warmup == 1 ? "" : "s") << " each\n";

    const std::filesystem::path root =
        o.contentRoot.empty() ? std::filesystem::path(o.program).parent_path().parent_path()
                              : std::filesystem::path(o.contentRoot);
    const int pictures = startPictureCount(root);
    std::cout << "content " << root.string() << ": " << pictures
              << " start pictures (FRAS*.BMP)\n";
    if (pictures == 0)
        std::cout << "note: without start pictures the program skips their loading; build the "
                     "pictures (no ORVELA_NO_PICGEN) to measure a complete start\n";

    const double load = loadAverage();
    const long cpus = sysconf(_SC_NPROCESSORS_ONLN);
    if (load >= static_cast<double>(cpus))
        std::cout << "warning: load average " << load << " on " << cpus
                  << " CPUs; wall times will be inflated and noisy\n";

    std::vector<Subject> subjects(2);
    subjects[0].name = "orvela";
    subjects[0].argv = {o.program, "--exit-when-shown"};
    subjects[0].argv.insert(subjects[0].argv.end(), o.programArgs.begin(), o.programArgs.end());
    subjects[1].name = "bare";
    subjects[1].argv = {o.minimal};
    if (!o.sameWindow.empty()) {
        Subject same;
        same.name = "same";
        same.argv = {o.sameWindow, "--content-root", root.string()};
        subjects.push_back(std::move(same));
    }

    for (int i = 0; i < o.warmup + o.runs; ++i) {
        for (Subject& s : subjects) {
            Sample x;
            std::string failure;
            if (!runOnce(s.argv, qpa, errors.path, x, failure)) {
                std::cerr << s.name << " failed (" << s.argv[0] << "): " << failure << "\n";
                return 2;
            }
            const bool measured = i >= o.warmup;
            if (measured) s.samples.push_back(x);
            if (o.verbose) {
                std::printf("  %-8s %s %8.1f ms wall %8.1f ms cpu %8.1f MiB\n", s.name.c_str(),
                            measured ? "run   " : "warmup", x.wallMs, x.cpuMs,
                            static_cast<double>(x.maxRssKb) / 1024.0);
            }
        }
    }

    std::printf("%-9s %28s %10s %28s\n", "", "wall ms: median (min-max)", "cpu ms",
                "max RSS MiB: median (min-max)");
    std::vector<Summary> sums;
    for (const Subject& subject : subjects) {
        const Summary x = summarize(subject.samples);
        sums.push_back(x);
        std::printf("%-9s %14.1f (%5.1f-%5.1f) %10.1f %14.1f (%5.1f-%5.1f)\n",
                    subject.name.c_str(), x.wallMs, x.wallMin, x.wallMax, x.cpuMs, x.rssMiB,
                    x.rssMin, x.rssMax);
    }
    // The target holds against the same window when it was run, otherwise against the bare one.
    const Summary& p = sums[0];
    bool met = true;
    for (std::size_t i = subjects.size() - 1; i >= 1; --i) {
        const Summary& y = sums[i];
        const bool judged = i == subjects.size() - 1;
        const double timeRatio = p.wallMs / y.wallMs;
        const double memRatio = p.rssMiB / y.rssMiB;
        std::printf("ratio orvela/%s: time %.2fx, memory %.2fx, cpu %.2fx", subjects[i].name.c_str(),
                    timeRatio, memRatio, p.cpuMs / y.cpuMs);
        if (judged) {
            met = timeRatio <= o.target && memRatio <= o.target;
            std::printf(" (target %.2fx: %s)", o.target, met ? "met" : "NOT MET");
        }
        std::printf("\n");
    }
    std::printf("target %s\n", met ? "MET" : "NOT MET");
    return 0;
}
