#pragma once

#include "StoreResult.h"

#include <QSettings>
#include <QVariant>

#include <initializer_list>
#include <memory>
#include <utility>

namespace corvex {

// Per-user settings of the utility: application "CORVEX", group "Settings".
// Every key the utility uses is listed here.
namespace UserSetting {
inline constexpr char group[] = "Settings";
inline constexpr char mainTop[] = "MainTop";         // twips, decimal text of a float
inline constexpr char mainLeft[] = "MainLeft";       // twips, decimal text of a float
inline constexpr char commPort[] = "CommPort";       // 0 = search all, 1..16 = COM1..COM16
inline constexpr char logoPicture[] = "LogoPicture"; // full path of the logo file
inline constexpr char comment[] = "Comment";         // comment line of printed sheets
inline constexpr char verifyTransfers[] = "VerifyTransfers"; // true: every byte read twice, every byte sent read back
inline constexpr char language[] = "Language";       // "de", "en"...; absent or empty: the system's

// Device paths that override the built-in table of port numbers on this
// machine: group "Ports", keys "COM1".."COM16".
inline constexpr char portsGroup[] = "Ports";
} // namespace UserSetting

// The settings store itself (on Linux ~/.config/CORVEX/CORVEX.conf; tests
// isolate it with XDG_CONFIG_HOME).
std::unique_ptr<QSettings> openUserSettings();

// Reads and writes one key of the group "Settings". A write replaces the
// settings file whole or not at all; on failure it keeps its old content and
// the result says why. Writing an invalid QVariant removes the key.
QVariant readUserSetting(const char *key, const QVariant &fallback = {});
StoreResult writeUserSetting(const char *key, const QVariant &value);
// Several keys of the group "Settings" in one write.
StoreResult writeUserSettings(std::initializer_list<std::pair<const char *, QVariant>> values);
bool hasUserSetting(const char *key);

} // namespace corvex
