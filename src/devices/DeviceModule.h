#pragma once
// The entry points of the device module: sound with Qt Multimedia and printing with Qt Print
// Support. The program loads the module on first use (see DeviceProxies.h), so that these two
// large parts of Qt are not loaded and linked at every start of the program.

namespace orvela {
class Printing;
class Sound;
} // namespace orvela

extern "C" {
// A new sound player; the caller owns it.
orvela::Sound* orvelaCreateSound();
// A new printer (a print dialog, or a PDF file when no printer is installed); the caller owns it.
orvela::Printing* orvelaCreatePrinting();
}
