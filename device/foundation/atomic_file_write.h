#pragma once

#include <filesystem>
#include <string_view>

namespace device::foundation {

// Replaces the host file with bytes, whole or not at all: they go to a temporary file beside it,
// flushed, then renamed over it. A writer killed before the rename leaves its temporary file
// behind; the next write of the same file removes such leftovers, so they never pile up.
bool writeFileAtomically(const std::filesystem::path& file, std::string_view bytes);

}  // namespace device::foundation
