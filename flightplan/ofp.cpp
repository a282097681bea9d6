#include "flightplan/ofp.h"

#include <rapidxml.hpp>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <new>
#include <vector>

#include "core/units.h"
#include "res/messages.h"

namespace flightplan {

namespace {

// What bounds a field: the aircraft's limit it is checked against (twice
// over), and whether it is a weight in the plan's unit.
enum class Bound { Passengers, Payload, Fuel, Distance, Altitude, CostIndex };

struct Field {
    const char* path;  // below /OFP
    int32_t Plan::*member;
    Bound bound;
    bool optional;  // absent: 0
};

// clang-format off
constexpr Field kFields[] = {
    {"general/air_distance",     &Plan::airDistanceNm,     Bound::Distance,  false},
    {"general/initial_altitude", &Plan::initialAltitudeFt, Bound::Altitude,  false},
    {"general/costindex",        &Plan::costIndex,         Bound::CostIndex, false},
    {"weights/payload",          &Plan::payloadKg,         Bound::Payload,   false},
    {"weights/est_zfw",          &Plan::estZfwKg,          Bound::Payload,   false},
    {"fuel/taxi",                &Plan::taxiKg,            Bound::Fuel,      false},
    {"fuel/enroute_burn",        &Plan::enrouteBurnKg,     Bound::Fuel,      false},
    {"fuel/contingency",         &Plan::contingencyKg,     Bound::Fuel,      false},
    {"fuel/reserve",             &Plan::reserveKg,         Bound::Fuel,      false},
    {"fuel/alternate_burn",      &Plan::alternateBurnKg,   Bound::Fuel,      false},
    {"fuel/extra",               &Plan::extraKg,           Bound::Fuel,      false},
    {"fuel/etops",               &Plan::etopsKg,           Bound::Fuel,      true},
    {"fuel/plan_ramp",           &Plan::planRampKg,        Bound::Fuel,      false},
};
// clang-format on

constexpr const char kPaxActual[] = "weights/pax_count_actual";
constexpr const char kPax[] = "weights/pax_count";

bool IsWeight(Bound bound) {
    return bound == Bound::Payload || bound == Bound::Fuel;
}

// The aircraft's own limit of a figure, kg for weights.
int64_t OwnLimit(Bound bound, const AircraftSpec& a) {
    switch (bound) {
        case Bound::Passengers:
            return int64_t{a.firstClassSeats} + a.secondClassSeats;
        case Bound::Payload:
            return a.mzfwKg;
        case Bound::Fuel:
            return 2 * int64_t{a.innerTankKg} + 2 * int64_t{a.outerTankKg} + a.centerTankKg;
        case Bound::Distance:
            return kLongestRangeNm;
        case Bound::Altitude:
            return kCeilingFt;
        case Bound::CostIndex:
            return kMaxCostIndex;
    }
    return 0;
}

int64_t RoundHalfUp(double value) {
    return static_cast<int64_t>(std::floor(value + 0.5));
}

// Twice the limit, in the plan's unit (pounds rounded up, so a value just
// at the limit in kg is not refused for the conversion).
int64_t ShownLimit(Bound bound, const AircraftSpec& aircraft, PlanUnit unit) {
    const int64_t twice = 2 * OwnLimit(bound, aircraft);
    return IsWeight(bound) && unit == PlanUnit::Lb
               ? static_cast<int64_t>(std::ceil(static_cast<double>(twice) * kLbPerKg))
               : twice;
}

std::string Trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return std::string(text);
}

// Before rapidxml sees the text: how deeply its elements nest, counted as
// the parser counts them (quoted attribute values, comments, CDATA and
// declarations skipped), stopping as soon as the depth passes the limit.
// An unterminated construct ends the scan; the parser then refuses it.
bool NestingWithin(std::string_view xml, int limit) {
    int depth = 0;
    size_t i = 0;
    const auto skipPast = [&](std::string_view end) {
        const size_t at = xml.find(end, i);
        i = at == std::string_view::npos ? xml.size() : at + end.size();
    };
    while (i < xml.size()) {
        if (xml[i] != '<') {
            ++i;
            continue;
        }
        if (xml.compare(i, 4, "<!--") == 0) {
            i += 4;
            skipPast("-->");
        } else if (xml.compare(i, 9, "<![CDATA[") == 0) {
            i += 9;
            skipPast("]]>");
        } else if (xml.compare(i, 2, "<?") == 0) {
            i += 2;
            skipPast("?>");
        } else if (xml.compare(i, 2, "<!") == 0) {
            // A declaration; an internal subset's brackets hold more '<'.
            int brackets = 0;
            for (i += 2; i < xml.size(); ++i) {
                if (xml[i] == '[') {
                    ++brackets;
                } else if (xml[i] == ']') {
                    --brackets;
                } else if (xml[i] == '>' && brackets <= 0) {
                    break;
                }
            }
            ++i;
        } else if (xml.compare(i, 2, "</") == 0) {
            --depth;
            i += 2;
            skipPast(">");
        } else {
            char quote = 0;
            char last = 0;
            for (++i; i < xml.size(); ++i) {
                const char c = xml[i];
                if (quote) {
                    quote = c == quote ? 0 : quote;
                } else if (c == '"' || c == '\'') {
                    quote = c;
                } else if (c == '>') {
                    break;
                }
                last = quote ? 0 : c;
            }
            ++i;
            if (last != '/' && ++depth > limit) {
                return false;
            }
        }
    }
    return true;
}

using Node = rapidxml::xml_node<char>;

const Node* Child(const Node* node, std::string_view name) {
    for (const Node* c = node ? node->first_node() : nullptr; c; c = c->next_sibling()) {
        if (c->type() == rapidxml::node_element &&
            std::string_view(c->name(), c->name_size()) == name) {
            return c;
        }
    }
    return nullptr;
}

// The text of /OFP/<path>, trimmed; nothing when an element is missing.
std::optional<std::string> Text(const Node* root, std::string_view path) {
    const Node* node = root;
    while (node && !path.empty()) {
        const size_t slash = path.find('/');
        node = Child(node, path.substr(0, slash));
        path = slash == std::string_view::npos ? std::string_view() : path.substr(slash + 1);
    }
    if (!node) {
        return std::nullopt;
    }
    return Trimmed(std::string_view(node->value(), node->value_size()));
}

enum class NumberKind { Number, Empty, NotNumber, Negative };

// A plain decimal number ("1234", "1234.5"), as the service writes them.
NumberKind ParseNumber(const std::string& text, double& value) {
    if (text.empty()) {
        return NumberKind::Empty;
    }
    const bool negative = text[0] == '-';
    const std::string digits = negative ? text.substr(1) : text;
    // At most 15 significant places: exact in a double, and no real figure has more.
    if (digits.empty() || digits.size() > 15 || digits[0] == '.' || digits.back() == '.' ||
        std::count(digits.begin(), digits.end(), '.') > 1 ||
        !std::all_of(digits.begin(), digits.end(),
                     [](char c) { return (c >= '0' && c <= '9') || c == '.'; })) {
        return NumberKind::NotNumber;
    }
    value = std::strtod(digits.c_str(), nullptr);
    return negative && value != 0.0 ? NumberKind::Negative : NumberKind::Number;
}

OfpResult Failure(OfpError error, std::string detail = {}) {
    OfpResult result;
    result.error = error;
    result.detail = std::move(detail);
    return result;
}

// One figure: read, converted to kg when it is a weight in pounds, checked
// against twice the aircraft's limit. Fails with the field named.
std::optional<OfpResult> ReadFigure(const Node* root, const char* path, Bound bound, bool optional,
                                    PlanUnit unit, const AircraftSpec& aircraft, int32_t& out) {
    const std::optional<std::string> text = Text(root, path);
    double value = 0.0;
    const NumberKind kind = text ? ParseNumber(*text, value) : NumberKind::Empty;
    if (kind == NumberKind::Empty) {
        if (optional) {
            out = 0;
            return std::nullopt;
        }
        return Failure(OfpError::FieldMissing, path);
    }
    if (kind == NumberKind::NotNumber) {
        return Failure(OfpError::FieldNotNumber, path);
    }
    if (kind == NumberKind::Negative) {
        return Failure(OfpError::FieldNegative, path);
    }
    const int64_t limit = ShownLimit(bound, aircraft, unit);
    if (value > static_cast<double>(limit)) {
        OfpResult beyond = Failure(OfpError::FieldBeyond, path);
        beyond.limit = limit;
        beyond.unit = IsWeight(bound) ? unit : PlanUnit::Kg;
        return beyond;
    }
    // Within twice a limit of some 10^5: fits in 32 bits.
    out = static_cast<int32_t>(
        RoundHalfUp(IsWeight(bound) && unit == PlanUnit::Lb ? value * kKgPerLb : value));
    return std::nullopt;
}

// The service's error document: an OFP whose fetch/status is not Success.
std::optional<std::string> ServiceStatus(const Node* root) {
    std::optional<std::string> status = Text(root, "fetch/status");
    if (!status || *status == "Success") {
        return std::nullopt;
    }
    // Shown in a message box: printable ASCII and a bounded length.
    std::string shown;
    for (char c : *status) {
        if (shown.size() < 200) {
            shown += (c >= 0x20 && c < 0x7f) ? c : ' ';
        }
    }
    return shown.empty() ? std::string("(no reason given)") : shown;
}

OfpResult ReadParsed(const Node* root, AircraftType aircraft) {
    if (std::optional<std::string> status = ServiceStatus(root)) {
        return Failure(OfpError::ServiceError, *status);
    }
    Plan plan;
    const std::optional<std::string> units = Text(root, "params/units");
    if (!units || units->empty()) {
        return Failure(OfpError::FieldMissing, "params/units");
    }
    if (*units == "kgs") {
        plan.unit = PlanUnit::Kg;
    } else if (*units == "lbs") {
        plan.unit = PlanUnit::Lb;
    } else {
        return Failure(OfpError::UnknownUnits, units->substr(0, 40));
    }
    const struct {
        const char* path;
        std::string Plan::*member;
    } texts[] = {{"aircraft/icaocode", &Plan::aircraftIcao},
                 {"origin/icao_code", &Plan::origin},
                 {"destination/icao_code", &Plan::destination}};
    for (const auto& t : texts) {
        std::optional<std::string> text = Text(root, t.path);
        if (!text || text->empty()) {
            return Failure(OfpError::FieldMissing, t.path);
        }
        plan.*t.member = text->substr(0, 16);
    }
    const AircraftSpec& spec = Aircraft(aircraft);
    for (const Field& f : kFields) {
        if (auto failed =
                ReadFigure(root, f.path, f.bound, f.optional, plan.unit, spec, plan.*f.member)) {
            return *failed;
        }
    }
    const std::optional<std::string> actual = Text(root, kPaxActual);
    const char* paxPath = actual && !actual->empty() ? kPaxActual : kPax;
    if (auto failed =
            ReadFigure(root, paxPath, Bound::Passengers, false, plan.unit, spec, plan.passengers)) {
        return *failed;
    }
    OfpResult result;
    result.plan = std::move(plan);
    return result;
}

}  // namespace

