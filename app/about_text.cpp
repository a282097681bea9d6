#include "app/about_text.h"

#include "platform/full_path.h"

namespace {

const char* Presence(bool exists) {
    return exists ? "found" : "missing";
}

}  // namespace

std::string AboutText(const AboutFacts& facts) {
    std::string text = "Corvel Config " + facts.version + "\r\n\r\n";
    // Paths as the user would type them, without the search's "..".
    using files::FullPathText;
    text += "Simulator folder: " + FullPathText(facts.simFolder) + "\r\n";
    text += "Found: " + facts.foundBy + "\r\n\r\n";
    text += "Preferences file (" + std::string(Presence(facts.prefsExists)) +
            "): " + FullPathText(facts.prefsPath) + "\r\n\r\n";
    text += "Aircraft files:\r\n";
    for (const AircraftFileFact& file : facts.aircraftFiles) {
        text +=
            file.aircraft + " (" + Presence(file.exists) + "): " + FullPathText(file.path) + "\r\n";
    }
    return text;
}
