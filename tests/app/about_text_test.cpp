#include "app/about_text.h"

#include <gtest/gtest.h>

namespace {

TEST(AboutText, NamesTheFolderHowItWasFoundAndEachFile) {
    AboutFacts facts;
    facts.version = "1.2.3";
    facts.simFolder = "C:\\Sim\\";
    facts.foundBy = "two levels above the program's folder";
    facts.prefsPath = "C:\\Sim\\\\Norvane\\Corvel\\Prefs.cfg";
    facts.prefsExists = false;
    facts.aircraftFiles = {{"A318", "C:\\A318.cfg", true}, {"A319 IAE", "C:\\A319IAE.cfg", false}};
    EXPECT_EQ(AboutText(facts),
              "Corvel Config 1.2.3\r\n"
              "\r\n"
              "Simulator folder: C:\\Sim\\\r\n"
              "Found: two levels above the program's folder\r\n"
              "\r\n"
              "Preferences file (missing): C:\\Sim\\\\Norvane\\Corvel\\Prefs.cfg\r\n"
              "\r\n"
              "Aircraft files:\r\n"
              "A318 (found): C:\\A318.cfg\r\n"
              "A319 IAE (missing): C:\\A319IAE.cfg\r\n");
}

}  // namespace
