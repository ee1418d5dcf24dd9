// The one place where each window kind is bound to the class that implements it.

#include "WindowFactories.h"

#include "TDiktam.h"
#include "TFLERBAR.h"
#include "TFalska.h"
#include "TFormer.h"
#include "TSKRIV.h"
#include "TSkrivinf.h"
#include "Tskriv2.h"
#include "TMenu.h"
#include "TRegelform.h"
#include "TStallin.h"
#include "TDiag.h"
#include "Tdiaprot.h"

namespace orvela {

void registerWindows(AppWindowOpener& opener, AppContext& context) {
    AppContext* c = &context;
    opener.registerKind(WindowKind::TStallin,
                        [c](const WindowRequest&) { return std::make_unique<TStallin>(*c); });
    opener.registerKind(WindowKind::TSKRIV,
                        [c](const WindowRequest&) { return std::make_unique<TSKRIV>(*c); });
    opener.registerKind(WindowKind::Menu, [c](const WindowRequest& request) { return std::make_unique<TMenu>(*c, request.menu); });
    opener.registerKind(WindowKind::TRegelform, [c](const WindowRequest& request) { return std::make_unique<TRegelform>(*c, request.ruleNumber); });
    opener.registerKind(WindowKind::TSkrivinf,
                        [c](const WindowRequest&) { return std::make_unique<TSkrivinf>(*c); });
    opener.registerKind(WindowKind::TFLERBAR,
                        [c](const WindowRequest&) { return std::make_unique<TFLERBAR>(*c); });
    opener.registerKind(WindowKind::TDiag, [c](const WindowRequest&) { return std::make_unique<TDiag>(*c); });
    opener.registerKind(WindowKind::Tdiaprot, [c](const WindowRequest&) { return std::make_unique<Tdiaprot>(*c); });
    opener.registerKind(WindowKind::TFormer, [c](const WindowRequest&) { return std::make_unique<TFormer>(*c); });
    opener.registerKind(WindowKind::Tskriv2, [c](const WindowRequest&) { return std::make_unique<Tskriv2>(*c); });
    opener.registerKind(WindowKind::TDiktam, [c](const WindowRequest&) { return std::make_unique<TDiktam>(*c); });
    opener.registerKind(WindowKind::TFalska, [c](const WindowRequest&) { return std::make_unique<TFalska>(*c); });
    // (new kinds above this line)
}

} // namespace orvela
