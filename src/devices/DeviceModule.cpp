#include "DeviceModule.h"

#include "QtPrinting.h"
#include "QtSound.h"

extern "C" {

Q_DECL_EXPORT orvela::Sound* orvelaCreateSound() { return new orvela::QtSound(); }

Q_DECL_EXPORT orvela::Printing* orvelaCreatePrinting() { return new orvela::QtPrinting(); }

}
