#include "skin/gdiplus_api_win.h"

#include "host/services/handles_win.h"
#include "host/services/system_library_win.h"

namespace skin {
namespace {

struct LoadedGdiplus {
  host::OwnedModule codecs;
  host::OwnedModule module;
  GdiplusFunctions functions;
  bool complete = false;
};

LoadedGdiplus& loaded() {
  static LoadedGdiplus state;
  return state;
}

template <class Pointer>
bool resolve(HMODULE module, const char* name, Pointer& pointer) {
  pointer = host::function_of<Pointer>(module, name);
  return pointer != nullptr;
}

}  // namespace

bool load_gdiplus() {
  LoadedGdiplus& state = loaded();
  if (state.complete) return true;
  // GDI+ decodes PNG through the Windows Imaging Component. Wine's GDI+ loads
  // it later, by name, with a search that starts in the program's folder
  // whatever the process's DLL search says, and WindowsCodecs.dll's own
  // imports then come from that folder too. Loaded from the system folder
  // first, it is the one that later load finds.
  if (!state.codecs) state.codecs.reset(host::load_system_library(L"WindowsCodecs.dll"));
  if (!state.module) state.module.reset(host::load_system_library(L"GdiPlus.dll"));
  if (!state.module) return false;
  GdiplusFunctions functions;
  bool all = true;
#define VERBROOK_RESOLVE(name) all = resolve(state.module.get(), #name, functions.name) && all;
  VERBROOK_GDIPLUS_FUNCTIONS(VERBROOK_RESOLVE)
#undef VERBROOK_RESOLVE
  if (!all) return false;
  state.functions = functions;
  state.complete = true;
  return true;
}

const GdiplusFunctions* gdiplus() {
  const LoadedGdiplus& state = loaded();
  return state.complete ? &state.functions : nullptr;
}

// GDI+ goes before the codecs it decodes with.
void unload_gdiplus() {
  LoadedGdiplus& state = loaded();
  state.complete = false;
  state.functions = {};
  state.module.close();
  state.codecs.close();
}

HMODULE gdiplus_module() { return loaded().module.get(); }

}  // namespace skin
