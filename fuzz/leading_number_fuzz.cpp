// The leading-number parser against a reference reading: drop the skipped
// characters first, take the longest prefix shaped like [+-]digits[.digits],
// and let strtod convert it.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fuzz_input.h"
#include "runtime/conversions.h"

namespace {

double ReferenceReading(sentinel::TextView text)
{
    std::string kept;
    for (const char16_t c : text) {
        if (c != u' ' && c != u'\t' && c != u'\n')
            kept.push_back(c < 0x80 ? static_cast<char>(c) : '?');
    }
    std::size_t end = 0;
    if (end < kept.size() && (kept[end] == '+' || kept[end] == '-'))
        ++end;
    const auto skipDigits = [&] {
        while (end < kept.size() && kept[end] >= '0' && kept[end] <= '9')
            ++end;
    };
    skipDigits();
    if (end < kept.size() && kept[end] == '.') {
        ++end;
        skipDigits();
    }
    const std::string number = kept.substr(0, end);
    if (number.find_first_of("0123456789") == std::string::npos)
        return 0.0;
    return std::strtod(number.c_str(), nullptr);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    sentinel::fuzz::FuzzInput input(data, size);
    const sentinel::Text text = input.TextOf(4096);
    const double value = sentinel::LeadingNumber(text);
    const double expected = ReferenceReading(text);
    if (value != expected) {
        std::fprintf(stderr, "LeadingNumber gave %.17g, the reference %.17g\n", value, expected);
        std::abort();
    }
    return 0;
}
