// DLLs loaded at run time come from the system folder only.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "host/services/loaded_functions_win.h"
#include "host/services/system_library_win.h"

namespace host {
namespace {

std::wstring module_path(HMODULE module) {
  std::wstring path(MAX_PATH, L'\0');
  path.resize(GetModuleFileNameW(module, path.data(), MAX_PATH));
  return path;
}

std::wstring folder_of(const std::wstring& path) { return path.substr(0, path.find_last_of(L"\\/")); }

// A DLL planted beside the program would be found by a plain LoadLibrary of
// its name; the loader looks in the system folder only.
TEST(SystemLibrary, APlantedLibraryBesideTheProgramIsNotLoaded) {
  const std::wstring planted = folder_of(module_path(nullptr)) + L"\\verbrook_planted_probe.dll";
  ASSERT_TRUE(CopyFileW(module_path(nullptr).c_str(), planted.c_str(), FALSE));
  HMODULE plain = LoadLibraryW(L"verbrook_planted_probe.dll");
  EXPECT_NE(plain, nullptr) << "the plant is not loadable, so this test proves nothing";
  if (plain) FreeLibrary(plain);
  EXPECT_EQ(load_system_library(L"verbrook_planted_probe.dll"), nullptr);
  DeleteFileW(planted.c_str());
}

TEST(SystemLibrary, TheDialogAndShellFunctionsComeFromTheSystemFolder) {
  const LoadedFunctions& functions = loaded_functions();
  wchar_t system[MAX_PATH] = {};
  GetSystemDirectoryW(system, MAX_PATH);
  for (const auto function : {reinterpret_cast<const void*>(functions.ChooseColorW),
                              reinterpret_cast<const void*>(functions.ChooseFontW),
                              reinterpret_cast<const void*>(functions.GetOpenFileNameW),
                              reinterpret_cast<const void*>(functions.GetSaveFileNameW),
                              reinterpret_cast<const void*>(functions.DragAcceptFiles),
                              reinterpret_cast<const void*>(functions.DragFinish),
                              reinterpret_cast<const void*>(functions.DragQueryFileW),
                              reinterpret_cast<const void*>(functions.ShellExecuteW)}) {
    ASSERT_NE(function, nullptr);
    HMODULE module = nullptr;
    ASSERT_TRUE(GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                                   static_cast<LPCWSTR>(function), &module));
    EXPECT_EQ(lstrcmpiW(folder_of(module_path(module)).c_str(), system), 0);
  }
}

}  // namespace
}  // namespace host
