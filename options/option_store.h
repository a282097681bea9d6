// The option store: the ten cockpit options of the [Common] section of the
// preferences file, and the one-shot Cold & Dark marker beside them.
//
// Reading never fails: a missing file, section or key, and a value that
// does not start with a number, give the option's read default. Writing
// reports its outcome; a failed write leaves the file as it was.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "options/option_values.h"
#include "platform/file_status.h"

namespace options {

constexpr char kCommonSection[] = "Common";
constexpr char kColdAndDarkKey[] = "ColdAndDark";
constexpr char kColdAndDarkValue[] = "1";

// Room for 48 characters of value and the terminating zero.
constexpr size_t kValueBufferSize = 49;
// A stored value equal to this counts as unset.
constexpr int32_t kUnsetValue = -9999;

struct CommonOption {
    const char* key;
    int32_t readDefault;
    int32_t OptionValues::*field;
    // The pushback type is never read: every opening starts from standard.
    bool readFromFile;
};

// Every option, in the order it is read and written. The order of the
// writes is the order of the keys in a new file.
constexpr CommonOption kCommonOptions[] = {
    {"UnitSystem", 0, &OptionValues::unitSystem, true},
    {"PushbackType", 0, &OptionValues::pushbackType, false},
    {"UserExperience", 1, &OptionValues::userExperience, true},
    {"PanelVolume", 100, &OptionValues::panelVolume, true},
    {"IRSAlignmentTime", 60, &OptionValues::irsAlignmentTime, true},
    {"Modifier", 0, &OptionValues::mcduKeyModifier, true},
    {"Locker", 1, &OptionValues::mcduKeyLocker, true},
    {"AutoPause", 0, &OptionValues::autoPause, true},
    {"FsuipcUsage", 0, &OptionValues::fsuipcUsage, true},
    {"FMGCSaveMode", 0, &OptionValues::fmgcSaveMode, true},
};

// The value of one option as stored in the file (what a read of the key with
// profile::kUndefined as default and a kValueBufferSize buffer gave): the read
// default when the key was missing, when no number could be read, or when
// the number is kUnsetValue.
int32_t OptionFromText(std::string_view stored, int32_t readDefault);

// Fills every field from the [Common] section of the file at prefsPath.
void ReadCommonOptions(OptionValues& values, const std::string& prefsPath);

// Writes every option as decimal text in one atomic step: the file ends up
// as if each key had been written in turn, or stays as it was on failure.
// The folder is never created.
files::Status WriteCommonOptions(const OptionValues& values, const std::string& prefsPath);

// Marks the aircraft to start cold and dark at its next loading. Changes no
// option value.
files::Status RequestColdAndDark(const std::string& prefsPath);

}  // namespace options
