// The maker's web site, named in the main window's title, the shortcut help and
// the author notice, and opened by the update command.
#pragma once

namespace app::maker {

inline constexpr char kHost[] = "www.tamberlo.com";
inline constexpr char kAddress[] = "https://www.tamberlo.com/";

}  // namespace app::maker
