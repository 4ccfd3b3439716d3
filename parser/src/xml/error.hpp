// The single error value of a parse: one message text. Any reader throws it; the parse entry
// catches it and hands the message on. Nothing else (position, path) is attached.
#pragma once

#include <exception>
#include <string>
#include <string_view>
#include <utility>

namespace quaymark {

class ParseError : public std::exception {
public:
    explicit ParseError(std::string message) : message_(std::move(message)) {}
    const char* what() const noexcept override { return message_.c_str(); }
    const std::string& message() const noexcept { return message_; }

private:
    std::string message_;
};

[[noreturn]] inline void fail(std::string message) { throw ParseError(std::move(message)); }

}  // namespace quaymark
