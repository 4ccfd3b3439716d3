// libFuzzer target: any byte string through the parse entry, and the text forms and copies of
// whatever parses. A ParseError is an ordinary outcome; anything else (a crash, a sanitizer
// report, another exception, a hang) is a finding. A document that parses must read the same
// with more input after its root, which nothing reads: the reader takes its quicker paths only
// where enough input follows, and the two must agree.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "siri.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Copy into a buffer of exactly `size` bytes so that any read past the end is caught.
    std::string input(reinterpret_cast<const char*>(data), size);
    std::string_view document(input);
    try {
        quaymark::models::Envelope envelope = quaymark::SIRI::from_str(document);
        std::string padded = input + "<!--" + std::string(64, ' ') + "-->";
        input.assign(input.size(), '\xFF');  // nothing may refer back to the text
        std::string whole = quaymark::text_form(envelope);
        if (quaymark::text_form(quaymark::SIRI::from_str(padded)) != whole) __builtin_trap();
        quaymark::models::Body body = envelope.body;
        std::string part = quaymark::text_form(body);
        if (whole.find(part) == std::string::npos) __builtin_trap();
    } catch (const quaymark::ParseError& e) {
        if (e.message().empty()) __builtin_trap();
    }
    return 0;
}
