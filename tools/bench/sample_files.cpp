#include "tools/bench/sample_files.h"

#include "keys/key_assignments.h"

namespace bench {

std::string LargeAircraftCfg() {
    std::string text;
    for (int i = 0; text.size() < 30000; ++i) {
        std::string n = std::to_string(i);
        text += "[fltsim." + n + "]\r\ntitle=Zelvia A320 livery " + n +
                "\r\nsim=Zelvia\r\nmodel=\r\ntexture=" + n +
                "\r\n; a comment that the simulator ignores and the program keeps\r\n\r\n";
    }
    text +=
        "[WEIGHT_AND_BALANCE]\r\nmax_gross_weight = 169756\r\nempty_weight = 93500\r\n"
        "station_load.0 = \"170, 40.0, -1.5, 2.0\"\r\n"
        "station_load.1 = \"170, 40.0, 1.5, 2.0\"\r\n"
        "station_load.2 = \"1000, 16.0, 0.0, 0.0, Baggage\"\r\n"
        "station_load.3 = \"2000, 0.0, 0.0, 0.0, Cargo\"\r\n"
        "station_load.4 = \"1500, 26.0, 0.0, 0.0, First\"\r\n"
        "station_load.5 = \"20000, 0.0, 0.0, 0.0, Coach\"\r\n\r\n";
    for (int i = 0; text.size() < 60000; ++i) {
        text += "[section_" + std::to_string(i) + "]\r\nkey_a = " + std::to_string(i * 7) +
                "\r\nkey_b = 0.25, 0.5, 0.75\r\n// keep this line exactly as it is\r\n\r\n";
    }
    return text;
}

std::string PrefsWithKeys(const keys::CommandCatalogue& catalogue) {
    std::string text =
        "[Common]\r\nUnitSystem=0\r\nPushbackType=1\r\nUserExperience=1\r\nPanelVolume=80\r\n"
        "IRSAlignmentTime=2\r\nModifier=1\r\nLocker=0\r\nAutoPause=0\r\nFsuipcUsage=0\r\n"
        "FMGCSaveMode=1\r\n\r\n[Keys]\r\n";
    for (const profile::Entry& entry : keys::KeyAssignmentEntries(catalogue)) {
        text += entry.key + "=" + entry.value + "\r\n";
    }
    return text;
}

keys::CommandCatalogue ShiftedCatalogue(int32_t keyShift) {
    keys::CommandCatalogue catalogue = keys::kDefaultCommands;
    for (keys::CommandEntry& command : catalogue) {
        command.key += keyShift;
    }
    return catalogue;
}

}  // namespace bench
