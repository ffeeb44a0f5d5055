#include "driver/input.h"

#include <stdexcept>
#include <vector>

#include "support/mouse_input_win.h"

namespace e2e {

namespace {

bool is_extended(WORD code) {
  switch (code) {
    case VK_INSERT: case VK_DELETE: case VK_HOME: case VK_END: case VK_PRIOR: case VK_NEXT:
    case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN: case VK_RCONTROL: case VK_RMENU:
    case VK_DIVIDE: case VK_NUMLOCK: case VK_APPS:
      return true;
  }
  return false;
}

INPUT key_event(WORD code, bool down) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = code;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(code, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = (down ? 0 : KEYEVENTF_KEYUP) | (is_extended(code) ? KEYEVENTF_EXTENDEDKEY : 0);
  return input;
}

INPUT character_event(wchar_t character, bool down) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wScan = character;
  input.ki.dwFlags = KEYEVENTF_UNICODE | (down ? 0 : KEYEVENTF_KEYUP);
  return input;
}

void add_key(std::vector<INPUT>& events, Key key) {
  std::vector<WORD> modifiers;
  if (key.ctrl) modifiers.push_back(VK_CONTROL);
  if (key.shift) modifiers.push_back(VK_SHIFT);
  if (key.alt) modifiers.push_back(VK_MENU);
  for (WORD modifier : modifiers) events.push_back(key_event(modifier, true));
  events.push_back(key_event(key.code, true));
  events.push_back(key_event(key.code, false));
  for (auto it = modifiers.rbegin(); it != modifiers.rend(); ++it) events.push_back(key_event(*it, false));
}

void send(std::vector<INPUT>& events) {
  if (events.empty()) return;
  const UINT sent = SendInput(static_cast<UINT>(events.size()), events.data(), sizeof(INPUT));
  if (sent != events.size()) throw std::runtime_error("SendInput took " + std::to_string(sent) + " of " +
                                                      std::to_string(events.size()) + " input events");
}

}  // namespace

using test_support::mouse_event_at;

Key ctrl(Key key) {
  key.ctrl = true;
  return key;
}

Key shift(Key key) {
  key.shift = true;
  return key;
}

Key alt(Key key) {
  key.alt = true;
  return key;
}

void send_key(Key key) {
  std::vector<INPUT> events;
  add_key(events, key);
  send(events);
}

void send_text(std::wstring_view text) {
  std::vector<INPUT> events;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const wchar_t character = text[i];
    if (character == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') continue;
    if (character == L'\r' || character == L'\n') {
      add_key(events, VK_RETURN);
    } else if (character == L'\t') {
      add_key(events, VK_TAB);
    } else if (character == L'\b') {
      add_key(events, VK_BACK);
    } else {
      events.push_back(character_event(character, true));
      events.push_back(character_event(character, false));
    }
  }
  send(events);
}

void send_click(POINT screen_point) {
  std::vector<INPUT> events{mouse_event_at(screen_point, 0), mouse_event_at(screen_point, MOUSEEVENTF_LEFTDOWN),
                            mouse_event_at(screen_point, MOUSEEVENTF_LEFTUP)};
  send(events);
}

HeldKey::HeldKey(WORD virtual_key) : code_(virtual_key) {
  std::vector<INPUT> events{key_event(code_, true)};
  send(events);
}

HeldKey::~HeldKey() {
  std::vector<INPUT> events{key_event(code_, false)};
  SendInput(1, events.data(), sizeof(INPUT));  // no throwing from here
}

}  // namespace e2e
