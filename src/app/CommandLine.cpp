#include "CommandLine.h"

#include <cstring>
#include <string_view>

#ifndef ORVELA_VERSION
#define ORVELA_VERSION "0"
#endif

namespace orvela {

namespace {

// Options the window system reads itself; the first group takes a value.
constexpr std::string_view kQtOptionsWithValue[] = {
    "-platform", "-platformpluginpath", "-platformtheme", "-plugin", "-display", "-style",
    "-stylesheet", "-qwindowgeometry", "-qwindowtitle", "-qwindowicon", "-session"};
constexpr std::string_view kQtFlags[] = {"-reverse", "-nograb", "-dograb", "-sync"};

template <std::size_t N>
bool among(std::string_view a, const std::string_view (&list)[N]) {
    for (std::string_view s : list)
        if (a == s) return true;
    return false;
}

} // namespace

CommandLine CommandLine::parse(int argc, const char* const* argv) {
    CommandLine c;
    auto fail = [&c](std::string text) {
        c.outcome_ = Outcome::Error;
        c.error_ = std::move(text);
        return c;
    };
    for (int i = 1; i < argc; ++i) {
        std::string_view a = argv[i];
        std::string value;
        bool hasInlineValue = false;
        if (a.starts_with("--")) {
            std::size_t eq = a.find('=');
            if (eq != std::string_view::npos) {
                value = std::string(a.substr(eq + 1));
                a = a.substr(0, eq);
                hasInlineValue = true;
            }
        }
        auto takeValue = [&]() -> bool {
            if (hasInlineValue) return !value.empty();
            if (i + 1 >= argc || argv[i + 1][0] == '\0') return false;
            value = argv[++i];
            return true;
        };
        if (a == "--help" || a == "-h") {
            if (hasInlineValue) return fail("flaggan --help tar inget värde");
            c.outcome_ = Outcome::Help;
            return c;
        }
        if (a == "--version") {
            if (hasInlineValue) return fail("flaggan --version tar inget värde");
            c.outcome_ = Outcome::Version;
            return c;
        }
        if (a == "--content-root") {
            if (!takeValue()) return fail("flaggan --content-root kräver en katalog");
            c.contentRoot = value;
        } else if (a == "--exercise") {
            if (!takeValue()) return fail("flaggan --exercise kräver en datafil");
            c.exercise = value;
        } else if (a == "--exit-when-shown") {
            if (hasInlineValue) return fail("flaggan --exit-when-shown tar inget värde");
            c.exitWhenShown = true;
        } else if (among(a, kQtOptionsWithValue)) {
            if (i + 1 >= argc) return fail("flaggan " + std::string(a) + " kräver ett värde");
            ++i;
        } else if (among(a, kQtFlags)) {
            // read by the window system
        } else if (a.starts_with("-")) {
            return fail("okänd flagga: " + std::string(argv[i]));
        } else {
            return fail("oväntat argument: " + std::string(a));
        }
    }
    return c;
}

std::string CommandLine::usage() {
    return "Användning: orvela [FLAGGOR]\n"
           "Övningsprogram i franska för svensktalande elever.\n"
           "\n"
           "  --content-root KATALOG  använd innehållet (DATA, BILD, LJUD, PROGRAM, RESULTAT)\n"
           "                          i KATALOG i stället för den kurs programmet själv\n"
           "                          hittar (katalogen ovanför programmets egen, annars\n"
           "                          den installerade kursen)\n"
           "  --exercise FIL          öppna övningen med datafilen FIL (till exempel\n"
           "                          FRA51120.DAT) direkt över huvudmenyn\n"
           "  --exit-when-shown       avsluta så snart huvudfönstret har visats\n"
           "  --help                  visa den här hjälpen och avsluta\n"
           "  --version               visa programmets version och avsluta\n";
}

std::string CommandLine::version() {
    return std::string("orvela ") + ORVELA_VERSION + "\n";
}

} // namespace orvela