OfpResult ReadOfp(std::string_view xml, AircraftType aircraft) {
    if (xml.size() > kMaxOfpBytes) {
        return Failure(OfpError::TooLarge);
    }
    if (!NestingWithin(xml, kMaxNestingDepth)) {
        return Failure(OfpError::TooDeep);
    }
    // rapidxml parses in place, in a buffer that ends with a NUL.
    std::vector<char> buffer(xml.begin(), xml.end());
    buffer.push_back('\0');
    rapidxml::xml_document<char> document;
    try {
        document.parse<rapidxml::parse_default>(buffer.data());
    } catch (const rapidxml::parse_error&) {
        return Failure(OfpError::NotAnOfp);
    } catch (const std::bad_alloc&) {
        return Failure(OfpError::TooLarge);
    }
    const Node* root = document.first_node();
    while (root && root->type() != rapidxml::node_element) {
        root = root->next_sibling();
    }
    if (!root || std::string_view(root->name(), root->name_size()) != "OFP") {
        return Failure(OfpError::NotAnOfp);
    }
    return ReadParsed(root, aircraft);
}

OfpResult ReadAnswer(int32_t httpStatus, std::string_view body, AircraftType aircraft) {
    if (httpStatus == 200) {
        return ReadOfp(body, aircraft);
    }
    OfpResult result = ReadOfp(body, aircraft);
    if (result.error == OfpError::ServiceError) {
        return result;
    }
    result = Failure(OfpError::HttpError);
    result.httpStatus = httpStatus;
    return result;
}

