#include "flightplan/fetch_address.h"

namespace flightplan {

std::string FetchAddress(const std::string& base, const std::string& user, bool pilotId) {
    std::string address = base.empty() ? std::string(kServiceAddress) : base;
    address += address.find('?') == std::string::npos ? '?' : '&';
    address += pilotId ? "userid=" : "username=";
    constexpr char kHex[] = "0123456789ABCDEF";
    for (unsigned char c : user) {
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                           (c >= '0' && c <= '9') || c == '-' || c == '_' || c == '.' || c == '~';
        if (plain) {
            address += static_cast<char>(c);
        } else {
            address += '%';
            address += kHex[c >> 4];
            address += kHex[c & 15];
        }
    }
    return address;
}

int FetchLimitSeconds(const char* variable) {
    if (!variable || !variable[0] || (variable[1] && variable[2])) {
        return kFetchLimitSeconds;
    }
    int seconds = 0;
    for (const char* c = variable; *c; ++c) {
        if (*c < '0' || *c > '9') {
            return kFetchLimitSeconds;
        }
        seconds = seconds * 10 + (*c - '0');
    }
    return seconds >= 1 && seconds <= kFetchLimitSeconds ? seconds : kFetchLimitSeconds;
}

}  // namespace flightplan
