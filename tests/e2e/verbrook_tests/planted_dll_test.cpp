// No DLL that the program loads is taken from the program's folder or from
// the current directory. A first run lists every DLL the program has loaded
// once it has been through everything that loads one (the splash, GDI+
// decoding its frames, the common dialogs, the colour palette, message
// boxes, the clipboard); a DLL that leaves a marker file when it is loaded
// (tests/e2e/planted_dll) is then copied into both folders under each of
// those names, and a second run goes through the same steps.
//
// The DLLs the program imports are among them. Windows takes those from the
// system folder as known DLLs; under Wine a planted copy of some DLLs that
// imports bring in is loaded natively, which is why the program imports so
// few (the README says which).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "driver/modules.h"
#include "driver/paths.h"
#include "driver/text.h"
#include "verbrook.h"

namespace {

using namespace e2e;

std::filesystem::path planted_dll() { return from_linux_path(E2E_PLANTED_DLL); }

// The markers the planted DLL left, by the names it was planted under.
std::vector<std::string> markers(const Folder& folder) {
  std::vector<std::string> found;
  for (const auto& entry : std::filesystem::directory_iterator(folder.native()))
    if (entry.path().extension() == L".loaded") found.push_back(readable(entry.path().filename().wstring()));
  return found;
}

// Everything of the program that loads a DLL, each closed again; returns
// with the edit box focused.
void use_every_part(const verbrook::Writing& writing) {
  verbrook::wait_background(writing, verbrook::kFactoryBackColour);
  verbrook::type_and_wait(writing, "你好", "你好");
  writing.app.press(ctrl('T'));
  const FontDialog font = writing.app.wait_font_dialog();
  font.cancel();
  font.wait_gone();
  writing.app.press(ctrl('E'));
  const Window palette = verbrook::wait_palette(writing.app);
  writing.app.press(VK_ESCAPE);
  verbrook::wait_palette_closed(writing.app, palette);
  writing.app.press(ctrl('D'));
  verbrook::answer(writing.app, verbrook::kOpenWarning, IDYES);
  verbrook::cancel_file_dialog(writing.app);
  writing.app.press(ctrl('S'));
  verbrook::cancel_file_dialog(writing.app);
  verbrook::answer(writing.app, verbrook::kNotSaved, IDOK);
  writing.app.press(ctrl('C'));
  writing.app.press(ctrl('V'));
  writing.app.press(ctrl('W'));
  verbrook::expect_no_question(writing.app);
  writing.app.wait_focus(writing.edit);
}

// The file names of the DLLs the program has loaded.
std::vector<std::wstring> loaded_dlls(const verbrook::Writing& writing) {
  std::vector<std::wstring> names;
  for (const auto& module : loaded_modules(writing.app.process_id()))
    if (lstrcmpiW(module.extension().c_str(), L".exe") != 0) names.push_back(module.filename().wstring());
  return names;
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
  std::vector<std::wstring> names;
  {
    const Folder folder = Folder::fresh();
    const verbrook::Writing writing = verbrook::start_writing(folder);
    use_every_part(writing);
    names = loaded_dlls(writing);
  }
  // GDI+ and its codecs are let go once the splash is over, so they are
  // planted by name.
  for (const wchar_t* splash_only : {L"gdiplus.dll", L"windowscodecs.dll"})
    if (std::none_of(names.begin(), names.end(),
                     [splash_only](const std::wstring& name) { return lstrcmpiW(name.c_str(), splash_only) == 0; }))
      names.push_back(splash_only);

  const Folder program_folder = Folder::fresh("program");
  const Folder current_folder = Folder::fresh("current");
  for (const Folder* folder : {&program_folder, &current_folder})
    for (const std::wstring& name : names)
      std::filesystem::copy_file(planted_dll(), folder->native() / name, std::filesystem::copy_options::overwrite_existing);
  std::filesystem::copy_file(verbrook_program(), program_folder.native() / verbrook_program().filename());

  const verbrook::Writing writing = verbrook::start_writing(
      App::start_in(program_folder.native() / verbrook_program().filename(), current_folder.native()));
  use_every_part(writing);

  std::string planted;
  for (const std::wstring& name : names) planted += readable(name) + " ";
  std::printf("planted under %zu names: %s\n", names.size(), planted.c_str());
  EXPECT_EQ(markers(program_folder), std::vector<std::string>{}) << "planted: " << planted;
  EXPECT_EQ(markers(current_folder), std::vector<std::string>{}) << "planted: " << planted;
  EXPECT_TRUE(writing.app.running());
}

}  // namespace
