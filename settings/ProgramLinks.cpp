#include "settings/ProgramLinks.h"

#include <algorithm>

#include "settings/CaseFold.h"
#include "settings/IniFile.h"

namespace {

constexpr std::size_t kMaxPathUnits = kPathLength - 1;

int ProfilesInUse(const MouseConfig& config) {
  return std::clamp(config.header.totle, 0, kMaxProfiles);
}

// The name as the settings file keeps it: a value loses blanks at its ends.
std::u16string_view StoredName(std::u16string_view program) {
  return TrimIniValue(ProgramFileName(program));
}

bool HasControlCharacter(std::u16string_view text) {
  return std::any_of(text.begin(), text.end(), [](char16_t c) { return c < 0x20 || c == 0x7F; });
}

void ClearEntry(ProfileRecord& profile, int entry) {
  SetFixedText(profile.exePath[entry], u"");
  SetFixedText(profile.exeName[entry], u"");
}

}  // namespace

std::u16string_view ProgramFileName(std::u16string_view path) {
  const std::size_t separator = path.find_last_of(u"\\/");
  return separator == std::u16string_view::npos ? path : path.substr(separator + 1);
}

std::vector<ProgramLink> ProfileLinks(const ProfileRecord& profile, int index) {
  std::vector<ProgramLink> links;
  for (int entry = 0; entry < kLinksPerProfile; ++entry) {
    const std::u16string_view name = FixedText(profile.exeName[entry]);
    if (name.empty()) continue;
    links.push_back(
        {index, entry, std::u16string(FixedText(profile.exePath[entry])), std::u16string(name)});
  }
  return links;
}

std::vector<ProgramLink> AllProgramLinks(const MouseConfig& config) {
  std::vector<ProgramLink> links;
  for (int i = 0; i < ProfilesInUse(config); ++i) {
    std::vector<ProgramLink> own = ProfileLinks(config.profiles[i], i);
    links.insert(links.end(), own.begin(), own.end());
  }
  return links;
}

int FindLinkedProfile(const std::vector<ProgramLink>& links, std::u16string_view program) {
  const std::u16string_view name = StoredName(program);
  if (name.empty()) return -1;
  for (const ProgramLink& link : links)
    if (SameIgnoringCase(link.name, name)) return link.profile;
  return -1;
}

LinkOutcome LinkProgram(MouseConfig& config, int index, std::u16string_view path) {
  if (index < 0 || index >= ProfilesInUse(config)) return {LinkResult::kNoSuchProfile};
  path = TrimIniValue(path);
  const std::u16string_view name = StoredName(path);
  if (name.empty() || HasControlCharacter(path)) return {LinkResult::kNoProgramName};
  if (path.size() > kMaxPathUnits) return {LinkResult::kPathTooLong};

  ProfileRecord& target = config.profiles[index];
  const std::vector<ProgramLink> links = AllProgramLinks(config);
  LinkOutcome outcome{LinkResult::kLinked};
  for (const ProgramLink& link : links)
    if (link.profile == index && SameIgnoringCase(link.name, name)) {
      outcome = {LinkResult::kAlreadyLinked, link.entry};
      break;
    }
  if (outcome.result == LinkResult::kLinked) {
    for (int entry = 0; entry < kLinksPerProfile && outcome.entry < 0; ++entry)
      if (target.exeName[entry][0] == 0) outcome.entry = entry;
    if (outcome.entry < 0) return {LinkResult::kProfileFull};
  }

  // Every other entry naming the program goes, in this profile too.
  for (const ProgramLink& link : links) {
    if (!SameIgnoringCase(link.name, name)) continue;
    if (link.profile == index && link.entry == outcome.entry) continue;
    ClearEntry(config.profiles[link.profile], link.entry);
    if (link.profile != index && outcome.movedFrom < 0) outcome.movedFrom = link.profile;
    outcome.changed = true;
  }
  if (FixedText(target.exePath[outcome.entry]) != path ||
      FixedText(target.exeName[outcome.entry]) != name) {
    SetFixedText(target.exePath[outcome.entry], path);
    SetFixedText(target.exeName[outcome.entry], name);
    outcome.changed = true;
  }
  return outcome;
}

std::vector<ProgramLink> UnlinkProgram(MouseConfig& config, std::u16string_view program) {
  const std::u16string_view name = StoredName(program);
  std::vector<ProgramLink> removed;
  if (name.empty()) return removed;
  for (const ProgramLink& link : AllProgramLinks(config)) {
    if (!SameIgnoringCase(link.name, name)) continue;
    ClearEntry(config.profiles[link.profile], link.entry);
    removed.push_back(link);
  }
  return removed;
}
