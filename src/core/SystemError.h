#pragma once
// The operating system's reason for a failed file operation, in Swedish, for the program's own
// messages ("Inställningarna kunde inte sparas i … (åtkomst nekad)."). The system's own texts are
// English and would stand out in a Swedish sentence.

#include <string>
#include <system_error>

namespace orvela {

// The reason behind an errno value: a Swedish text for the common file-system failures, else
// "systemfel N" with the system's own text.
std::string systemErrorText(int errnum);
// The same for an error code from the standard library's file functions.
std::string systemErrorText(const std::error_code& ec);

} // namespace orvela
