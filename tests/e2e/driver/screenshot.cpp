#include "driver/screenshot.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "driver/paths.h"
#include "driver/text.h"

namespace e2e {

namespace {

std::wstring file_name_for(std::string_view label) {
  std::wstring name = L"e2e";
  if (const auto* test = ::testing::UnitTest::GetInstance()->current_test_info())
    name = wide(std::string(test->test_suite_name()) + "." + test->name());
  name += L"-" + wide(label) + L".png";
  for (wchar_t& c : name)
    if (c == L'/' || c == L'\\' || c == L':') c = L'_';
  return name;
}

}  // namespace

std::filesystem::path save_screenshot(std::string_view label) {
  return save_screenshot(label, RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)});
}

std::filesystem::path save_screenshot(std::string_view label, RECT area) {
  const std::filesystem::path path = artifacts_folder() / file_name_for(label);
  ScreenPicture::take(area).save_png(path);
  return path;
}

}  // namespace e2e
