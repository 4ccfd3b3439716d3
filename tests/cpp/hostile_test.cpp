// Hostile input: very deep nesting wherever the reader skips, keeps or re-reads content, huge
// texts, attribute and entity floods, truncated documents and every byte at every position.
// Each input either parses or fails with the reader's message; none may crash, recurse on its
// depth, take quadratic time or use memory beyond a small multiple of its size.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "siri.hpp"

#if defined(__SANITIZE_ADDRESS__)
#define QUAYMARK_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QUAYMARK_ASAN 1
#endif
#endif

namespace {

constexpr std::size_t kDeep = 1'000'000;

// The text form, or "error: " and the message.
std::string outcome(std::string_view doc) {
    try {
        return quaymark::text_form(quaymark::SIRI::from_str(doc));
    } catch (const quaymark::ParseError& e) {
        return "error: " + e.message();
    }
}

std::string repeat(std::string_view piece, std::size_t n) {
    std::string s;
    s.reserve(piece.size() * n);
    for (std::size_t i = 0; i < n; ++i) s += piece;
    return s;
}

std::string nest(std::string_view name, std::size_t depth, std::string_view inner = "") {
    std::string open = "<" + std::string(name) + ">", close = "</" + std::string(name) + ">";
    return repeat(open, depth) + std::string(inner) + repeat(close, depth);
}

// A stop monitoring document with room for hostile content at three places: among the
// children of a record that keeps nothing (the service delivery info), of a delivery (which
// keeps what it does not read), and of the root.
struct Frame {
    std::string in_info, in_delivery, in_root, delivery_attributes, info_attributes;
    std::string str() const {
        return "<Siri>" + in_root + "<Body><NotifyStopMonitoring><ServiceDeliveryInfo" + info_attributes +
               "><ProducerRef>P</ProducerRef>" + in_info +
               "</ServiceDeliveryInfo><Notification><StopMonitoringDelivery" + delivery_attributes +
               "><ResponseTimestamp>t</ResponseTimestamp>" + in_delivery +
               "</StopMonitoringDelivery></Notification></NotifyStopMonitoring></Body></Siri>";
    }
};

const std::string kPlain = outcome(Frame{}.str());

// A production timetable document with room inside one dated journey.
std::string journey(std::string_view inside) {
    return "<Siri><Body><NotifyProductionTimetable><ServiceDeliveryInfo><ProducerRef>P</ProducerRef>"
           "</ServiceDeliveryInfo><Notification><ProductionTimetableDelivery><ResponseTimestamp>t"
           "</ResponseTimestamp><DatedTimetableVersionFrame><RecordedAtTime>r</RecordedAtTime><LineRef>L</LineRef>"
           "<DirectionRef>D</DirectionRef><DatedVehicleJourney>" +
           std::string(inside) +
           "<DatedCalls><DatedCall><StopPointRef>S</StopPointRef><Order>1</Order></DatedCall></DatedCalls>"
           "</DatedVehicleJourney></DatedTimetableVersionFrame></ProductionTimetableDelivery></Notification>"
           "</NotifyProductionTimetable></Body></Siri>";
}

// An estimated timetable document with room inside the calls of one journey.
std::string estimated(std::string_view calls) {
    return "<Siri><Body><NotifyEstimatedTimetable><ServiceDeliveryInfo><ProducerRef>P</ProducerRef>"
           "</ServiceDeliveryInfo><Notification><EstimatedTimetableDelivery><ResponseTimestamp>t"
           "</ResponseTimestamp><EstimatedJourneyVersionFrame><RecordedAtTime>r</RecordedAtTime>"
           "<EstimatedVehicleJourney><LineRef>L</LineRef><DirectionRef>D</DirectionRef><EstimatedCalls>" +
           std::string(calls) +
           "</EstimatedCalls></EstimatedVehicleJourney></EstimatedJourneyVersionFrame></EstimatedTimetableDelivery>"
           "</Notification></NotifyEstimatedTimetable></Body></Siri>";
}

// The resident-set peak while `run` goes, above the resident set before it (Linux).
long rss_kib(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field, 0) == 0) return std::stol(line.substr(std::string_view(field).size()));
    return -1;
}

