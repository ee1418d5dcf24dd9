#include "WindowOpener.h"

namespace orvela {

const char* windowKindName(WindowKind kind) {
    switch (kind) {
    case WindowKind::Menu: return "Menu";
    case WindowKind::TSKRIV: return "TSKRIV";
    case WindowKind::TSkrivinf: return "TSkrivinf";
    case WindowKind::Tskriv2: return "Tskriv2";
    case WindowKind::TDiktam: return "TDiktam";
    case WindowKind::TBilden: return "TBilden";
    case WindowKind::TFLERBAR: return "TFLERBAR";
    case WindowKind::TSats: return "TSats";
    case WindowKind::TFormer: return "TFormer";
    case WindowKind::TPassAkt: return "TPassAkt";
    case WindowKind::TStegran: return "TStegran";
    case WindowKind::TKlockan: return "TKlockan";
    case WindowKind::TDinaOrd: return "TDinaOrd";
    case WindowKind::TFalska: return "TFalska";
    case WindowKind::Tavsloj: return "Tavsloj";
    case WindowKind::Thoroskop: return "Thoroskop";
    case WindowKind::Tberaetta: return "Tberaetta";
    case WindowKind::TSpeed: return "TSpeed";
    case WindowKind::TBildvis: return "TBildvis";
    case WindowKind::TKarta: return "TKarta";
    case WindowKind::TFlagga: return "TFlagga";
    case WindowKind::THymn: return "THymn";
    case WindowKind::TDiag: return "TDiag";
    case WindowKind::Tdiaprot: return "Tdiaprot";
    case WindowKind::TManual: return "TManual";
    case WindowKind::TOmVamlo: return "TOmVamlo";
    case WindowKind::TStallin: return "TStallin";
    case WindowKind::TRegelform: return "TRegelform";
    case WindowKind::TRekord: return "TRekord";
    }
    return "?";
}

} // namespace orvela
