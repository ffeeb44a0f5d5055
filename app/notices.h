// The help and notice boxes of the main window, and the maker's web page.
#pragma once

#include "host/host_api.h"

namespace app {

host::Text shortcut_help_text();
host::Text author_notice_text();

class Notices {
 public:
  explicit Notices(host::HostApi& host) : host_(host) {}

  void show_hide_notice();
  void show_author_notice();
  void show_shortcut_help();
  void open_web_page();

 private:
  host::HostApi& host_;
};

}  // namespace app
