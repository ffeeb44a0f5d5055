// The program's command line as Windows hands it over: one string, split
// into arguments by the rules every Windows program follows.
#pragma once

#include <string>
#include <string_view>

namespace host {

// The first argument after the program's own name, or empty when there is
// none. The name ends at the closing quote when it starts with one, else at
// the first blank; in an argument, quotes group blanks into it, and
// backslashes are literal except before a quote (2n of them and a quote: n
// backslashes and the quote groups; 2n+1: n backslashes and a literal quote).
std::wstring first_argument(std::wstring_view command_line);

}  // namespace host
