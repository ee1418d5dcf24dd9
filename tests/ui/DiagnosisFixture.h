#pragma once
// A prepared content tree and application context for the diagnosis windows: the eighteen
// diagnosis tests and follow-up exercises, a diagnosis directory, stored pupils, and an opener
// that records the state in which each window would open.

#include "AppContext.h"
#include "Diagnoses.h"
#include "FakePrinting.h"
#include "UiHelpers.h"

namespace orvela::testing {

// What a window saw of the shared state when it was opened.
struct OpenedWindow {
    WindowRequest request;
    std::string dataFile;
    Mode mode = Mode::Practice;
    int programme = 0;
    int returnMarker = -1;
    bool protocolEnabled = true;
    std::string pupilName;
    DiagnosisRecord pupil; // the logged-in pupil's record
};

class RecordingOpener : public WindowOpener {
public:
    explicit RecordingOpener(SharedState& s) : s_(s) {}
    std::vector<OpenedWindow> opened;
    QWidget* protocol = nullptr; // the protocol window, whose enabled state is recorded
    // What the opened window does before it closes (an exercise storing its result ...).
    std::function<void(const WindowRequest&)> during;

    bool open(const WindowRequest& r) override {
        opened.push_back(OpenedWindow{r, s_.CurrentDataFile.toUtf8(), s_.ExerciseMode,
                                      s_.CurrentProgramme, s_.DiagnosisReturnMarker,
                                      protocol ? protocol->isEnabled() : true,
                                      s_.CurrentPupil.name.toUtf8(), s_.CurrentPupil});
        if (during) during(r);
        return true;
    }

private:
    SharedState& s_;
};

struct DiagnosisFixture : ::testing::Test {
    ShellFixture f;
    RecordingOpener opener{f.s};
    FakePrinting printer;
    AppContext context;
    fs::path dir = f.content.root() / "RESULTAT";

    DiagnosisFixture() {
        context.shell = &f.shell;
        context.opener = &opener;
        context.printing = &printer;
        f.s.ExerciseMode = Mode::DiagnosisTest;
    }
    void writePupils(const std::vector<DiagnosisRecord>& records) {
        testing::writePupils(f.content, records);
    }
    std::vector<DiagnosisRecord> stored() const { return DiagnosisFile(dir).read().records; }
    std::vector<std::string> storedNames() const { return testing::storedNames(dir); }

    // The diagnosis tests and follow-up exercises of programmes 1 to 18.
    void writeDiagnosisFiles() {
        for (int n = 1; n <= 18; ++n) {
            const std::string nn = (n < 10 ? "0" : "") + std::to_string(n);
            std::vector<std::string> lines = {"$Diagnos " + nn};
            for (int i = 1; i <= 25; ++i)
                lines.push_back("ord" + std::to_string(i) + "#mot" + std::to_string(i));
            f.content.write("DATA/FRDI" + nn + ".DAT", lines);
            f.content.write("DATA/FROVN1" + nn + ".DAT", lines);
        }
        ASSERT_TRUE(f.shell.HaemtaFilTabell());
        f.shell.SkapaSlumptal(1, 1000);
    }
};

} // namespace orvela::testing
