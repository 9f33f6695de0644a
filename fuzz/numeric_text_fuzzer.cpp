// SPDX-License-Identifier: MIT
// Fuzzes the conversion of the form's numeric texts: any text either converts to a 16-bit
// integer that reads back the same, or is refused.
#include "engine/input/NumericText.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<std::int16_t> value = TextToInteger16(text);
    if (value) {
        // The decimal text of a converted value converts to the same value.
        if (TextToInteger16(std::to_string(*value)) != value)
            std::abort();
    }
    return 0;
}
