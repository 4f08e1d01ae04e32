// The running program's version and build date. Every Score is given the
// version; the score-file reader compares it with the version that wrote a file.
#pragma once

namespace Velmora {
inline constexpr char programVersion[] = "5.3.1";
inline constexpr char buildDate[] = "2026/10/21";
} // namespace Velmora
