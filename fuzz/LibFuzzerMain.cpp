// libFuzzer's entry for one target, chosen when the program is built:
// VW_FUZZ_CHECK names its check (Targets.h). A broken invariant aborts, so
// that libFuzzer keeps the input as a crash.

#include "fuzz/Targets.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fuzz::Finding finding =
        fuzz::VW_FUZZ_CHECK(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!finding.empty()) {
        std::fprintf(stderr, "%s: %s\n", VW_FUZZ_TARGET, finding.c_str());
        std::abort();
    }
    return 0;
}