OfpResult CheckForAircraft(const Plan& plan, AircraftType aircraft) {
    const AircraftSpec& spec = Aircraft(aircraft);
    for (const Field& f : kFields) {
        // The kept figures are in kg: checked against the limit in kg.
        if (int64_t{plan.*f.member} > 2 * OwnLimit(f.bound, spec)) {
            OfpResult beyond = Failure(OfpError::FieldBeyond, f.path);
            beyond.limit = 2 * OwnLimit(f.bound, spec);
            return beyond;
        }
    }
    if (int64_t{plan.passengers} > 2 * OwnLimit(Bound::Passengers, spec)) {
        OfpResult beyond = Failure(OfpError::FieldBeyond, kPax);
        beyond.limit = 2 * OwnLimit(Bound::Passengers, spec);
        return beyond;
    }
    OfpResult result;
    result.plan = plan;
    return result;
}

std::string ErrorText(const OfpResult& result) {
    const std::string field = result.detail;
    switch (result.error) {
        case OfpError::None:
            return {};
        case OfpError::TooLarge:
            return msg::kPlanTooLarge;
        case OfpError::TooDeep:
            return msg::kPlanTooDeep;
        case OfpError::NotAnOfp:
            return msg::kPlanNotOfp;
        case OfpError::ServiceError:
            return msg::kPlanServiceError + result.detail + msg::kPlanServiceAdvice;
        case OfpError::HttpError:
            return msg::kPlanHttpError + std::to_string(result.httpStatus) + ".";
        case OfpError::UnknownUnits:
            return msg::kPlanUnknownUnits + ("\"" + result.detail + "\".");
        case OfpError::FieldMissing:
            return msg::kPlanFieldMissing + field + msg::kPlanFieldEnding;
        case OfpError::FieldNotNumber:
            return msg::kPlanFieldNotNumber + field + msg::kPlanFieldEnding;
        case OfpError::FieldNegative:
            return msg::kPlanFieldNegative + field + msg::kPlanFieldEnding;
        case OfpError::FieldBeyond: {
            const bool weight = field.rfind("weights/pay", 0) == 0 ||
                                field.rfind("weights/est", 0) == 0 || field.rfind("fuel/", 0) == 0;
            const std::string unit =
                weight ? (result.unit == PlanUnit::Lb ? " lb" : " kg") : std::string();
            return msg::kPlanFieldBeyond + field + " (above " + std::to_string(result.limit) +
                   unit + ")" + msg::kPlanFieldEnding;
        }
    }
    return {};
}

bool PlanFitsAircraft(const Plan& plan, AircraftType aircraft) {
    const std::string expected =
        aircraft == AircraftType::ACJ ? std::string("A319") : std::string(Aircraft(aircraft).name);
    std::string code;
    for (char c : plan.aircraftIcao) {
        if (c != ' ' && c != '\t') {
            code += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        }
    }
    return code == expected;
}

std::string RouteText(const Plan& plan) {
    return plan.origin + "-" + plan.destination;
}

std::string UseKeptPlanText(const KeptPlan& kept) {
    return msg::kUseKeptPlan + kept.readAt + ", " + RouteText(kept.plan);
}

}  // namespace flightplan