template <class F>
long peak_growth_kib(F&& run) {
    { std::ofstream("/proc/self/clear_refs") << "5"; }  // resets the peak to the current size
    long before = rss_kib("VmRSS:");
    run();
    return rss_kib("VmHWM:") - before;
}

void expect_small_multiple(long growth_kib, std::size_t input_bytes, long factor) {
#ifdef QUAYMARK_ASAN
    (void)growth_kib, (void)input_bytes, (void)factor;  // the sanitizer's own bookkeeping dominates
#else
    EXPECT_LE(growth_kib, static_cast<long>(input_bytes / 1024) * factor + 8 * 1024)
        << "input of " << input_bytes << " bytes";
#endif
}

}  // namespace

TEST(Hostile, DeepNestingWhereContentIsSkippedKeptOrReRead) {
    const std::string deep = nest("x", kDeep);
    struct Case {
        const char* what;
        std::string doc;
        std::string expected;
    };
    std::string journey_plain = outcome(journey(""));
    ASSERT_EQ(journey_plain.rfind("Envelope", 0), 0u) << journey_plain;
    const std::string one_call = outcome(estimated("<EstimatedCall><Order>7</Order></EstimatedCall>"));
    ASSERT_NE(one_call.find("order: Some(7)"), std::string::npos) << one_call;
    const Case cases[] = {
        {"unknown child of a record", Frame{.in_info = nest("Unknown", kDeep)}.str(), kPlain},
        {"unknown child of the root", Frame{.in_root = "<Header>" + deep + "</Header>"}.str(), kPlain},
        {"unknown child of a delivery, kept then rejected", Frame{.in_delivery = nest("Extra", kDeep)}.str(),
         "error: unknown field `Extra`, expected one of `ResponseTimestamp`, `RequestMessageRef`, "
         "`SubscriberRef`, `SubscriptionRef`, `Status`, `ValidUntil`, `ShortestPossibleCycle`"},
        {"header element of a delivery holding deep content",
         Frame{.in_delivery = "<SubscriberRef>" + deep + "sub</SubscriberRef>"}.str(),
         [] {
             std::string s = kPlain;
             s.replace(s.find("subscriber_ref: None"), 20, "subscriber_ref: Some(\"sub\")");
             return s;
         }()},
        {"set-aside child of a dated journey", journey("<Unknown>" + deep + "</Unknown>"), journey_plain},
        {"set-aside group member of a dated journey", journey("<OperatorRef>" + deep + "</OperatorRef>"),
         journey_plain},
        {"discarded child of an estimated call",
         estimated("<EstimatedCall><Junk a='1'>" + deep + "</Junk><Order>7</Order></EstimatedCall>"), one_call},
        {"nested estimated calls, the innermost one wins",
         estimated(repeat("<EstimatedCall><Order>1</Order>", kDeep) + "<EstimatedCall><Order>7</Order></EstimatedCall>" +
                   repeat("<StopPointRef>X</StopPointRef></EstimatedCall>", kDeep)),
         one_call},
        {"nested estimated calls ending in an empty one",
         estimated(repeat("<EstimatedCall>", kDeep) + "<EstimatedCall/>" + repeat("</EstimatedCall>", kDeep)),
         [&] {
             std::string s = one_call;
             s.replace(s.find("Some(7)"), 7, "None");
             return s;
         }()},
        {"nested estimated calls, unclosed",
         [&] {
             std::string s = estimated(repeat("<EstimatedCall>", kDeep));
             return s.substr(0, s.find("</EstimatedCalls>"));
         }(),
         "error: ill-formed document: start tag not closed: `</EstimatedCall>` not found before end of input"},
        {"unclosed deep skip",
         "<Siri><Body><NotifyStopMonitoring><ServiceDeliveryInfo><Unknown>" + repeat("<x>", kDeep),
         "error: ill-formed document: start tag not closed: `</Unknown>` not found before end of input"},
        {"deep mismatch", Frame{.in_info = "<Unknown>" + repeat("<x>", kDeep) + "</y>"}.str(),
         "error: ill-formed document: expected `</x>`, but `</y>` was found"},
        {"deep inside a text field",
         Frame{.in_info = "<RequestMessageIdentifier>" + deep + "</RequestMessageIdentifier>"}.str(),
         "error: unexpected `Event::Start(\"x\")`"},
        {"deep empty elements", Frame{.in_info = repeat("<x>", kDeep) + "<x/>" + repeat("</x>", kDeep)}.str(),
         kPlain},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        long growth = peak_growth_kib([&] { EXPECT_EQ(outcome(c.doc), c.expected); });
        expect_small_multiple(growth, c.doc.size(), 8);
    }
}

