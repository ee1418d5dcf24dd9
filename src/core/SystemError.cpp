#include "SystemError.h"

#include <cerrno>
#include <cstring>

namespace orvela {

std::string systemErrorText(int errnum) {
    switch (errnum) {
    case 0: return "okänt fel";
    case EACCES:
    case EPERM: return "åtkomst nekad";
    case ENOENT: return "filen eller katalogen finns inte";
    case EROFS: return "filsystemet är skrivskyddat";
    case ENOSPC: return "det finns inget utrymme kvar på enheten";
#ifdef EDQUOT
    case EDQUOT: return "diskkvoten är slut";
#endif
    case EEXIST: return "filen finns redan";
    case ENOTDIR: return "en del av sökvägen är inte en katalog";
    case EISDIR: return "det är en katalog";
    case ENOTEMPTY: return "katalogen är inte tom";
    case EBUSY: return "filen eller enheten är upptagen";
    case ETXTBSY: return "filen används av ett annat program";
    case EIO: return "läs- eller skrivfel på enheten";
    case EMFILE:
    case ENFILE: return "för många öppna filer";
    case ENAMETOOLONG: return "filnamnet är för långt";
    case EXDEV: return "filen kan inte flyttas till en annan enhet";
    case EFBIG: return "filen är för stor";
    case ELOOP: return "för många symboliska länkar i sökvägen";
    case ENODEV:
    case ENXIO: return "enheten finns inte";
    case EAGAIN: return "resursen är tillfälligt upptagen";
    case EINVAL: return "ogiltigt argument";
    case ENOMEM: return "minnet räcker inte";
    case ETIMEDOUT: return "tidsgränsen överskreds";
#ifdef ESTALE
    case ESTALE: return "nätverksfilen är inte längre tillgänglig";
#endif
    default: break;
    }
    return "systemfel " + std::to_string(errnum) + ": " + std::strerror(errnum);
}

std::string systemErrorText(const std::error_code& ec) {
    if (ec.category() == std::generic_category() || ec.category() == std::system_category())
        return systemErrorText(ec.value());
    return ec.message();
}

} // namespace orvela
