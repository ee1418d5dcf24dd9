// The one place where each window kind is bound to the class that implements it.

#include "WindowFactories.h"

#include "TDiktam.h"
#include "TFLERBAR.h"
#include "TFalska.h"
#include "TFormer.h"
#include "TKlockan.h"
#include "TPassAkt.h"
#include "TSKRIV.h"
#include "TSats.h"
#include "TSkrivinf.h"
#include "TStegran.h"
#include "Tskriv2.h"
#include "TMenu.h"
#include "TRegelform.h"
#include "TStallin.h"
#include "TDiag.h"
#include "TDinaOrd.h"
#include "TRekord.h"
#include "TBildvis.h"
#include "TBilden.h"
#include "TKarta.h"
#include "TFlagga.h"
#include "THymn.h"
#include "Tdiaprot.h"
#include "TManual.h"
#include "TOmVamlo.h"
#include "Tavsloj.h"
#include "TSpeed.h"
#include "Tberaetta.h"
#include "Thoroskop.h"

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
    opener.registerKind(WindowKind::TManual, [c](const WindowRequest&) { return std::make_unique<TManual>(*c); });
    opener.registerKind(WindowKind::TOmVamlo, [c](const WindowRequest&) { return std::make_unique<TOmVamlo>(*c); });
    opener.registerKind(WindowKind::TKlockan, [c](const WindowRequest&) { return std::make_unique<TKlockan>(*c); });
    opener.registerKind(WindowKind::TSats, [c](const WindowRequest&) { return std::make_unique<TSats>(*c); });
    opener.registerKind(WindowKind::TDinaOrd, [c](const WindowRequest&) { return std::make_unique<TDinaOrd>(*c); });
    opener.registerKind(WindowKind::TRekord, [c](const WindowRequest&) { return std::make_unique<TRekord>(*c); });
    opener.registerKind(WindowKind::TPassAkt, [c](const WindowRequest&) { return std::make_unique<TPassAkt>(*c); });
    opener.registerKind(WindowKind::Tavsloj, [c](const WindowRequest&) { return std::make_unique<Tavsloj>(*c); });
    opener.registerKind(WindowKind::TSpeed, [c](const WindowRequest&) { return std::make_unique<TSpeed>(*c); });
    opener.registerKind(WindowKind::Thoroskop, [c](const WindowRequest&) { return std::make_unique<Thoroskop>(*c); });
    opener.registerKind(WindowKind::Tberaetta, [c](const WindowRequest&) { return std::make_unique<Tberaetta>(*c); });
    opener.registerKind(WindowKind::TStegran, [c](const WindowRequest&) { return std::make_unique<TStegran>(*c); });
    opener.registerKind(WindowKind::TBildvis, [c](const WindowRequest&) { return std::make_unique<TBildvis>(*c); });
    opener.registerKind(WindowKind::TBilden, [c](const WindowRequest&) { return std::make_unique<TBilden>(*c); });
    opener.registerKind(WindowKind::TKarta, [c](const WindowRequest&) { return std::make_unique<TKarta>(*c); });
    opener.registerKind(WindowKind::TFlagga, [c](const WindowRequest&) { return std::make_unique<TFlagga>(*c); });
    opener.registerKind(WindowKind::THymn, [c](const WindowRequest&) { return std::make_unique<THymn>(*c); });
    opener.registerKind(WindowKind::TDiktam, [c](const WindowRequest&) { return std::make_unique<TDiktam>(*c); });
    opener.registerKind(WindowKind::TFalska, [c](const WindowRequest&) { return std::make_unique<TFalska>(*c); });
    // (new kinds above this line)
}

} // namespace orvela
