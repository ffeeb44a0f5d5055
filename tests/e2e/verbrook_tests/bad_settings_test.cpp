// A settings file that is missing, damaged or odd, and a program folder that
// cannot be written: the program starts with the factory look or the stored
// one, never stops and never asks anything. What the edit box shows is read
// on screen: its background colour, and its font size as the distance between
// two lines.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "verbrook.h"

namespace {

using namespace e2e;
using verbrook::line_pitch;
using verbrook::refocus;
using verbrook::settings_file;

// What the edit box shows: the font size as the settings file stores it, and
// the background colour.
struct Look {
  std::string_view font_size;
  COLORREF back;
};

constexpr Look kFactoryLook{"18", verbrook::kFactoryBackColour};

struct BadFile {
  const char* what;
  std::string_view file_name;
  std::optional<std::string> bytes;  // nothing: no file at all
  Look shown;
};

// Every byte value, in a different order in each block of 256: line breaks,
// brackets, '=' and NULs, but no section 配置.
std::string binary_file() {
  std::string bytes;
  for (int block = 0; block < 64; ++block)
    for (int byte = 0; byte < 256; ++byte) bytes.push_back(static_cast<char>(byte ^ block));
  return bytes;
}

std::vector<BadFile> bad_files() {
  constexpr std::size_t kMegabyte = 1 << 20;
  std::string wide_characters;
  for (std::size_t i = 0; i < kMegabyte / 2; ++i) wide_characters += "中";
  return {
      {"no settings file", verbrook::kSettingsFile, std::nullopt, kFactoryLook},
      {"a binary file", verbrook::kSettingsFile, binary_file(), kFactoryLook},
      // Values are cut to their first 10239 bytes, which here still start
      // with the number.
      {"1 MB values", verbrook::kSettingsFile,
       settings_file({{"背景颜色", "65280" + std::string(kMegabyte, 'x')},
                      {"文本颜色", wide_characters},
                      {"字体大小", "9" + std::string(kMegabyte, ' ')}}),
       {"9", RGB(0, 255, 0)}},
      {"the section 配置 missing", verbrook::kSettingsFile,
       "字体大小=9\r\n背景颜色=65280\r\n[设置]\r\n字体大小=12\r\n背景颜色=255\r\n[配置甲]\r\n字体大小=12\r\n",
       kFactoryLook},
      // The names hold no letters, so their case cannot differ; the file
      // name can, and blanks and quotes are read as the profile functions
      // read them.
      {"ZELVORIN.INI with blanks and quotes", "ZELVORIN.INI",
       "[ 配置 ]\r\n  字体大小 = \"12\" \r\n背景颜色\t=\t'255'\r\n", {"12", RGB(255, 0, 0)}},
  };
}

// A look no row shows, to see the edit box change before it changes back.
constexpr Look kContrastLook{"36", RGB(0, 0, 0)};

std::string plain_settings(const Look& look) {
  const std::string back = std::to_string(look.back);
  return settings_file({{"字体大小", look.font_size}, {"背景颜色", back}});
}

// Shows `look` through a plain settings file of that name and returns the
// distance between the lines then; the contrast look first, so that each wait
// sees a change. The look is applied in one go at the focus gain, so once the
// background shows, the font is in place too.
int pitch_of(const verbrook::Writing& writing, const Folder& folder, std::string_view file_name, const Look& look) {
  const int shown = line_pitch(writing.edit);
  folder.write_file(file_name, plain_settings(kContrastLook));
  refocus(writing);
  verbrook::wait_background(writing, kContrastLook.back);
  EXPECT_NE(line_pitch(writing.edit), shown) << "the contrast font size did not show";
  folder.write_file(file_name, plain_settings(look));
  refocus(writing);
  verbrook::wait_background(writing, look.back);
  return line_pitch(writing.edit);
}

TEST(BadSettings, TheProgramStartsWithTheFactoryOrTheStoredLookAndAsksNothing) {
  for (const BadFile& row : bad_files()) {
    SCOPED_TRACE(row.what);
    const Folder folder = Folder::fresh();
    if (row.bytes) folder.write_file(row.file_name, *row.bytes);
    const verbrook::Writing writing = verbrook::start_writing(folder);
    verbrook::type_and_wait(writing, "国\n国", "国\r\n国");
    verbrook::wait_background(writing, row.shown.back);
    verbrook::expect_no_question(writing.app);
    const int pitch = line_pitch(writing.edit);
    // Reading the file changes nothing in it, and makes none.
    EXPECT_TRUE(folder.read_file(row.file_name) == row.bytes);

    EXPECT_EQ(pitch, pitch_of(writing, folder, row.file_name, row.shown)) << "font size " << row.shown.font_size;
    EXPECT_TRUE(writing.app.running());
  }
}

// A program folder that the Linux side has made read-only, with Verbrook.exe
// and a settings file inside (12 points, red text on green); ctest's
// e2e_verbrook_read_only_program_folder prepares it and names it in
// VERBROOK_READ_ONLY_PROGRAM_FOLDER. In the ordinary run this is skipped.
TEST(BadSettings, AReadOnlyProgramFolderShowsTheStoredLookAndAColourThatCannotBeStoredAsksNothing) {
  const char* linux_folder = std::getenv("VERBROOK_READ_ONLY_PROGRAM_FOLDER");
  if (!linux_folder) GTEST_SKIP() << "needs the folder of ctest's e2e_verbrook_read_only_program_folder";
  const std::filesystem::path folder = from_linux_path(linux_folder);
  const auto settings = [&] {
    std::ifstream file(folder / L"zelvorin.ini", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
  };
  const std::string stored = settings();
  constexpr COLORREF kStoredBack = RGB(0, 255, 0);

  const verbrook::Writing writing =
      verbrook::start_writing(App::start_in(folder / verbrook_program().filename(), folder));
  verbrook::wait_background(writing, kStoredBack);
  verbrook::expect_no_question(writing.app);

  // 灰色, one row down from the first cell: it cannot be stored.
  writing.app.press(ctrl('R'));
  const Window palette = verbrook::wait_palette(writing.app);
  writing.app.wait_focus(palette);
  writing.app.press(VK_DOWN);
  writing.app.press(VK_RETURN);
  verbrook::wait_palette_closed(writing.app, palette);
  writing.app.wait_focus(writing.edit);
  verbrook::expect_no_question(writing.app);

  // The next focus gain reads the file again: the stored look is back.
  refocus(writing);
  verbrook::wait_background(writing, kStoredBack);
  EXPECT_TRUE(writing.app.running());
  EXPECT_EQ(settings(), stored);
}

}  // namespace
