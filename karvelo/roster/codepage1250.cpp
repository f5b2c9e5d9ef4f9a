// SPDX-License-Identifier: GPL-3.0-or-later
#include "karvelo/roster/codepage1250.h"

#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace karvelo {

namespace {

class Converter {
public:
    Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {
        if (handle_ == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error(std::string("Převod textu ") + from + " → " + to +
                                     " není v systému k dispozici (iconv).");
    }
    ~Converter() { iconv_close(handle_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts as much as possible; returns false at a character it cannot convert, with `in`
    // advanced to that character and everything before it appended to `out`.
    bool Convert(std::string_view& in, std::string& out, std::size_t maxBytesPerChar) {
        std::string buffer(in.size() * maxBytesPerChar, '\0');
        char* source = const_cast<char*>(in.data());  // iconv never writes through its input
        std::size_t sourceLeft = in.size();
        char* target = buffer.data();
        std::size_t targetLeft = buffer.size();
        const bool complete = iconv(handle_, &source, &sourceLeft, &target, &targetLeft) != std::size_t(-1);
        out.append(buffer.data(), buffer.size() - targetLeft);
        in.remove_prefix(in.size() - sourceLeft);
        return complete;
    }

private:
    iconv_t handle_;
};

}  // namespace

std::string Cp1250ToUtf8(std::string_view bytes) {
    Converter converter("UTF-8", "CP1250");
    std::string utf8;
    // The five byte values the code page leaves undefined show as the replacement character.
    while (!converter.Convert(bytes, utf8, 3) && !bytes.empty()) {
        utf8 += "\xEF\xBF\xBD";
        bytes.remove_prefix(1);
    }
    return utf8;
}

std::optional<std::string> Utf8ToCp1250(std::string_view utf8) {
    Converter converter("CP1250", "UTF-8");
    std::string bytes;
    if (!converter.Convert(utf8, bytes, 1)) return std::nullopt;
    return bytes;
}

}  // namespace karvelo
