// The clipboard, shared with the program under test. The driver never keeps
// it open nor owns it (a clipboard owner has to answer other programs'
// messages, which a waiting test does not), so the program never blocks on it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace e2e {

// Puts a GBK text on the clipboard in both forms a program may read: as
// Unicode text, and as GBK bytes for programs that read CF_TEXT.
void put_on_clipboard(std::string_view gbk_text);

// The text last put on the clipboard, as GBK: the bytes themselves when the
// program put CF_TEXT (Verbrook puts GBK bytes, whatever the system's code
// page), else the Unicode text converted. Nothing when it holds no text.
std::optional<std::string> clipboard_text();

}  // namespace e2e
