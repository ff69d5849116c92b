#include "macro/EventRows.h"

#include "macro/KeyNames.h"
#include "macro/Patterns.h"
#include "settings/Utf.h"

EventRow RowOf(const MacroEvent& event, std::u16string_view delayPrefix,
               std::u16string_view delaySuffix) {
  if (event.code == kEventDelay) {
    std::u16string text(delayPrefix);
    text += DecimalText(event.value);
    text += u' ';
    text += delaySuffix;
    return {std::move(text), kIconDelay};
  }
  return {std::u16string(MacroEventName(event.code)), event.value == 1 ? kIconPress : kIconRelease};
}

std::vector<EventRow> ListRows(const MacroEvents& events, std::u16string_view delayPrefix,
                               std::u16string_view delaySuffix) {
  if (events.count == 0) return {EventRow{u"", kIconNone}};
  std::vector<EventRow> rows;
  rows.reserve(events.count);
  for (int i = 0; i < events.count; ++i)
    rows.push_back(RowOf(events.list[i], delayPrefix, delaySuffix));
  return rows;
}

std::u16string DelayEditorText(const MacroEvent& delay) { return DecimalText(delay.value); }