TEST(Hostile, HundredMegabyteText) {
    const std::size_t n = 100u << 20;
    std::string doc = Frame{}.str();
    doc.replace(doc.find(">P<") + 1, 1, std::string(n, 'a'));
    long growth = peak_growth_kib([&] {
        std::string text = outcome(doc);
        ASSERT_EQ(text.size(), kPlain.size() + n - 1);
        EXPECT_EQ(text.find("producer_ref: \"aaaa"), kPlain.find("producer_ref: \"P\""));
    });
    expect_small_multiple(growth, doc.size(), 4);
}

TEST(Hostile, MillionAttributes) {
    std::string many;
    for (std::size_t i = 0; i < kDeep; ++i) many += " a" + std::to_string(i) + "=\"v\"";
    const std::string info_error_prefix = "error: error while parsing attribute: position ";
    struct Case {
        const char* what;
        std::string doc;
        std::string expected;
    };
    const Case cases[] = {
        {"on a skipped element", Frame{.in_info = "<Unknown" + many + "/>"}.str(), kPlain},
        {"on a skipped element, duplicated",
         Frame{.in_info = "<Unknown" + many + " a0=\"w\"/>"}.str(), kPlain},
        {"on a record element", Frame{.info_attributes = many}.str(), kPlain},
        {"on a record element, the last one a duplicate", Frame{.info_attributes = many + " a7=\"w\""}.str(),
         info_error_prefix + std::to_string(std::string("ServiceDeliveryInfo").size() + many.size() + 1) +
             ": duplicated attribute, previous declaration at position " +
             std::to_string(std::string("ServiceDeliveryInfo").size() + many.find(" a7=") + 1)},
        {"on a delivery, which keeps them",
         Frame{.delivery_attributes = many}.str(),
         "error: unknown field `@a0`, expected one of `ResponseTimestamp`, `RequestMessageRef`, "
         "`SubscriberRef`, `SubscriptionRef`, `Status`, `ValidUntil`, `ShortestPossibleCycle`"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        long growth = peak_growth_kib([&] { EXPECT_EQ(outcome(c.doc), c.expected); });
        expect_small_multiple(growth, c.doc.size(), 16);
    }
}

TEST(Hostile, MillionEntitiesInOneText) {
    struct Case {
        std::string_view entity;
        std::string_view expanded;
    };
    for (const Case c : {Case{"&amp;", "&"}, Case{"&#x10FFFF;", "\\u{10ffff}"}, Case{"&#233;", "\xC3\xA9"}}) {
        SCOPED_TRACE(std::string(c.entity));
        std::string doc = Frame{}.str();
        doc.replace(doc.find(">P<") + 1, 1, repeat(c.entity, kDeep));
        long growth = peak_growth_kib([&] {
            std::string text = outcome(doc);
            std::string expected = kPlain;
            expected.replace(expected.find("\"P\"") + 1, 1, repeat(c.expanded, kDeep));
            EXPECT_TRUE(text == expected) << text.substr(0, 300);
        });
        expect_small_multiple(growth, doc.size(), 8);
    }
    // One bad entity at the very end still fails, with its position in the piece.
    std::string doc = Frame{}.str();
    doc.replace(doc.find(">P<") + 1, 1, repeat("&lt;", kDeep) + "&nbsp;");
    EXPECT_EQ(outcome(doc), "error: at " + std::to_string(4 * kDeep + 1) + ".." + std::to_string(4 * kDeep + 5) +
                                ": unrecognized entity `nbsp`");
}

namespace {

std::string read_file(const std::filesystem::path& path) {
    std::ifstream f(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
}

// The example documents and the fuzzer's seeds that parse, each cut after its root's end tag
// (whatever follows it is never read), so that only the whole document parses.
std::vector<std::string> valid_documents() {
    std::vector<std::string> docs = {Frame{}.str(), journey("<OperatorRef>o</OperatorRef>text"),
                                     estimated("<EstimatedCall><Order>7</Order><Junk/></EstimatedCall>")};
    const std::filesystem::path root = std::filesystem::path(QUAYMARK_DOCUMENTS).parent_path().parent_path();
    for (const char* dir : {"examples", "fuzz/seeds"}) {
        std::vector<std::filesystem::path> paths;
        for (const auto& entry : std::filesystem::directory_iterator(root / dir))
            if (entry.path().extension() == ".xml") paths.push_back(entry.path());
        std::sort(paths.begin(), paths.end());
        for (const auto& path : paths) {
            std::string bytes = read_file(path);
            std::size_t end = bytes.rfind("</");
            bytes.resize(bytes.find('>', end) + 1);
            if (std::string_view(dir) == "examples" || outcome(bytes).rfind("Envelope", 0) == 0)
                docs.push_back(bytes);
        }
    }
    return docs;
}

bool is_reader_message(std::string_view m) {
    for (std::string_view p : {"error: syntax error: ", "error: ill-formed document: start tag not closed: `</",
                               "error: unexpected `Event::Eof`", "error: Error while escaping character at range"})
        if (m.rfind(p, 0) == 0) return true;
    return false;
}

}  // namespace

TEST(Hostile, EveryPrefixOfAValidDocumentFails) {
    for (const std::string& doc : valid_documents()) {
        ASSERT_EQ(outcome(doc).rfind("Envelope", 0), 0u) << outcome(doc);
        for (std::size_t n = 0; n < doc.size(); ++n) {
            std::string cut = doc.substr(0, n);  // its own buffer: reading past it is caught
            std::string o = outcome(cut);
            if (n < 3 && doc.rfind("\xEF\xBB\xBF", 0) == 0 && n > 0)  // part of a byte-order mark is text
                EXPECT_EQ(o.rfind("error: invalid type: string \"", 0), 0u) << o;
            else
                EXPECT_TRUE(is_reader_message(o)) << "prefix of " << n << " bytes: " << o;
        }
    }
}

TEST(Hostile, EveryByteAtEveryPosition) {
    const std::string doc =
        "<?xml version=\"1.0\"?><S a='1'><Body><NotifyGeneralMessage><ServiceDeliveryInfo>"
        "<ProducerRef>P&amp;<![CDATA[c]]></ProducerRef><!--c--></ServiceDeliveryInfo><Notification>"
        "<GeneralMessageDelivery><ResponseTimestamp>t</ResponseTimestamp></GeneralMessageDelivery></Notification>"
        "</NotifyGeneralMessage></Body></S>";
    std::size_t parsed = 0, failed = 0;
    for (std::size_t at = 0; at < doc.size(); ++at) {
        std::string mutated = doc;
        for (int b = 0; b < 256; ++b) {
            mutated[at] = static_cast<char>(b);
            std::string o = outcome(mutated);
            (o.rfind("error: ", 0) == 0 ? failed : parsed)++;
            if (o.rfind("error: ", 0) == 0) EXPECT_GT(o.size(), 7u);
        }
    }
    EXPECT_EQ(parsed + failed, doc.size() * 256);
    EXPECT_GT(parsed, doc.size());  // at least the original byte at every position parses
    EXPECT_GT(failed, 0u);
}
