#pragma once
// The commands of orvela-content that live in files of their own. Each takes the whole command
// line and returns the exit status: 0 success, 1 bad input (with a message on stderr), 2 usage.

namespace orvela::tool {
// (declarations of further commands above this line)
} // namespace orvela::tool
