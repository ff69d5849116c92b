// What the device-service simulator records: one JSON line per message, with
// the settings as the mouse would receive them.
#pragma once

#include <ctime>
#include <filesystem>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>

struct MouseConfig;
struct ProfileRecord;
class StoredFile;

constexpr char kJournalFileName[] = "hid-journal.jsonl";

// "2026-12-10T01:50:00Z"
std::string IsoTimeUtc(std::time_t time);
// "#RRGGBB" of a colour stored as red + green * 256 + blue * 65536.
std::string HexColour(std::uint32_t colour);
nlohmann::ordered_json ProfileAsMouseGetsIt(const ProfileRecord& profile);

// The line for an apply: reads, validates and describes the settings file.
// `config` receives the validated settings (for the tray icon and display).
nlohmann::ordered_json ApplyEntry(const std::filesystem::path& settingsFile, std::time_t time,
                                  MouseConfig& config, bool* fileExists);
// The same on a file in memory or on disk.
nlohmann::ordered_json ApplyEntry(std::shared_ptr<StoredFile> settingsFile, std::time_t time,
                                  MouseConfig& config, bool* fileExists);
// The line for a switch that followed the program in front ("switch" to its
// profile, "return" to the user's own): what an apply records, with the program.
nlohmann::ordered_json ProgramSwitchEntry(const char* message,
                                          const std::filesystem::path& settingsFile,
                                          std::time_t time, MouseConfig& config,
                                          const std::u16string& program);
nlohmann::ordered_json ResetEntry(std::time_t time);
// Appends one line to the journal; false when the file cannot be written.
bool AppendJournal(const std::filesystem::path& journal, const nlohmann::ordered_json& entry);
