// The open-file and save-file dialogs of the common dialog unit.
#include <windows.h>
#include <commdlg.h>

#include <algorithm>
#include <string>
#include <vector>

#include "host/services/common_dialog.h"
#include "host/services/encoding_win.h"
#include "host/services/loaded_functions_win.h"
#include "host/unit_services/common_dialog_win.h"
#include "host/units/unit_win.h"

namespace host {
namespace {

namespace dialog_prop = prop::dialog;

// Room for the longest path the system takes (\\?\ paths of 32767 characters).
constexpr std::size_t kPathCapacity = 32768;

// Descriptions and patterns, each ended by a NUL, the list by a second NUL.
std::wstring filter_list(const std::vector<FilterEntry>& entries) {
  std::wstring list;
  for (const FilterEntry& entry : entries) {
    list += gb18030_to_wide(entry.description);
    list += L'\0';
    list += gb18030_to_wide(entry.pattern);
    list += L'\0';
  }
  if (!list.empty()) list += L'\0';
  return list;
}

const wchar_t* or_null(const std::wstring& text) { return text.empty() ? nullptr : text.c_str(); }

}  // namespace

DWORD file_dialog_flags(const Unit& dialog, bool save) {
  const PropertyStore& properties = dialog.properties();
  const FileDialogOptions options = shown_options(
      {properties.get_bool(dialog_prop::kCreatePrompt), properties.get_bool(dialog_prop::kFileMustExist),
       properties.get_bool(dialog_prop::kOverwritePrompt), properties.get_bool(dialog_prop::kPathMustExist),
       properties.get_bool(dialog_prop::kNoChangeDir)},
      save);
  DWORD flags = OFN_EXPLORER | OFN_HIDEREADONLY;
  if (options.create_prompt) flags |= OFN_CREATEPROMPT;
  if (options.file_must_exist) flags |= OFN_FILEMUSTEXIST;
  if (options.overwrite_prompt) flags |= OFN_OVERWRITEPROMPT;
  if (options.path_must_exist) flags |= OFN_PATHMUSTEXIST;
  if (options.no_change_dir) flags |= OFN_NOCHANGEDIR;
  return flags;
}

bool run_file_dialog(Unit& dialog, HWND owner, bool save) {
  const PropertyStore& properties = dialog.properties();
  const std::vector<FilterEntry> entries = filter_entries(properties.get_text(dialog_prop::kFilter));
  const std::wstring filter = filter_list(entries);
  const std::wstring title = gb18030_to_wide(properties.get_text(dialog_prop::kTitle));
  const std::wstring default_extension =
      gb18030_to_wide(default_extension_of(properties.get_text(dialog_prop::kDefaultExtension)));
  // A proposed name with a folder makes the dialog start in that folder.
  const std::wstring proposed_name = gb18030_to_wide(properties.get_text(dialog_prop::kFileName));
  const std::wstring initial_dir = gb18030_to_wide(properties.get_text(dialog_prop::kInitialDir));
  std::vector<wchar_t> path(kPathCapacity, L'\0');
  if (proposed_name.size() < path.size()) std::copy(proposed_name.begin(), proposed_name.end(), path.begin());
  OPENFILENAMEW settings{};
  settings.lStructSize = sizeof settings;
  settings.hwndOwner = owner;
  settings.lpstrFilter = or_null(filter);
  settings.nFilterIndex = filter_number(properties.get_int(dialog_prop::kFilterIndex), entries.size());
  settings.lpstrFile = path.data();
  settings.nMaxFile = static_cast<DWORD>(path.size());
  settings.lpstrInitialDir = or_null(initial_dir);
  settings.lpstrTitle = or_null(title);
  settings.lpstrDefExt = or_null(default_extension);
  settings.Flags = file_dialog_flags(dialog, save);
  const auto show = save ? loaded_functions().GetSaveFileNameW : loaded_functions().GetOpenFileNameW;
  if (!show || !show(&settings)) return false;
  // Every name the dialog gives has a text that names the same file.
  dialog.write(dialog_prop::kFileName, -1, wide_to_gb18030(path.data()));
  return true;
}

}  // namespace host
