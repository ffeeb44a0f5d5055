// No DLL loaded while the program runs is taken from the program's folder or
// from the current directory: a DLL that leaves a marker file when it is
// loaded (tests/e2e/planted_dll) is copied into both under the name of each
// such DLL, and the program is started past the splash (GDI+ decodes its
// frames) and used.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "driver/paths.h"
#include "driver/text.h"
#include "verbrook.h"

namespace {

using namespace e2e;

// The DLLs loaded by name while the program runs, after its start-up has
// restricted the DLL search: GdiPlus.dll, which the program loads itself, and
// what comes in with it under Wine that nothing loaded before (GDI+ imports
// oleaut32.dll and decodes PNG through windowscodecs.dll, made by COM, which
// imports propsys.dll); and what Wine loads by name for the first windows
// (the theme, text services and desktop window manager DLLs, and the display
// driver). The program's own imports and theirs are resolved by the system
// before any of the program's code runs, and are left out.
const wchar_t* const kPlantedNames[] = {
    L"GdiPlus.dll", L"oleaut32.dll", L"windowscodecs.dll", L"propsys.dll",
    L"uxtheme.dll", L"msctf.dll",    L"dwmapi.dll",        L"winex11.drv",
};

std::filesystem::path planted_dll() { return from_linux_path(E2E_PLANTED_DLL); }

void plant(const Folder& folder) {
  for (const wchar_t* name : kPlantedNames)
    std::filesystem::copy_file(planted_dll(), folder.native() / name, std::filesystem::copy_options::overwrite_existing);
}

// The markers the planted DLL left, by the names it was planted under.
std::vector<std::string> markers(const Folder& folder) {
  std::vector<std::string> found;
  for (const auto& entry : std::filesystem::directory_iterator(folder.native()))
    if (entry.path().extension() == L".loaded") found.push_back(readable(entry.path().filename().wstring()));
  return found;
}

// The marker is what tells a load: the DLL loaded here leaves it.
TEST(PlantedDlls, ThePlantedDllLeavesItsMarkerWhenLoaded) {
  const Folder folder = Folder::fresh();
  std::filesystem::copy_file(planted_dll(), folder.native() / L"probe.dll");
  const HMODULE loaded = LoadLibraryW((folder.native() / L"probe.dll").c_str());
  ASSERT_NE(loaded, nullptr);
  FreeLibrary(loaded);
  EXPECT_EQ(markers(folder), std::vector<std::string>{"probe.dll.loaded"});
}

TEST(PlantedDlls, NoneIsLoadedFromTheProgramFolderOrTheCurrentDirectory) {
  const Folder program_folder = Folder::fresh("program");
  const Folder current_folder = Folder::fresh("current");
  plant(program_folder);
  plant(current_folder);
  std::filesystem::copy_file(verbrook_program(), program_folder.native() / verbrook_program().filename());

  const verbrook::Writing writing = verbrook::start_writing(
      App::start_in(program_folder.native() / verbrook_program().filename(), current_folder.native()));
  verbrook::wait_background(writing, verbrook::kFactoryBackColour);
  verbrook::type_and_wait(writing, "你好", "你好");
  verbrook::expect_no_question(writing.app);
  // The font dialog brings in the common dialogs' own DLLs.
  writing.app.press(ctrl('T'));
  const FontDialog dialog = writing.app.wait_font_dialog();
  dialog.cancel();
  dialog.wait_gone();
  writing.app.wait_focus(writing.edit);

  EXPECT_EQ(markers(program_folder), std::vector<std::string>{});
  EXPECT_EQ(markers(current_folder), std::vector<std::string>{});
  EXPECT_TRUE(writing.app.running());
}

}  // namespace
